#include "mainwindow/listselection.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/itemediting.h"
#include "mainwindow/listmanagement.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/promptcycle.h"
#include "mainwindow/tform1.h"
#include "platform/guard.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "store/listfinder.h"
#include "ui_tform1.h"

ListSelection::ListSelection(MainContext &context) : QObject(context.form), c(context)
{
    m_timer1.setInterval(500);
    connectGuarded(c.ui->CmbWork, &DropDownCombo::dropDown, this, &ListSelection::CmbWorkDropDown);
    connectGuarded(c.ui->CmbWork, &DropDownCombo::closeUp, this, &ListSelection::CmbWorkCloseUp);
    connectGuarded(c.ui->CmbWork, &QComboBox::activated, this, &ListSelection::CmbWorkClick);
    connectGuarded(&m_timer1, &QTimer::timeout, this, &ListSelection::Timer1Timer);
}

const QStringList &ListSelection::promptEntries()
{
    static const QStringList entries = {QStringLiteral("Select / create / edit"), QStringLiteral("Select / create / edit ."),
                                        QStringLiteral("Select / create / edit .."), QStringLiteral("Select / create / edit ...")};
    return entries;
}

void ListSelection::showPrompt()
{
    c.ui->CmbWork->setEntries(promptEntries());
    c.ui->CmbWork->setCurrentIndex(0);
    m_promptShown = true;
}

void ListSelection::hidePrompt()
{
    c.ui->CmbWork->setEntries({});
    c.ui->CmbWork->setEditText(QString());
    m_promptShown = false;
}

void ListSelection::start()
{
    showPrompt();
    m_timer1.start();
}

void ListSelection::LoadList(const QString &name, QByteArray *notes, bool *notesFound)
{
    ListSession::Opened opened = c.session.open(name);
    *notesFound = opened.notes.has_value();
    if (opened.notes)
        *notes = *opened.notes;
    if (c.session.isGreek()) {
        c.ui->RadioGreek->setChecked(true);
        c.ui->RadioLatin->setChecked(false);
        c.area->setListFonts(QStringLiteral("SPIonic"));
    } else if (c.session.isLatin()) {
        c.ui->RadioGreek->setChecked(false);
        c.ui->RadioLatin->setChecked(true);
        c.area->setListFonts(QStringLiteral("Tahoma"));
    }
    const int maxShown = ItemBoxLength;
    for (int k = 1; k <= c.session.itemCount(); ++k)
        if (c.session.item(k).Item.size() > maxShown) {
            c.form->CenteredMessageDlg(
                QStringLiteral("The list \"%1\" holds headwords longer than the item box shows (%2 characters), the first "
                               "at item %3. They are shown cut and kept whole unless you edit them.")
                    .arg(name)
                    .arg(maxShown)
                    .arg(k),
                MsgKind::Information, MsgButton::OK);
            break;
        }
    if (opened.truncated)
        c.form->CenteredMessageDlg(QStringLiteral("The list \"%1\" holds more than %2 items. Only the first %2 were read; "
                                                  "saving it will drop the rest.")
                                       .arg(name)
                                       .arg(store::MaxItems),
                                   MsgKind::Warning, MsgButton::OK);
}

void ListSelection::SaveList()
{
    c.session.save(rtf::write(c.ui->RedTranslation->document()));
    c.ui->BtnSave->setEnabled(false);
}

void ListSelection::EnumerateLists()
{
    m_listNames.clear();
    c.ui->CmbWork->setEntries({});
    const store::FoundLists found = store::findLists(QString());
    m_listNames = found.names;
    c.ui->CmbWork->setEntries(m_listNames);
    m_promptShown = false;
    // Files that look like lists but cannot be opened are named once, not at every drop-down.
    const QString skipped = store::skippedListsMessage(found);
    if (!skipped.isEmpty() && skipped != m_skippedReported) {
        m_skippedReported = skipped;
        c.form->CenteredMessageDlg(skipped, MsgKind::Information, MsgButton::OK);
    }
    if (found.truncated)
        c.form->CenteredMessageDlg(
            QStringLiteral("More than %1 lists were found. Only the first %1 are offered.").arg(store::MaxLists),
            MsgKind::Information, MsgButton::OK);
}

void ListSelection::CmbWorkDropDown()
{
    Ui::TForm1 *ui = c.ui;
    if (c.mode.updateMode) {
        // The box takes a name here, not a choice: the list stays closed and update mode goes on.
        c.lists->refuseDropDown();
        return;
    }
    ui->RedTranslation->setToolTip(QString());
    ui->RichDescr->setToolTip(QString());
    m_timer1.stop();
    ui->ShpUpdate->hide();
    if (c.session.isSaved()) {
        EnumerateLists();
        return;
    }
    switch (c.form->askSaveWorkFirst()) {
    case MsgButton::Yes:
        c.commands->BtnSaveClick();
        if (!c.session.isSaved()) {
            // Save refused (and said why) or failed: the list stays open with the work in it.
            ui->CmbWork->refuseDropDown();
            return;
        }
        EnumerateLists();
        break;
    case MsgButton::No:
        ui->Cmb_Item->setFocus();
        EnumerateLists();
        break;
    default:
        // Cancel (or the box closed): the list does not drop down, so no other list can be
        // picked without the question.
        ui->CmbWork->refuseDropDown();
        ui->Cmb_Item->setFocus();
        break;
    }
}

void ListSelection::CmbWorkClick()
{
    Ui::TForm1 *ui = c.ui;
    // In update mode the arrow keys and the wheel only change the name to save under.
    if (m_promptShown || c.mode.updateMode)
        return;
    // A choice on the closed selector (arrow keys, wheel) would drop unsaved work without a word:
    // ask first, as the drop-down does.
    if (!ui->CmbWork->isDroppedDown() && !c.session.isSaved()) {
        const MsgButton answer = c.form->askSaveWorkFirst();
        if (answer == MsgButton::Yes) {
            const int chosen = ui->CmbWork->currentIndex();
            ui->CmbWork->setCurrentIndex(ui->CmbWork->findText(c.session.name()));
            c.commands->BtnSaveClick(); // saves under the open list's name
            if (!c.session.isSaved())
                return;
            ui->CmbWork->setCurrentIndex(chosen);
        } else if (answer != MsgButton::No) {
            ui->CmbWork->setCurrentIndex(ui->CmbWork->findText(c.session.name()));
            if (ui->Cmb_Item->isEnabled())
                ui->Cmb_Item->setFocus();
            return;
        }
    }
    OpenList();
}

void ListSelection::OpenList()
{
    Ui::TForm1 *ui = c.ui;
    const QString name = ui->CmbWork->currentText();
    if (m_promptShown || name.isEmpty())
        return;
    QByteArray notes;
    bool notesFound = false;
    LoadList(name, &notes, &notesFound);
    if (c.mode.area == MainMode::Area::NoList)
        c.mode.area = MainMode::Area::Browsing;
    ui->Cmb_Item->setEnabled(true);
    ui->Cmb_Item->setEditable(true);
    ui->RedTranslation->setEnabled(true);
    ui->RichDescr->setEnabled(true);
    c.editing->refreshDescriptionSizeButtons();
    ui->PnlItemNo->show();
    c.area->ReloadItemList();
    c.area->showSearchPrompt();
    ui->EdtSearch->setEnabled(true);
    ui->ChkWhole->setEnabled(true);
    ui->Btn_Search->setEnabled(true);
    const int n = c.session.itemCount();
    ui->BtnDel->setEnabled(n >= 1);
    if (n == 0)
        ui->BtnSave->setEnabled(false);
    ui->BtnSelfTest->setEnabled(n >= 2);
    ui->BtnSwopDown->setEnabled(n >= 2);
    ui->BtnSwopUp->setEnabled(false);
    if (c.mode.listSearch())
        c.search->EndListSearch();
    if (c.mode.selfTest())
        c.area->RestoreEditMode();
    c.area->RefreshItemCounter();
    {
        const QSignalBlocker block(ui->RedTranslation);
        ui->RedTranslation->clear();
        if (notesFound)
            rtf::read(notes, ui->RedTranslation->document());
    }
    if (notesFound) {
        c.area->ShowFormatBar();
        c.area->EnableFormatBar();
        ui->BtnExpandReduce->setEnabled(true);
    } else {
        // The notes file went between listing and opening: the box must not keep the notes of
        // the list before, which the next save would write under this list's name.
        c.form->CenteredMessageDlg(
            QStringLiteral("The notes file of the list \"%1\" is missing. The list is opened with empty notes.").arg(name),
            MsgKind::Information, MsgButton::OK);
    }
    if (n > 0) {
        if (ui->Cmb_Item->isEnabled())
            ui->Cmb_Item->setFocus();
    } else if (ui->RedTranslation->isEnabled()) {
        ui->RedTranslation->setFocus();
    }
}

void ListSelection::CmbWorkCloseUp()
{
    Ui::TForm1 *ui = c.ui;
    const QString shown = ui->CmbWork->currentText();
    if (ui->RedTranslation->isHidden() && !m_promptShown) {
        ui->RedTranslation->show();
        ui->LblTranslation->show();
        ui->ImgBackground->hide();
    }
    if (shown.size() < 2) {
        ResetToNoList();
    } else {
        c.area->ShowFormatBar();
        c.area->EnableFormatBar();
        ui->BtnExpandReduce->show();
        ui->BtnExpandReduce->setEnabled(true);
    }
    ui->CmbFont->setCurrentIndex(-1);
    if (m_promptShown) {
        ui->RedTranslation->hide();
        ui->LblTranslation->hide();
        ui->ImgBackground->show();
    }
}

void ListSelection::ResetToNoList()
{
    Ui::TForm1 *ui = c.ui;
    {
        const QSignalBlocker block(ui->RedTranslation);
        ui->RedTranslation->clear();
    }
    ui->RedTranslation->setEnabled(false);
    ui->Cmb_Item->setEntries({});
    ui->Cmb_Item->setEditText(QString());
    ui->RichDescr->clear();
    ui->Cmb_Item->setEnabled(false);
    ui->RichDescr->setEnabled(false);
    ui->RichDescr->show();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnDel, ui->BtnIns, ui->BtnRichdescrFontDecrease,
                                                      ui->BtnRichdescrFontIncrease})
        w->setEnabled(false);
    ui->PnlItemNo->hide();
    ui->BtnSave->setEnabled(false);
    ui->BtnSelfTest->setEnabled(false);
    c.form->setHeadingText(QString());
    c.area->clearSearchBox();
    ui->EdtSearch->setEnabled(false);
    ui->ChkWhole->setEnabled(false);
    ui->LblSearchString->hide();
    ui->Btn_Search->setEnabled(false);
    ui->BtnLeft->hide();
    ui->BtnRight->hide();
    ui->Panel->hide();
    ui->RadioGreek->setChecked(false);
    ui->RadioLatin->setChecked(false);
    ui->BtnSwopDown->setEnabled(false);
    ui->BtnSwopUp->setEnabled(false);
    ui->BtnExpandReduce->setEnabled(false);
    c.area->HideFormatBar();
    c.session.close();
    c.mode.area = MainMode::Area::NoList;
    c.mode.editing = false;
    c.form->showMode();
    showPrompt();
    m_timer1.start();
}

void ListSelection::Timer1Timer()
{
    if (m_promptShown) {
        const PromptStep step = nextPromptStep(c.ui->CmbWork->currentText());
        c.ui->CmbWork->setCurrentIndex(step.entry);
        if (step.interval > 0)
            m_timer1.setInterval(step.interval);
    }
    // The notes editor blinks the font list's selection on a timer of its own.
    if (c.mode.updateMode) {
        m_timer1.setInterval(500);
        c.ui->ShpUpdate->setVisible(!c.ui->ShpUpdate->isVisible());
    }
}
