#include "mainwindow/listsearch.h"

#include "mainwindow/focusentry.h"
#include "mainwindow/itemview.h"
#include "mainwindow/typedchange.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/trackedtextedit.h"
#include "session/listdocument.h"
#include "session/wordmatch.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

ListSearch::ListSearch(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets,
                       QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_view(view), w(widgets)
{
    connectGuarded(w.searchButton, &QPushButton::clicked, this, &ListSearch::toggleSearch);
    connectGuarded(w.previousHit, &QPushButton::clicked, this, [this] { stepTo(w.itemBox->currentIndex() - 1); });
    connectGuarded(w.nextHit, &QPushButton::clicked, this, [this] {
        if (w.itemBox->currentIndex() >= 0)
            stepTo(w.itemBox->currentIndex() + 1);
    });
    connectGuarded(w.wholeWordBox, &QCheckBox::clicked, this, &ListSearch::toggleWholeWord);
    // The prompt goes with the user's own first edit of the box.
    connect(w.searchBox, &QLineEdit::textEdited, this, [this] { m_promptShown = false; });
    w.searchBox->installEventFilter(this);
}

// Clicks and the focus arriving in the search box.
bool ListSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.searchBox) {
        if (entersControl(event))
            emit commandStarting();
        else if (event->type() == QEvent::MouseButtonRelease
                 && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_promptShown) {
            w.searchBox->clear();
            m_promptShown = false;
        }
    }
    return false;
}

int ListSearch::hitRow() const { return m_state.mode().listSearch() ? w.itemBox->currentIndex() : -1; }

QString ListSearch::typedText() const { return m_promptShown ? QString() : w.searchBox->text(); }

void ListSearch::showPrompt()
{
    w.searchBox->setText(QStringLiteral("Enter search text"));
    m_promptShown = true;
}

void ListSearch::clearTyped()
{
    if (!m_promptShown)
        w.searchBox->clear();
}

void ListSearch::toggleSearch()
{
    if (m_state.mode().listSearch()) {
        endSearch();
        return;
    }
    emit commandStarting();
    if (w.searchBox->text().size() < 2 || m_promptShown) {
        w.searchBox->setFocus();
        return;
    }
    runSearch();
    emit searchStarted();
}

void ListSearch::runSearch()
{
    m_state.endEdit();
    m_state.setArea(MainMode::Area::ListSearch);
    w.itemBox->setEntries({});
    ListSession &list = m_document.list();
    const int hits = list.search(w.searchBox->text(), w.wholeWordBox->isChecked());
    QStringList headwords;
    for (int row = 0; row < hits; ++row)
        headwords.append(list.item(list.hitItem(row)).Item);
    w.itemBox->setEntries(headwords);
    if (hits >= 1)
        w.itemBox->setCurrentIndex(0);

    if (hits == 0) {
        m_view.refreshCounter(m_state.mode());
        m_view.showDescription(QString());
        m_view.setHeading(QString());
        w.searchBox->selectAll();
        w.searchBox->setFocus();
    } else if (hits == 1) {
        w.searchButton->setFocus();
    } else {
        w.itemBox->setFocus();
    }
    if (hits >= 1) {
        m_view.refreshCounter(m_state.mode());
        showHit(0);
    }
    emit hitsChanged();
}

// Shows the description of the hit in the given row, its matches coloured. The current item is
// the hit's own item in the list, so that whatever saves the edit buffer during the search writes
// the hit back onto itself.
void ListSearch::showHit(int row)
{
    ListSession &list = m_document.list();
    const int number = list.hitItem(row);
    m_view.showDescription(list.item(number).Description);
    QList<std::pair<qsizetype, qsizetype>> ranges;
    for (const TextRange &range : highlightRanges(w.descriptionBox->toPlainText(), w.searchBox->text(),
                                                  w.wholeWordBox->isChecked()))
        ranges.append({range.start, range.length});
    w.descriptionBox->colourRanges(ranges, QColor(255, 0, 0));
    list.setCurrentItem(number);
    emit hitsChanged();
}

void ListSearch::showPickedHit()
{
    const int row = w.itemBox->currentIndex();
    if (row < 0 || row >= m_document.list().hitCount())
        return;
    showHit(row);
}

void ListSearch::stepTo(int row)
{
    if (row < 0 || row >= m_document.list().hitCount())
        return;
    w.itemBox->setCurrentIndex(row);
    showHit(row);
    m_view.setHeading(w.itemBox->currentText());
    m_view.refreshCounter(m_state.mode());
    w.itemBox->setFocus();
}

void ListSearch::endSearch()
{
    emit commandStarting();
    leaveSearch(false);
}

void ListSearch::leaveSearch(bool focusSearchBox)
{
    ListSession &list = m_document.list();
    list.clearSearch();
    list.setCurrentItem(list.itemCount() >= 1 ? 1 : 0);
    m_state.setArea(MainMode::Area::Browsing);
    m_state.endEdit();
    m_view.showItems();
    m_view.setHeading(w.itemBox->currentText());
    clearTyped();
    if (focusSearchBox) {
        w.searchBox->clear();
        m_promptShown = false;
        w.searchBox->setFocus();
    } else {
        w.itemBox->setFocus();
    }
}

void ListSearch::toggleWholeWord()
{
    if (m_state.mode().listSearch())
        runSearch();
    else
        w.searchBox->setFocus();
}

bool ListSearch::searchBoxKeyDown(QKeyEvent *event)
{
    const MainMode &mode = m_state.mode();
    if (mode.updateMode)
        return false;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mode.normal())
        toggleSearch();
    if (key == Qt::Key_Escape)
        emit escapePressed();
    if (key == Qt::Key_Delete && mode.listSearch())
        leaveSearch(true);
    return false;
}

bool ListSearch::searchBoxKeyPress(QKeyEvent *event)
{
    // The character itself then goes into the emptied box and starts a new search text.
    if (m_state.mode().listSearch() && isChangeCharacter(event->text()))
        leaveSearch(true);
    return false;
}
