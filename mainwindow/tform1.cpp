#include "mainwindow/tform1.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/itemediting.h"
#include "mainwindow/listmanagement.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/listselection.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/noteseditor.h"
#include "mainwindow/selftest.h"
#include "platform/colourfile.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/keypreview.h"
#include "platform/layoutstyle.h"
#include "platform/messagedlg.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/windowcolour.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "ui_tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QTextCursor>

TForm1::TForm1() : ui(std::make_unique<Ui::TForm1>()), m_context(std::make_unique<MainContext>())
{
    initProgramResources();
    ui->setupUi(this);
    applyLayoutStyle(this);
    setFixedSize(778, 703);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    // One picker serves the window's colour and the self-test panel's (F7, F10).
    m_mainColour = std::make_unique<WindowColour>(QStringLiteral("MainFormColor.ini"), QStringLiteral("Set Colour: Main Window"),
                                                  QList<QWidget *>{this, ui->PnlItemNo});
    m_panelColour = std::make_unique<WindowColour>(QStringLiteral("SelfTestPanelColor.ini"),
                                                   QStringLiteral("Set Colour: Self Test Panel"), QList<QWidget *>{ui->Panel});
    m_panelColour->sharePickerWith(*m_mainColour);
    m_panelColour->onApplied([this](ColourValue colour) { emit selfTestColourChanged(colour); });
    MainContext &c = *m_context;
    c.form = this;
    c.ui = ui.get();
    c.area = new ItemArea(c);
    c.selection = new ListSelection(c);
    c.editing = new ItemEditing(c);
    c.commands = new ItemCommands(c);
    c.search = new ListSearch(c);
    c.test = new SelfTest(c);
    c.lists = new ListManagement(c);
    c.notes = new NotesEditor(c);
    connectHandlers();
    m_keyPreview = new KeyPreview(this, [this](QWidget *receiver, QKeyEvent *event) { return previewKey(receiver, event); });
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    // The controllers watch the form's widgets: they go before the widgets do.
    MainContext &c = *m_context;
    for (QObject *controller : std::initializer_list<QObject *>{c.notes, c.lists, c.test, c.search, c.commands, c.editing, c.selection, c.area})
        delete controller;
}

const ListSession &TForm1::session() const { return m_context->session; }
const MainMode &TForm1::mode() const { return m_context->mode; }
EditBox TForm1::lastEditBox() const { return m_context->lastEditBox; }
const QStringList &TForm1::listNames() const { return m_context->selection->listNames(); }
quint32 TForm1::selfTestColour() const { return backgroundColour(ui->Panel); }
const QTimer &TForm1::timer1() const { return m_context->selection->timer(); }

MsgButton TForm1::CenteredMessageDlg(const QString &text, MsgKind kind, MsgButtons buttons)
{
    return ::CenteredMessageDlg(this, text, kind, buttons);
}

MsgButton TForm1::askSaveWorkFirst(MsgButtons buttons)
{
    return CenteredMessageDlg(QStringLiteral("Save work first?"), MsgKind::Confirmation, buttons);
}

void TForm1::FormCreate()
{
    m_fontAvailable = true;
    if (!fontInstalled(QStringLiteral("SPIonic"))) {
        LockDownWindow();
        m_fontAvailable = false;
        return;
    }
    m_buildDate = QStringLiteral("24 Jan 2021");
    ui->ImgBackground->setToolTip(QStringLiteral("Click or Ctrl+Q for Quotations and Sayings"));
    if (fontInstalled(QStringLiteral("Squire"))) {
        QFont f = ui->LblTitle->font();
        f.setFamily(QStringLiteral("Squire"));
        ui->LblTitle->setFont(f);
    }
    for (const QString &folder : {store::backupsFolder(), store::setupFolder()})
        guarded([&] { store::makeFolder(folder); });
    // Each of these is reported on its own and the window is still set up in full.
    guarded([this] { m_mainColour->LoadWindowColour(); });
    guarded([this] { m_panelColour->LoadWindowColour(); });
    guarded([this] {
        const QString picture = QStringLiteral("default.jpg");
        if (!QFileInfo::exists(picture))
            return;
        QImageReader reader(picture);
        const QImage image = reader.read();
        if (image.isNull())
            throw AppError(QStringLiteral("Cannot load the picture \"%1\": %2").arg(picture, reader.errorString()));
        ui->ImgBackground->setPixmap(QPixmap::fromImage(image));
    });
    fillFontList();
    setHeadingText(QString());
    programRandom().seed(desktop().randomSeed());
    m_context->selection->start();
}

void TForm1::fillFontList()
{
    static const char *const candidates[] = {
        "Arial", "Comic Sans MS", "Courier New", "Lucida Console", "Times New Roman", "Calibri",
        "Arial Black", "Arial Narrow", "Bookman Old Style", "Bradley Hand ITC", "Cambria", "Century Gothic",
        "Harrington", "Lucida Calligraphy", "Lucida Handwriting", "Monotype Corsiva", "Squire", "Stencil",
        "Tahoma", "Verdana", "Rockwell", "Kristen ITC", "Papyrus"};
    const QStringList families = desktop().installedFontFamilies();
    for (const char *name : candidates)
        if (fontInstalled(QLatin1String(name), families))
            ui->CmbFont->addSorted(QLatin1String(name));
}

void TForm1::LockDownWindow()
{
    for (QWidget *w : {static_cast<QWidget *>(ui->LblSearchString), static_cast<QWidget *>(ui->Heading),
                       static_cast<QWidget *>(ui->PnlItemNo)})
        w->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->BtnSave, ui->Btn_Search, ui->EdtSearch, ui->ChkWhole, ui->BtnSelfTest, ui->BtnDel, ui->BtnClose,
             ui->BtnIns, ui->BtnRichdescrFontDecrease, ui->BtnRichdescrFontIncrease, ui->CmbWork, ui->BtnMaster,
             ui->BtnChangeList, ui->Cmb_Item, ui->RichDescr, ui->RedTranslation})
        w->setEnabled(false);
    ui->Panel->show();
    ui->Panel->setEnabled(false);
    setBackgroundColour(ui->Panel, StringToColor(QStringLiteral("clBtnFace")));
    QFont f = ui->Panel->font();
    f.setPointSize(18);
    ui->Panel->setFont(f);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->ImgBackground, ui->ImgHelp, ui->PnlTop1, ui->PnlTop2})
        w->setToolTip(QString());
}

void TForm1::FormActivate()
{
    if (m_ended)
        return;
    if (!m_fontAvailable) {
        CenteredMessageDlg(QStringLiteral("Please install the SPIonic Greek font. The program will now close."),
                           MsgKind::Error, MsgButton::OK);
        endProgram();
        return;
    }
    setHeadingMaxWidth(qMin(m_headingMaxWidth, 575));
    // Qt reports activation after a handler's message box or modal window has returned, so a
    // returning activation would undo the focus the handler chose: only a window without a
    // focused control (its first showing) gives the focus to the list selector.
    if (ui->CmbWork->isEnabled() && !focusWidget())
        ui->CmbWork->setFocus();
}

void TForm1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded([this] { FormActivate(); });
}

void TForm1::endProgram()
{
    m_ended = true;
    m_closingByProgram = true;
    m_context->selection->stopTimer();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w != this)
            w->hide();
    close();
    QCoreApplication::quit();
}

void TForm1::collapseNotesSelection()
{
    QTextCursor c = ui->RedTranslation->textCursor();
    if (c.hasSelection()) {
        c.clearSelection();
        ui->RedTranslation->setTextCursor(c);
    }
}

void TForm1::setHeadingText(const QString &text)
{
    ui->Heading->setText(text);
    const QSize hint = ui->Heading->sizeHint();
    ui->Heading->resize(qMin(hint.width(), m_headingMaxWidth), qMax(hint.height(), 1));
}

void TForm1::setHeadingMaxWidth(int width)
{
    m_headingMaxWidth = width;
    setHeadingText(ui->Heading->text());
}

void TForm1::showMode()
{
    const MainMode &mode = m_context->mode;
    ui->Btn_Search->setText(mode.searchCaption());
    ui->BtnChangeList->setText(mode.changeListCaption());
    ui->Cmb_Item->resize(mode.itemBoxWidth(), ui->Cmb_Item->height());
    ui->RichDescr->resize(mode.descriptionWidth(), ui->RichDescr->height());
}

void TForm1::restoreEditFocus()
{
    // The box last edited, checked in this order, each only while it takes the focus.
    const EditBox last = m_context->lastEditBox;
    if (last == EditBox::Item && ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
    else if (last == EditBox::Notes && ui->RedTranslation->isEnabled())
        ui->RedTranslation->setFocus();
    else if (last == EditBox::Description && ui->RichDescr->isEnabled())
        ui->RichDescr->setFocus();
}

void TForm1::restoreEditFocusPlacingCaret()
{
    restoreEditFocus();
    const EditBox last = m_context->lastEditBox;
    if (last == EditBox::Item && ui->Cmb_Item->isEnabled()) {
        // Taking the focus selects the whole headword: the caret goes after it, nothing selected.
        QLineEdit *edit = ui->Cmb_Item->lineEdit();
        edit->setCursorPosition(edit->text().size());
    } else if (last == EditBox::Description && ui->RichDescr->isEnabled()) {
        // As in the item box: the caret after the selection (the whole text when entering selected
        // it), nothing selected; without a selection the caret stays where it was.
        QTextCursor c = ui->RichDescr->textCursor();
        c.setPosition(c.selectionEnd());
        ui->RichDescr->setTextCursor(c);
    }
}

void TForm1::BtnCloseClick()
{
    collapseNotesSelection();
    if (m_context->session.isSaved()) {
        endProgram();
        return;
    }
    switch (CenteredMessageDlg(QStringLiteral("Save work before closing?"), MsgKind::Confirmation,
                               MsgButton::Yes | MsgButton::No | MsgButton::Cancel)) {
    case MsgButton::Yes:
        m_context->commands->BtnSaveClick();
        // Save may refuse the entry (too short); the work is then still unsaved and the program stays.
        if (m_context->session.isSaved())
            endProgram();
        break;
    case MsgButton::No:
        endProgram();
        break;
    default:
        if (ui->Cmb_Item->isEnabled() && m_context->session.itemCount() > 0)
            ui->Cmb_Item->setFocus();
        else if (ui->RedTranslation->isEnabled())
            ui->RedTranslation->setFocus();
        break;
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_closingByProgram) {
        event->accept();
        return;
    }
    bool leave = true;
    guarded([&] {
        if (m_context->session.isSaved() || !m_fontAvailable)
            return;
        // As the Close button: only No discards; Esc or closing the question box is Cancel.
        switch (askSaveWorkFirst()) {
        case MsgButton::Yes:
            leave = false; // stays unless the save below goes through
            m_context->commands->BtnSaveClick();
            leave = m_context->session.isSaved();
            break;
        case MsgButton::No:
            break;
        default:
            leave = false;
            break;
        }
    });
    if (!leave) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

bool TForm1::staysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TForm1::ToggleStayOnTop()
{
    collapseNotesSelection();
    const bool wasVisible = isVisible();
    if (staysOnTop()) {
        ui->PnlTop1->raise();
        ui->PnlTop1->setToolTip(QStringLiteral("Stay On Top = OFF"));
        ui->PnlTop2->setToolTip(QStringLiteral("Stay On Top = OFF"));
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
    } else {
        ui->PnlTop2->raise();
        ui->PnlTop1->setToolTip(QStringLiteral("Stay On Top = ON"));
        ui->PnlTop2->setToolTip(QStringLiteral("Stay On Top = ON"));
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    if (wasVisible)
        show(); // changing the flags hides a window
}

void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    emit keyboardMapRequested();
}
