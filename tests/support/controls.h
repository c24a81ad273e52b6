#pragma once
// The windows' controls as tests and benchmarks reach them: by what each control is for. This is
// the one place that knows the forms' object names, so a renamed control is renamed here alone.
// Every accessor returns a pointer to the control's own class.
#include "auxwindows/aboutwindow.h"
#include "auxwindows/helpwindow.h"
#include "auxwindows/keyboardmapwindow.h"
#include "mainwindow/mainwindow.h"
#include "master/masterlistwindow.h"
#include "platform/clicklabel.h"
#include "platform/dropdowncombo.h"
#include "platform/panellabel.h"
#include "platform/spionictextedit.h"
#include "platform/trackedtextedit.h"
#include "platform/wrapbutton.h"
#include "quotes/quotationswindow.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

// The main window's controls.
class MainWindowControls {
public:
    explicit MainWindowControls(MainWindow *window = nullptr) : m_window(window) {}

    // The item: headword, description, notes.
    DropDownCombo *itemBox() const { return ui().Cmb_Item; }
    TrackedTextEdit *descriptionBox() const { return ui().RichDescr; }
    SpionicTextEdit *notesBox() const { return ui().RedTranslation; }
    QLabel *notesCaption() const { return ui().LblTranslation; }
    QLabel *heading() const { return ui().Heading; }
    QLabel *titleLabel() const { return ui().LblTitle; }
    PanelLabel *itemCounter() const { return ui().PnlItemNo; }
    // In place of the notes while no list is open.
    ClickLabel *quotationsPicture() const { return ui().ImgBackground; }

    // The list: choosing, saving, editing its items.
    DropDownCombo *listSelector() const { return ui().CmbWork; }
    QPushButton *changeListButton() const { return ui().BtnChangeList; }
    QPushButton *saveButton() const { return ui().BtnSave; }
    QPushButton *addButton() const { return ui().BtnIns; }
    QPushButton *removeButton() const { return ui().BtnDel; }
    QPushButton *upButton() const { return ui().BtnSwopUp; }
    QPushButton *downButton() const { return ui().BtnSwopDown; }
    QPushButton *masterListButton() const { return ui().BtnMaster; }
    QPushButton *closeButton() const { return ui().BtnClose; }
    // The language of a new list.
    QRadioButton *greekButton() const { return ui().RadioGreek; }
    QRadioButton *latinButton() const { return ui().RadioLatin; }
    PanelLabel *languagePanel() const { return ui().PnlLanguage; }
    // Shown while an item is changed: "click Update".
    PanelLabel *updateBanner() const { return ui().PnlHideBottomHalf; }
    QFrame *updateBar() const { return ui().ShpUpdate; }

    // Searching the list and the notes.
    QLineEdit *searchBox() const { return ui().EdtSearch; }
    QPushButton *searchButton() const { return ui().Btn_Search; }
    PanelLabel *searchPanel() const { return ui().PnlSearch; }
    QCheckBox *wholeWordBox() const { return ui().ChkWhole; }
    QCheckBox *notesWholeWordBox() const { return ui().ChkWholeWOrd; }
    QPushButton *notesNextButton() const { return ui().BtnNextTranslation; }
    QPushButton *previousHitButton() const { return ui().BtnLeft; }
    QPushButton *nextHitButton() const { return ui().BtnRight; }
    QLabel *hitCounter() const { return ui().LblSearchString; }

    // The self test.
    WrapButton *selfTestButton() const { return ui().BtnSelfTest; }
    PanelLabel *testPanel() const { return ui().Panel; }

    // The notes' format bar and sizes.
    DropDownCombo *fontList() const { return ui().CmbFont; }
    QPushButton *boldButton() const { return ui().BtnFormatBold; }
    QPushButton *italicButton() const { return ui().BtnFormatItalic; }
    QPushButton *underlineButton() const { return ui().BtnFormatUnderline; }
    QPushButton *redButton() const { return ui().BtnFormatRed; }
    QPushButton *greenButton() const { return ui().BtnFormatGreen; }
    QPushButton *blueButton() const { return ui().BtnFormatBlue; }
    QFrame *colourBar() const { return ui().ShpColour; } // the colour of the button pointed at
    QPushButton *notesBiggerButton() const { return ui().BtnFormatFontIncrease; }
    QPushButton *notesSmallerButton() const { return ui().BtnFormatFontDecrease; }
    QPushButton *copyFormatButton() const { return ui().BtnCopyFormat; }
    QPushButton *expandNotesButton() const { return ui().BtnExpandReduce; }
    QPushButton *descriptionBiggerButton() const { return ui().BtnRichdescrFontIncrease; }
    QPushButton *descriptionSmallerButton() const { return ui().BtnRichdescrFontDecrease; }
    // "Stay On Top = ON", beside the notes.
    PanelLabel *stayOnTopPanel() const { return ui().PnlTop1; }
    PanelLabel *stayOnTopInnerPanel() const { return ui().PnlTop2; }
    ClickLabel *helpIcon() const { return ui().ImgHelp; }

protected:
    void setMainWindow(MainWindow *window) { m_window = window; }

private:
    Ui::MainWindow &ui() const { return *m_window->form(); }
    MainWindow *m_window;
};

// A secondary window's controls, found by object name; a control not found ends the run.
template <class Window>
class WindowControls {
public:
    explicit WindowControls(Window *window = nullptr) : m_window(window) {}

protected:
    void setWindow(Window *window) { m_window = window; }
    template <class T>
    T *control(const char *name) const
    {
        T *found = m_window->template findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

private:
    Window *m_window;
};

class MasterListControls : public WindowControls<MasterListWindow> {
public:
    using WindowControls::WindowControls;
    QListView *list() const { return control<QListView>("ListMaster"); }
    QLineEdit *listNameBox() const { return control<QLineEdit>("EdtMasterWork"); } // the list of the entry
    QTextEdit *descriptionBox() const { return control<QTextEdit>("RedMasterDesc"); }
    QLineEdit *searchBox() const { return control<QLineEdit>("EdtMasterSearch"); }
    QPushButton *searchButton() const { return control<QPushButton>("BtnMasterSearch"); }
    QCheckBox *wholeWordBox() const { return control<QCheckBox>("ChkMasterWhole"); }
    QPushButton *testButton() const { return control<QPushButton>("BtnMasterTest"); }
    PanelLabel *testPanel() const { return control<PanelLabel>("PnlMaster"); }
    QRadioButton *greekButton() const { return control<QRadioButton>("RadMasterGreek"); }
    QRadioButton *latinButton() const { return control<QRadioButton>("RadMasterLatin"); }
    QPushButton *closeButton() const { return control<QPushButton>("BtnClose"); }
};

class QuotationsControls : public WindowControls<QuotationsWindow> {
public:
    using WindowControls::WindowControls;
    QPlainTextEdit *quotationBox() const { return control<QPlainTextEdit>("MemQuote"); }
    QPlainTextEdit *translationBox() const { return control<QPlainTextEdit>("MemTrans"); }
    ClickLabel *sourceLabel() const { return control<ClickLabel>("LblOrigin"); }
    ClickLabel *picture() const { return control<ClickLabel>("Image1"); }
    QPushButton *nextButton() const { return control<QPushButton>("BtnNextPlease"); }
    QRadioButton *greekButton() const { return control<QRadioButton>("RadGreek"); }
    QRadioButton *latinButton() const { return control<QRadioButton>("RadLatin"); }
    QRadioButton *bothButton() const { return control<QRadioButton>("RadBoth"); }
    QPushButton *closeButton() const { return control<QPushButton>("BtnClose"); }
};

class HelpControls : public WindowControls<HelpWindow> {
public:
    using WindowControls::WindowControls;
    QLabel *greekFontShortcutLine() const { return control<QLabel>("Label4"); } // Ctrl+G
    QPushButton *onlineHelpButton() const { return control<QPushButton>("BtnOnlineHelp"); }
    QPushButton *aboutButton() const { return control<QPushButton>("BtnAbout"); }
    QPushButton *closeButton() const { return control<QPushButton>("BtnClose"); }
};

class AboutControls : public WindowControls<AboutWindow> {
public:
    using WindowControls::WindowControls;
    QTextEdit *aboutText() const { return control<QTextEdit>("RedAbout"); }
    QLabel *buildLabel() const { return control<QLabel>("LblBuild"); }
    ClickLabel *websiteLink() const { return control<ClickLabel>("LblWebsite"); }
    ClickLabel *emailLink() const { return control<ClickLabel>("LblEmail"); }
    QPushButton *closeButton() const { return control<QPushButton>("BtnClose"); }
};

class KeyboardMapControls : public WindowControls<KeyboardMapWindow> {
public:
    using WindowControls::WindowControls;
    QLabel *picture() const { return control<QLabel>("Image1"); }
};

// The controls of a window, by the window's class.
inline MainWindowControls controlsOf(MainWindow *window) { return MainWindowControls(window); }
inline MasterListControls controlsOf(MasterListWindow *window) { return MasterListControls(window); }
inline QuotationsControls controlsOf(QuotationsWindow *window) { return QuotationsControls(window); }
inline HelpControls controlsOf(HelpWindow *window) { return HelpControls(window); }
inline AboutControls controlsOf(AboutWindow *window) { return AboutControls(window); }
inline KeyboardMapControls controlsOf(KeyboardMapWindow *window) { return KeyboardMapControls(window); }
