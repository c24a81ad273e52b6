#include "mainwindow/listmanagement.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/listselection.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/noteseditor.h"
#include "mainwindow/tform1.h"
#include "platform/guard.h"
#include "platform/rtfwriter.h"
#include "store/listfiles.h"
#include "store/listname.h"
#include "ui_tform1.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTextDocument>

namespace {
const QString NewListBanner = QStringLiteral("Enter new list name and select language");
const QString OpenListBanner = QStringLiteral("Change current item ONLY and click Update");
const QString Greek = QStringLiteral("Greek");
const QString Latin = QStringLiteral("Latin");

QString fontOf(const QString &language)
{
    return language == Greek ? QStringLiteral("SPIonic") : QStringLiteral("Tahoma");
}

// The name as the delete question shows it: the letters a to z made capitals, nothing else.
QString capitalsAZ(QString name)
{
    for (QChar &ch : name)
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - u'a' + u'A');
    return name;
}
} // namespace

ListManagement::ListManagement(MainContext &context) : QObject(context.form), c(context)
{
    connectGuarded(c.ui->BtnChangeList, &QPushButton::clicked, this, &ListManagement::BtnChangeListClick);
    connectGuarded(c.ui->RadioGreek, &QRadioButton::clicked, this, &ListManagement::RadioGreekClick);
    connectGuarded(c.ui->RadioLatin, &QRadioButton::clicked, this, &ListManagement::RadioLatinClick);
}

void ListManagement::BtnChangeListClick()
{
    Ui::TForm1 *ui = c.ui;
    ui->RedTranslation->setToolTip(QString());
    ui->RichDescr->setToolTip(QString());
    if (c.mode.updateMode) {
        // The save question was answered when update mode began.
        runUpdate();
        return;
    }
    if (!c.mode.normal())
        return;
    if (!c.session.isSaved()) {
        switch (c.form->askSaveWorkFirst()) {
        case MsgButton::Yes:
            c.commands->BtnSaveClick();
            // Save refused (it said why and put the focus on the box to mend): no update mode.
            if (!c.session.isSaved())
                return;
            break;
        case MsgButton::No:
            // The work stays in memory and still counts as unsaved.
            break;
        default:
            if (ui->Cmb_Item->isEnabled())
                ui->Cmb_Item->setFocus();
            return;
        }
    }
    enterUpdateMode();
}

void ListManagement::enterUpdateMode()
{
    Ui::TForm1 *ui = c.ui;
    m_newList = !c.mode.listOpen();
    m_chosenLanguage = m_newList ? QString() : c.session.language();
    m_fontBefore = ui->Cmb_Item->font().family();
    m_greekBefore = ui->RadioGreek->isChecked();
    m_latinBefore = ui->RadioLatin->isChecked();

    ui->CmbFont->setCurrentIndex(-1);
    if (m_newList)
        c.selection->hidePrompt();
    ui->CmbWork->setEditable(true);
    if (m_newList)
        ui->CmbWork->setEditText(QString());
    ui->PnlHideBottomHalf->setText(m_newList ? NewListBanner : OpenListBanner);

    c.area->HideFormatBar();
    ui->PnlHideBottomHalf->resize(ui->PnlHideBottomHalf->width(), 281);
    ui->PnlHideBottomHalf->raise();
    // An enlarged notes box goes back to its size first, so the item area is hidden as a whole.
    if (c.mode.notesEnlarged)
        c.notes->setNotesEnlarged(false);
    ui->PnlHideBottomHalf->show();
    ui->RedTranslation->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->ImgHelp, ui->BtnRichdescrFontIncrease,
                                                      ui->BtnRichdescrFontDecrease})
        w->hide();
    ui->BtnExpandReduce->hide();
    ui->BtnExpandReduce->setEnabled(false);

    for (QWidget *w : std::initializer_list<QWidget *>{ui->RadioGreek, ui->RadioLatin}) {
        w->show();
        w->setEnabled(true);
    }
    const bool unknown = c.selection->listNames().isEmpty() || ui->CmbWork->currentText().isEmpty();
    ui->RadioGreek->setChecked(!unknown && c.session.isGreek());
    ui->RadioLatin->setChecked(!unknown && !c.session.isGreek());

    c.mode.updateMode = true;
    c.form->showMode();
    c.selection->startTimer(500);
    ui->ShpUpdate->show();
    focusNameBox();
}

void ListManagement::runUpdate()
{
    Ui::TForm1 *ui = c.ui;
    const QString name = ui->CmbWork->currentText();
    if (name.isEmpty() && !m_newList && store::anyListFileExists(c.session.name())) {
        deleteOpenList();
        return;
    }
    // Nothing is written under a name that cannot be a file name on Windows and Linux alike.
    const store::ListNameRefusal refusal = store::checkListName(name);
    if (refusal != store::ListNameRefusal::None) {
        c.form->CenteredMessageDlg(store::listNameRefusalMessage(refusal, name), MsgKind::Information, MsgButton::OK);
        focusNameBox();
        return;
    }
    // Either file of that name would be replaced: a list file without notes counts too.
    if (store::anyListFileExists(name)
        && c.form->CenteredMessageDlg(QStringLiteral("File already exists. Overwrite?"), MsgKind::Warning,
                                      MsgButton::OK | MsgButton::Cancel)
               != MsgButton::OK) {
        focusNameBox();
        return;
    }
    if (m_newList && m_chosenLanguage.isEmpty()) {
        ui->PnlLanguage->show();
        return;
    }
    commit(name);
}

void ListManagement::deleteOpenList()
{
    Ui::TForm1 *ui = c.ui;
    const QString name = c.session.name();
    const MsgButton answer = c.form->CenteredMessageDlg(QStringLiteral("Delete list ") + capitalsAZ(name) + QStringLiteral(" ?"),
                                                        MsgKind::Warning, MsgButton::Yes | MsgButton::Cancel);
    if (answer == MsgButton::Yes) {
        // A file that cannot be deleted is reported here, and update mode goes on.
        store::deleteListFiles(name);
        c.mode.updateMode = false;
        ui->CmbWork->setEditable(false);
        c.selection->ResetToNoList();
        for (QWidget *w : std::initializer_list<QWidget *>{ui->ShpUpdate, ui->RadioGreek, ui->RadioLatin,
                                                          ui->PnlLanguage, ui->RedTranslation, ui->LblTranslation})
            w->hide();
        ui->CmbWork->setFocus();
        c.area->HideFormatBar();
        ui->BtnExpandReduce->setEnabled(false);
        ui->ImgBackground->show();
    } else {
        restoreSelectorToList();
        endUpdateModeCommon();
        c.area->ShowFormatBar();
        c.area->EnableFormatBar();
        ui->BtnExpandReduce->setEnabled(true);
        ui->RedTranslation->setEnabled(true);
        ui->LblTranslation->show();
    }
    ui->PnlHideBottomHalf->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->ImgHelp, ui->BtnExpandReduce, ui->BtnRichdescrFontIncrease,
                                                      ui->BtnRichdescrFontDecrease})
        w->show();
}

void ListManagement::commit(const QString &name)
{
    Ui::TForm1 *ui = c.ui;
    // The pair is written first: when it cannot be, update mode goes on with the typed name, and
    // the open list and its name are as they were.
    if (m_newList) {
        QTextDocument emptyNotes;
        c.session.create(name, m_chosenLanguage, rtf::write(&emptyNotes));
    } else {
        c.session.saveAs(name, m_chosenLanguage, rtf::write(ui->RedTranslation->document()));
    }
    ui->BtnSave->setEnabled(false);

    ui->PnlHideBottomHalf->hide();
    ui->RedTranslation->setEnabled(true);
    ui->RedTranslation->show();
    ui->ImgHelp->show();
    ui->LblTranslation->show();
    ui->ImgBackground->hide();
    ui->BtnRichdescrFontIncrease->show();
    ui->BtnRichdescrFontDecrease->show();
    c.mode.updateMode = false;
    c.form->showMode();
    c.selection->stopTimer();
    ui->ShpUpdate->hide();
    c.area->setListFonts(fontOf(m_chosenLanguage));
    for (QWidget *w : std::initializer_list<QWidget *>{ui->RadioGreek, ui->RadioLatin, ui->PnlLanguage})
        w->hide();

    ui->CmbWork->setEditable(false);
    c.selection->EnumerateLists();
    ui->CmbWork->setCurrentIndex(ui->CmbWork->findText(name));
    if (!m_newList) {
        // A headword typed and not yet stored is not in the files: it still counts as unsaved.
        if (c.mode.editing)
            c.area->MarkListModified();
        ui->Cmb_Item->setFocus();
    } else {
        // The new list is opened as if picked in the selector: the item area set up for it.
        c.selection->OpenList();
        ui->Cmb_Item->setFocus();
    }
    c.area->ShowFormatBar();
    c.area->EnableFormatBar();
    ui->BtnExpandReduce->show();
    ui->BtnExpandReduce->setEnabled(true);
}

void ListManagement::restoreSelectorToList()
{
    Ui::TForm1 *ui = c.ui;
    ui->CmbWork->setEditable(false);
    ui->CmbWork->setCurrentIndex(ui->CmbWork->findText(c.session.name()));
}

// Leaving update mode without a change: the language buttons and the fonts are as they were.
void ListManagement::endUpdateModeCommon()
{
    Ui::TForm1 *ui = c.ui;
    c.area->setListFonts(m_fontBefore);
    ui->RadioGreek->setChecked(m_greekBefore);
    ui->RadioLatin->setChecked(m_latinBefore);
    m_chosenLanguage.clear();
    c.mode.updateMode = false;
    c.form->showMode();
    if (!m_newList)
        c.selection->stopTimer();
    ui->ShpUpdate->hide();
    if (ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
    else if (ui->CmbWork->isEnabled())
        ui->CmbWork->setFocus();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->RadioGreek, ui->RadioLatin, ui->PnlLanguage})
        w->hide();
}

void ListManagement::leaveUpdateMode()
{
    Ui::TForm1 *ui = c.ui;
    ui->PnlHideBottomHalf->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->ImgHelp, ui->BtnExpandReduce, ui->BtnRichdescrFontIncrease,
                                                      ui->BtnRichdescrFontDecrease})
        w->show();
    if (!m_newList) {
        restoreSelectorToList();
        ui->LblTranslation->show();
        ui->RedTranslation->setEnabled(true);
        ui->BtnExpandReduce->setEnabled(true);
        c.area->ShowFormatBar();
        c.area->EnableFormatBar();
    } else {
        ui->CmbWork->setEditable(false);
        c.selection->showPrompt();
        c.selection->startTimer();
    }
    endUpdateModeCommon();
}

bool ListManagement::CmbWorkKeyDown(QWidget *receiver, QKeyEvent *event)
{
    Ui::TForm1 *ui = c.ui;
    if (!c.mode.updateMode)
        return false;
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        leaveUpdateMode();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && receiver == ui->CmbWork) {
        BtnChangeListClick();
        if (ui->RadioGreek->isChecked() || ui->RadioLatin->isChecked()) {
            c.area->ShowFormatBar();
            c.area->EnableFormatBar();
            ui->BtnExpandReduce->setEnabled(true);
        }
        return true;
    }
    return false;
}

void ListManagement::chooseLanguage(const QString &language)
{
    Ui::TForm1 *ui = c.ui;
    if (!c.mode.updateMode)
        return;
    m_chosenLanguage = language;
    c.area->setListFonts(fontOf(language));
    ui->RadioGreek->setChecked(language == Greek);
    ui->RadioLatin->setChecked(language == Latin);
    ui->PnlLanguage->hide();
    ui->BtnChangeList->setFocus();
}

void ListManagement::RadioGreekClick() { chooseLanguage(Greek); }

void ListManagement::RadioLatinClick() { chooseLanguage(Latin); }

void ListManagement::refuseDropDown()
{
    c.ui->CmbWork->refuseDropDown();
    c.form->CenteredMessageDlg(QStringLiteral("Do not use the drop-down in Update mode."), MsgKind::Warning,
                               MsgButton::OK);
    focusNameBox();
}

void ListManagement::focusNameBox()
{
    c.ui->CmbWork->setFocus();
    if (QLineEdit *edit = c.ui->CmbWork->lineEdit())
        edit->setCursorPosition(int(edit->text().size()));
}
