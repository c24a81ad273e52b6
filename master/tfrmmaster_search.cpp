// The Master List window: searching the descriptions and the self test.
#include "master/tfrmmaster.h"

#include "master/masterlistmodel.h"
#include "master/mastersearch.h"
#include "master/mastertest.h"
#include "platform/random.h"
#include "session/wordmatch.h"
#include "ui_tfrmmaster.h"

#include <QKeyEvent>
#include <QTextCursor>

using master::MasterLanguage;

// --- Search --------------------------------------------------------------------------------------

void TFrmMaster::RunMasterSearch()
{
    MasterSearchText = ui->EdtMasterSearch->text();
    m_hits.clear();
    m_searchMode = true;
    ui->BtnMasterSearch->setText(QStringLiteral("End Search"));
    hideTestPanel();
    ui->BtnMasterTest->setEnabled(false);
    const DescriptionMatcher matcher(MasterSearchText, ui->ChkMasterWhole->isChecked());
    m_hits = master::searchMaster(m_tables.master(shownLanguage()), matcher);
    ShowMasterList();
}

void TFrmMaster::showSearchPrompt()
{
    ui->EdtMasterSearch->setText(master::SearchPlaceholder);
    m_searchPrompt = true;
}

void TFrmMaster::emptySearchBox()
{
    ui->EdtMasterSearch->clear();
    m_searchPrompt = false;
}

bool TFrmMaster::searchTextGiven() const
{
    return !m_searchPrompt && master::isValidMasterSearchText(ui->EdtMasterSearch->text());
}

void TFrmMaster::EndMasterSearch()
{
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    ShowMasterList();
    selectLine(0);
    ui->BtnMasterTest->setEnabled(true);
    emptySearchBox();
    ui->ListMaster->setFocus();
}

// A key typed into the search box while hits are shown brings the whole list back; the key then
// goes into the emptied box. The self test stays off until the search is ended properly.
void TFrmMaster::leaveSearchForTyping()
{
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    ShowMasterList();
    selectLine(0);
    emptySearchBox();
    ui->EdtMasterSearch->setFocus();
}

void TFrmMaster::HighlightSearchText()
{
    QTextEdit *box = ui->RedMasterDesc;
    const QList<TextRange> ranges =
        highlightRanges(box->toPlainText(), ui->EdtMasterSearch->text(), ui->ChkMasterWhole->isChecked());
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    for (const TextRange &r : ranges) {
        QTextCursor c(box->document());
        c.setPosition(int(r.start));
        c.setPosition(int(r.start + r.length), QTextCursor::KeepAnchor);
        c.mergeCharFormat(red);
    }
    QTextCursor c = box->textCursor();
    c.clearSelection();
    box->setTextCursor(c);
}

void TFrmMaster::BtnMasterSearchClick()
{
    if (m_searchMode)
        EndMasterSearch();
    else if (searchTextGiven())
        RunMasterSearch();
    else
        ui->EdtMasterSearch->setFocus();
}

void TFrmMaster::ChkMasterWholeClick()
{
    if (m_searchMode)
        RunMasterSearch();
    else
        ui->EdtMasterSearch->setFocus();
}

void TFrmMaster::EdtMasterSearchClick()
{
    if (m_searchPrompt)
        emptySearchBox();
}

void TFrmMaster::EdtMasterSearchEnter()
{
    if (ui->PnlMaster->isVisible())
        hideTestPanel();
}

bool TFrmMaster::EdtMasterSearchKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (searchTextGiven())
            BtnMasterSearchClick();
        return true;
    }
    if (key == Qt::Key_Delete && m_searchMode)
        leaveSearchForTyping();
    return false;
}

void TFrmMaster::EdtMasterSearchKeyPress(QKeyEvent *event)
{
    if (!m_searchMode)
        return;
    const QString text = event->text();
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool typed = text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 126;
    if (backspace || typed)
        leaveSearchForTyping();
}

// --- Self test -----------------------------------------------------------------------------------

void TFrmMaster::ResetMasterTest() { MasterUsedPicks.clear(); }

void TFrmMaster::hideTestPanel()
{
    ui->PnlMaster->hide();
    ui->ListMaster->setEnabled(true);
}

void TFrmMaster::BtnMasterTestClick() { PickMasterTestWord(); }

void TFrmMaster::PickMasterTestWord()
{
    const int count = m_tables.count(shownLanguage());
    const int k = master::drawMasterTestPosition(MasterUsedPicks, count, [](int n) { return programRandom().next(n); });
    if (k == 0)
        return;
    selectLine(k - 1);
    const master::MasterPanelCaption caption = master::masterPanelCaption(m_model->lineText(k - 1));
    ui->PnlMaster->setText(caption.text);
    QFont f = ui->PnlMaster->font();
    f.setPointSize(caption.pointSize);
    ui->PnlMaster->setFont(f);
    setDescription(QString());
    ShowSelectedEntry();
    ui->PnlMaster->show();
    ui->PnlMaster->raise();
    ui->ListMaster->setEnabled(false);
}

void TFrmMaster::PnlMasterClick() { hideTestPanel(); }
