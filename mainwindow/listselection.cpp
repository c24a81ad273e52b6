// Choosing, opening and leaving a list with the list selector, the list files behind it, and the
// shared timer (prompt animation, font-list blink, update-mode blink).
#include "app/tform1.h"

#include "mainwindow/promptcycle.h"
#include "platform/layoutstyle.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "store/filecopy.h"
#include "store/listfinder.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "ui_tform1.h"

#include <QFileInfo>

void TForm1::setListFonts(const QString &family)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui->Cmb_Item, ui->Heading, ui->Panel}) {
        QFont f = w->font();
        f.setFamily(family);
        w->setFont(f);
    }
}

void TForm1::LoadList()
{
    const QString name = ui->CmbWork->currentText();
    store::CopyFileReplacing(DataFolder + store::listFilePath(name), DataFolder + store::backupPath(store::listFilePath(name)));
    ItemTable.clear();
    ListLanguage.clear();
    CurrentItem = 0;
    store::ListContent content = store::readListFile(DataFolder + store::listFilePath(name));
    ListLanguage = content.language;
    if (ListLanguage == QLatin1String("Greek")) {
        ui->RadioGreek->setChecked(true);
        ui->RadioLatin->setChecked(false);
        setListFonts(QStringLiteral("SPIonic"));
    } else if (ListLanguage == QLatin1String("Latin")) {
        ui->RadioGreek->setChecked(false);
        ui->RadioLatin->setChecked(true);
        setListFonts(QStringLiteral("Tahoma"));
    }
    ItemTable = std::move(content.items);
    CurrentItem = ItemCount() > 0 ? 1 : 0;
    if (content.truncated)
        CenteredMessageDlg(QStringLiteral("The list \"%1\" holds more than %2 items. Only the first %2 were read; "
                                          "saving it will drop the rest.")
                               .arg(name)
                               .arg(store::MaxItems),
                           MsgKind::Warning, MsgButton::OK);
}

void TForm1::SaveList()
{
    store::writeListFile(DataFolder + store::listFilePath(CurrentListName), ListLanguage, ItemTable);
    store::writeFileAtomic(DataFolder + store::existingNotesFilePath(ui->CmbWork->currentText()),
                           rtf::write(ui->RedTranslation->document()));
    ListSaved = true;
    ui->BtnSave->setEnabled(false);
}

void TForm1::EnumerateLists()
{
    ListNames.clear();
    ui->CmbWork->setEntries({});
    const store::FoundLists found = store::findLists(DataFolder);
    ListNames = found.names;
    ui->CmbWork->setEntries(ListNames);
    if (found.truncated)
        CenteredMessageDlg(QStringLiteral("More than %1 lists were found. Only the first %1 are offered.").arg(store::MaxLists),
                           MsgKind::Information, MsgButton::OK);
}

void TForm1::CmbWorkDropDown()
{
    if (ui->BtnChangeList->text() == QLatin1String("Update")) {
        setBackgroundColour(ui->PnlHideBottomHalf, StringToColor(QStringLiteral("clInfoBk")));
        QFont f = ui->PnlHideBottomHalf->font();
        f.setPointSize(22);
        ui->PnlHideBottomHalf->setFont(f);
        ui->PnlHideBottomHalf->setText(QStringLiteral("Invalid action. The program will close."));
        ui->CmbWork->setEntries({});
        ui->CmbWork->setEditText(QStringLiteral("(Do not use the drop-down in Update mode)"));
        setBackgroundColour(ui->CmbWork, StringToColor(QStringLiteral("clYellow")));
        CenteredMessageDlg(QStringLiteral("Invalid action. The program will close."), MsgKind::Error, MsgButton::OK);
        endProgram();
        return;
    }
    ui->RedTranslation->setToolTip(QString());
    ui->RichDescr->setToolTip(QString());
    if (ui->BtnChangeList->text() == QLatin1String("Change")) {
        Timer1.stop();
        ui->ShpUpdate->hide();
    }
    if (ListSaved) {
        EnumerateLists();
        return;
    }
    switch (askSaveWorkFirst()) {
    case MsgButton::Yes:
        BtnSaveClick();
        EnumerateLists();
        break;
    case MsgButton::No:
        ui->Cmb_Item->setFocus();
        EnumerateLists();
        break;
    default:
        ui->Cmb_Item->setFocus();
        break;
    }
}

void TForm1::CmbWorkClick()
{
    const QString name = ui->CmbWork->currentText();
    // A choice on the closed selector (arrow keys, wheel) would drop unsaved work without a word:
    // ask first, as the drop-down does.
    if (!ui->CmbWork->isDroppedDown() && !ListSaved && !promptEntries().contains(name)) {
        const MsgButton answer = askSaveWorkFirst();
        if (answer == MsgButton::Yes) {
            const int chosen = ui->CmbWork->currentIndex();
            ui->CmbWork->setCurrentIndex(ui->CmbWork->findText(CurrentListName));
            BtnSaveClick(); // saves under the open list's name
            if (!ListSaved)
                return;
            ui->CmbWork->setCurrentIndex(chosen);
        } else if (answer != MsgButton::No) {
            ui->CmbWork->setCurrentIndex(ui->CmbWork->findText(CurrentListName));
            if (ui->Cmb_Item->isEnabled())
                ui->Cmb_Item->setFocus();
            return;
        }
    }
    OpenList();
}

void TForm1::OpenList()
{
    const QString name = ui->CmbWork->currentText();
    if (promptEntries().contains(name))
        return;
    ui->Cmb_Item->setEnabled(true);
    ui->Cmb_Item->setEditable(true);
    ui->RedTranslation->setEnabled(true);
    ui->RichDescr->setEnabled(true);
    ui->BtnRichdescrFontDecrease->setEnabled(true);
    ui->BtnRichdescrFontIncrease->setEnabled(true);
    ui->PnlItemNo->show();
    LoadList();
    ReloadItemList();
    CurrentListName = name;
    ui->EdtSearch->setText(QStringLiteral("Enter search text"));
    ui->EdtSearch->setEnabled(true);
    ui->ChkWhole->setEnabled(true);
    ui->Btn_Search->setEnabled(true);
    const int n = ItemCount();
    ui->BtnDel->setEnabled(n >= 1);
    if (n == 0)
        ui->BtnSave->setEnabled(false);
    ui->BtnSelfTest->setEnabled(n >= 2);
    ui->BtnSwopDown->setEnabled(n >= 2);
    ui->BtnSwopUp->setEnabled(false);
    if (ui->Btn_Search->text() == QLatin1String("End Search"))
        ui->Btn_Search->click();
    if (ui->Panel->isVisible())
        RestoreEditMode();
    ResetTestCycle();
    RefreshItemCounter();
    const QString notes = DataFolder + store::existingNotesFilePath(name);
    if (QFileInfo::exists(notes)) {
        store::CopyFileReplacing(notes, DataFolder + store::backupPath(QFileInfo(notes).fileName()));
        const QSignalBlocker block(ui->RedTranslation);
        ui->RedTranslation->clear();
        rtf::read(store::readFileBytes(notes), ui->RedTranslation->document());
        ShowFormatBar();
        EnableFormatBar();
        ui->BtnExpandReduce->setEnabled(true);
    }
    if (n > 0) {
        if (ui->Cmb_Item->isEnabled())
            ui->Cmb_Item->setFocus();
    } else if (ui->RedTranslation->isEnabled()) {
        ui->RedTranslation->setFocus();
    }
}

void TForm1::CmbWorkCloseUp()
{
    const QString shown = ui->CmbWork->currentText();
    if (ui->RedTranslation->isHidden() && !beginsWithPrompt(shown)) {
        ui->RedTranslation->show();
        ui->LblTranslation->show();
        ui->ImgBackground->hide();
    }
    if (shown.size() < 2) {
        ResetToNoList();
    } else {
        ShowFormatBar();
        EnableFormatBar();
        ui->BtnExpandReduce->show();
        ui->BtnExpandReduce->setEnabled(true);
    }
    ui->CmbFont->setCurrentIndex(-1);
    if (beginsWithPrompt(ui->CmbWork->currentText())) {
        ui->RedTranslation->hide();
        ui->LblTranslation->hide();
        ui->ImgBackground->show();
    }
}

void TForm1::ResetToNoList()
{
    {
        const QSignalBlocker block(ui->RedTranslation);
        ui->RedTranslation->clear();
    }
    ui->RedTranslation->setEnabled(false);
    ui->Cmb_Item->setEntries({});
    ui->Cmb_Item->setEditText(QString());
    ui->RichDescr->clear();
    ui->Cmb_Item->setEnabled(false);
    ui->RedTranslation->setEnabled(false);
    ui->RichDescr->setEnabled(false);
    ui->RichDescr->show();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnDel, ui->BtnIns, ui->BtnRichdescrFontDecrease,
                                                      ui->BtnRichdescrFontIncrease})
        w->setEnabled(false);
    ui->PnlItemNo->hide();
    ui->BtnSave->setEnabled(false);
    ui->BtnSelfTest->setEnabled(false);
    setHeadingText(QString());
    if (ui->EdtSearch->text() != QLatin1String("Enter search text"))
        ui->EdtSearch->clear();
    ui->EdtSearch->setEnabled(false);
    ui->ChkWhole->setEnabled(false);
    ui->LblSearchString->hide();
    ui->Btn_Search->setText(QStringLiteral("Search"));
    ui->Btn_Search->setEnabled(false);
    ui->BtnLeft->hide();
    ui->BtnRight->hide();
    ui->Panel->hide();
    ui->RadioGreek->setChecked(false);
    ui->RadioLatin->setChecked(false);
    ui->BtnSwopDown->setEnabled(false);
    ui->BtnSwopUp->setEnabled(false);
    ui->BtnExpandReduce->setEnabled(false);
    HideFormatBar();
    ListSaved = true;
    ui->CmbWork->setEntries(promptEntries());
    ui->CmbWork->setCurrentIndex(0);
    Timer1.start();
}

void TForm1::Timer1Timer()
{
    const QString shown = ui->CmbWork->currentText();
    if (beginsWithPrompt(shown)) {
        const PromptStep step = nextPromptStep(shown);
        ui->CmbWork->setCurrentIndex(step.entry);
        if (step.interval > 0)
            Timer1.setInterval(step.interval);
    }
    // The font-list blink comes with the notes editor.
    if (ui->BtnChangeList->text() == QLatin1String("Update")) {
        Timer1.setInterval(500);
        ui->ShpUpdate->setVisible(!ui->ShpUpdate->isVisible());
    }
}
