// The Master List window's two ways through the list: the search (the search box with its prompt,
// running and ending a search, the hits shown, the search text coloured in the description) and
// the self test (a word drawn, asked on the panel over the list).
#include "master/masterlistwindow.h"

#include "master/masterlistmodel.h"
#include "master/mastersearch.h"
#include "master/mastertest.h"
#include "platform/colourtext.h"
#include "platform/random.h"
#include "session/wordmatch.h"
#include "ui_masterlistwindow.h"

#include <QKeyEvent>
#include <QTextCursor>

using master::MasterLanguage;

// --- Search --------------------------------------------------------------------------------------

void MasterListWindow::runSearch()
{
    m_searchText = ui->EdtMasterSearch->text();
    m_hits.clear();
    m_searchMode = true;
    ui->BtnMasterSearch->setText(QStringLiteral("End Search"));
    hideTestPanel();
    ui->BtnMasterTest->setEnabled(false);
    const DescriptionMatcher matcher(m_searchText, ui->ChkMasterWhole->isChecked());
    m_hits = master::searchMaster(m_tables.master(shownLanguage()), matcher);
    showList();
}

void MasterListWindow::showSearchPrompt()
{
    ui->EdtMasterSearch->setText(master::SearchPlaceholder);
    m_searchPrompt = true;
}

void MasterListWindow::emptySearchBox()
{
    ui->EdtMasterSearch->clear();
    m_searchPrompt = false;
}

bool MasterListWindow::searchTextGiven() const
{
    return !m_searchPrompt && master::isValidMasterSearchText(ui->EdtMasterSearch->text());
}

void MasterListWindow::endSearch()
{
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    showList();
    selectLine(0);
    ui->BtnMasterTest->setEnabled(true);
    emptySearchBox();
    ui->ListMaster->setFocus();
}

// A key typed into the search box while hits are shown brings the whole list back; the key then
// goes into the emptied box. The self test stays off until the search is ended properly.
void MasterListWindow::leaveSearchForTyping()
{
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    showList();
    selectLine(0);
    emptySearchBox();
    ui->EdtMasterSearch->setFocus();
}

void MasterListWindow::highlightSearchText()
{
    QTextEdit *box = ui->RedMasterDesc;
    QList<std::pair<qsizetype, qsizetype>> ranges;
    for (const TextRange &r : highlightRanges(box->toPlainText(), ui->EdtMasterSearch->text(), ui->ChkMasterWhole->isChecked()))
        ranges.append({r.start, r.length});
    colourTextRanges(box->document(), ranges, QColor(255, 0, 0));
    QTextCursor c = box->textCursor();
    c.clearSelection();
    box->setTextCursor(c);
}

void MasterListWindow::runOrEndSearch()
{
    if (m_searchMode)
        endSearch();
    else if (searchTextGiven())
        runSearch();
    else
        ui->EdtMasterSearch->setFocus();
}

void MasterListWindow::applyWholeWord()
{
    if (m_searchMode)
        runSearch();
    else
        ui->EdtMasterSearch->setFocus();
}

void MasterListWindow::clearSearchPrompt()
{
    if (m_searchPrompt)
        emptySearchBox();
}

void MasterListWindow::leaveTestForSearch()
{
    if (ui->PnlMaster->isVisible())
        hideTestPanel();
}

bool MasterListWindow::handleSearchBoxKey(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (searchTextGiven())
            runOrEndSearch();
        return true;
    }
    if (key == Qt::Key_Delete && m_searchMode)
        leaveSearchForTyping();
    return false;
}

void MasterListWindow::leaveSearchOnTyping(QKeyEvent *event)
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

void MasterListWindow::forgetTestPicks() { m_usedPicks.clear(); }

void MasterListWindow::hideTestPanel()
{
    ui->PnlMaster->hide();
    ui->ListMaster->setEnabled(true);
}

void MasterListWindow::pickTestWord()
{
    const int count = m_tables.count(shownLanguage());
    const int k = master::drawMasterTestPosition(m_usedPicks, count, [](int n) { return programRandom().next(n); });
    if (k == 0)
        return;
    selectLine(k - 1);
    const master::MasterPanelCaption caption = master::masterPanelCaption(m_model->lineText(k - 1));
    ui->PnlMaster->setText(caption.text);
    QFont f = ui->PnlMaster->font();
    f.setPointSize(caption.pointSize);
    ui->PnlMaster->setFont(f);
    setDescription(QString());
    showSelectedEntry();
    ui->PnlMaster->show();
    ui->PnlMaster->raise();
    ui->ListMaster->setEnabled(false);
}
