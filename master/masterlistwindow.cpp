// The Master List window: building and showing the master list, the language switch, the keys,
// opening and closing, searching the descriptions and the self test.
#include "master/masterlistwindow.h"

#include "master/masterlistmodel.h"
#include "master/mastersearch.h"
#include "master/mastertest.h"
#include "platform/guard.h"
#include "platform/keypreview.h"
#include "platform/layoutstyle.h"
#include "platform/messagedlg.h"
#include "platform/random.h"
#include "platform/trackedtextedit.h"
#include "ui_masterlistwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTimer>
#include <optional>

using master::MasterLanguage;

namespace {
const QString NoRecords = QStringLiteral("No records to show!");
}

MasterListWindow::MasterListWindow(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("Master List"), QSize(613, 640)), ui(std::make_unique<Ui::MasterListWindow>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    setFixedSize(613, 640);
    m_model = new master::MasterListModel(this);
    ui->ListMaster->setModel(m_model);
    ui->ListMaster->setUniformItemSizes(true);
    connectHandlers();
    // On creation: a fresh self-test record and the window's colour; the self-test panel then takes
    // the main window's panel colour through setTestPanelColour. A failed colour read is reported
    // and the rest still runs.
    forgetTestPicks();
    m_colour = std::make_unique<WindowColour>(QStringLiteral("MasterListFormColor.ini"),
                                              QStringLiteral("Set Colour: Master List"),
                                              QList<QWidget *>{this, ui->EdtMasterWork, ui->RedMasterDesc});
    guarded([this] { m_colour->LoadWindowColour(); });
}

MasterListWindow::~MasterListWindow() = default;

void MasterListWindow::connectHandlers()
{
    auto on = [this](auto *sender, auto signal, void (MasterListWindow::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    connect(ui->ListMaster->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_selectingByProgram)
            guarded([this] { showChosenEntry(); });
    });
    connect(ui->ListMaster, &QAbstractItemView::clicked, this, [this] { guarded([this] { showChosenEntry(); }); });
    // A radio button's click handling runs when it becomes checked, by a click or by the program.
    connect(ui->RadMasterGreek, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            guarded([this] { showGreek(); });
    });
    connect(ui->RadMasterLatin, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            guarded([this] { showLatin(); });
    });
    on(ui->BtnClose, &QPushButton::clicked, &MasterListWindow::closeWindow);
    on(ui->BtnMasterSearch, &QPushButton::clicked, &MasterListWindow::runOrEndSearch);
    on(ui->BtnMasterTest, &QPushButton::clicked, &MasterListWindow::pickTestWord);
    on(ui->ChkMasterWhole, &QCheckBox::clicked, &MasterListWindow::applyWholeWord);
    on(ui->PnlMaster, &PanelLabel::clicked, &MasterListWindow::hideTestPanel);
    ui->EdtMasterWork->installEventFilter(this);
    ui->RedMasterDesc->viewport()->installEventFilter(this);
    ui->EdtMasterSearch->installEventFilter(this);
    connect(ui->EdtMasterSearch, &QLineEdit::textEdited, this, [this] { m_searchPrompt = false; });
}

bool MasterListWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (release && watched == ui->EdtMasterWork)
        guarded([this] { focusListOrTestButton(); });
    else if (release && watched == ui->RedMasterDesc->viewport())
        guarded([this] { focusList(); });
    else if (release && watched == ui->EdtMasterSearch)
        guarded([this] { clearSearchPrompt(); });
    else if (event->type() == QEvent::FocusIn && watched == ui->EdtMasterSearch)
        guarded([this] { leaveTestForSearch(); });
    return SecondaryWindow::eventFilter(watched, event);
}

bool MasterListWindow::previewKey(QWidget *receiver, QKeyEvent *event)
{
    bool swallow = false;
    guarded([&] { handleWindowKey(event, swallow); });
    if (!swallow && receiver == ui->EdtMasterSearch) {
        guarded([&] { swallow = handleSearchBoxKey(event); });
        if (!swallow)
            guarded([&] { leaveSearchOnTyping(event); });
    }
    // The buttons are no dialog defaults (Enter in the search box must not press one), so Enter
    // presses the button that has the focus, as Space does.
    const int key = event->key();
    if (!swallow && (key == Qt::Key_Return || key == Qt::Key_Enter))
        if (auto *button = qobject_cast<QPushButton *>(receiver)) {
            button->click();
            swallow = true;
        }
    return swallow;
}

void MasterListWindow::handleWindowKey(QKeyEvent *event, bool &swallow)
{
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Escape) {
        swallow = true; // the window does all Esc does; the dialog's own Esc would close it
        if (m_searchMode)
            endSearch();
        else if (ui->PnlMaster->isVisible())
            hideTestPanel();
        else
            close();
    } else if (key == Qt::Key_F1) {
        m_helpOpened = true;
        emit helpRequested();
        // The Help window returns once closed; if it never took the activation, there is nothing
        // to come back from.
        if (!m_leftForHelp)
            m_helpOpened = false;
    } else if (ctrl && (key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        // Swallowed: the list's own Ctrl+PgUp/PgDn would take the selection off the line.
        swallow = true;
        selectLine(key == Qt::Key_PageUp ? 0 : m_model->rowCount() - 1);
        showSelectedEntry();
    }
}

void MasterListWindow::changeWindowColour()
{
    m_colour->ChangeWindowColour(this);
}

// --- Opening and closing -------------------------------------------------------------------------

void MasterListWindow::openAndWait(QWidget *mainWindow, const MasterOpening &opening)
{
    if (openOver(mainWindow, opening))
        exec();
}

bool MasterListWindow::openOver(QWidget *mainWindow, const MasterOpening &opening)
{
    m_opening = opening;
    m_wantedLanguage = opening.language == QLatin1String("Latin") ? MasterLanguage::Latin : MasterLanguage::Greek;
    m_notices.reset();
    bool read = false;
    guarded([&] {
        readAllLists();
        read = true;
    });
    if (!read)
        return false;
    centreOver(mainWindow);
    setWindowModality(Qt::ApplicationModal);
    m_helpOpened = m_leftForHelp = false;
    show();
    activateWindow();
    guarded([this] {
        buildAndShowList();
        takeMainSearchText();
    });
    return true;
}

void MasterListWindow::changeEvent(QEvent *event)
{
    SecondaryWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    // The steps of opening run again on coming back from the Help window, not from the colour
    // picker, a message box or another program: those leave the selection, the search and the
    // self test as they were. A self test on show is never disturbed, and the search box keeps
    // what the user typed.
    if (!isActiveWindow()) {
        m_leftForHelp = m_helpOpened;
        return;
    }
    // Once the activation has settled (not inside a handler whose box just closed).
    QTimer::singleShot(0, this, [this] { guarded([this] { tellChangedListsOnce(); }); });
    if (m_leftForHelp) {
        m_helpOpened = m_leftForHelp = false;
        if (!ui->PnlMaster->isVisible())
            guarded([this] { buildAndShowList(); });
    }
}

void MasterListWindow::done(int result)
{
    guarded([this] { resetOnClose(); });
    SecondaryWindow::done(result);
    emit closed();
}

void MasterListWindow::resetOnClose()
{
    m_helpOpened = m_leftForHelp = false;
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    hideTestPanel();
    ui->BtnMasterTest->setEnabled(true);
}

void MasterListWindow::closeWindow() { close(); }

void MasterListWindow::setTestPanelColour(quint32 colourValue) { setBackgroundColour(ui->PnlMaster, colourValue); }

MasterLanguage MasterListWindow::shownLanguage() const
{
    return ui->RadMasterLatin->isChecked() ? MasterLanguage::Latin : MasterLanguage::Greek;
}

void MasterListWindow::buildAndShowList()
{
    QRadioButton *wanted = m_wantedLanguage == MasterLanguage::Greek ? ui->RadMasterGreek : ui->RadMasterLatin;
    if (!wanted->isChecked())
        wanted->setChecked(true); // runs the language switch first
    buildTables();
    showList();
    selectMainWindowItem();
}

// The main window's search text when it is one, else the prompt.
void MasterListWindow::takeMainSearchText()
{
    const QString &mainSearch = m_opening.mainSearchText;
    if (master::isValidMasterSearchText(mainSearch)) {
        ui->EdtMasterSearch->setText(mainSearch);
        m_searchPrompt = false;
    } else {
        showSearchPrompt();
    }
}

// --- Tables --------------------------------------------------------------------------------------

void MasterListWindow::readAllLists()
{
    // The tables built from the previous reading are let go first, and the reading with them, so
    // two readings are never held at once. A failure leaves no reading rather than some of the
    // lists.
    releaseTables();
    m_sources.reset();
    m_sources = master::readAllLists();
    m_notices.afterReading(*m_sources, this);
}

// Lists changed on disk since they were read, each said once: the window goes on showing what
// it read.
void MasterListWindow::tellChangedListsOnce()
{
    if (m_sources && isVisible() && isActiveWindow() && QApplication::activeModalWidget() == this)
        m_notices.tellChanged(*m_sources, this);
}

void MasterListWindow::releaseTables()
{
    QScopedValueRollback guard(m_selectingByProgram, true);
    m_model->clear();
    m_tables.clear();
}

void MasterListWindow::buildTables()
{
    // The view lets go of the tables while they are rebuilt in place; showList follows.
    {
        QScopedValueRollback guard(m_selectingByProgram, true);
        m_model->clear();
    }
    m_tables.build(m_sources);
    const int greek = m_tables.count(MasterLanguage::Greek);
    const int latin = m_tables.count(MasterLanguage::Latin);
    // Positions drawn from lists of another length mean nothing now.
    if (greek != m_builtGreek || latin != m_builtLatin)
        forgetTestPicks();
    m_builtGreek = greek;
    m_builtLatin = latin;
    showLanguageCounts();
}

void MasterListWindow::clearTables()
{
    m_sources.reset();
    m_tables.clear();
    m_hits.clear();
}

void MasterListWindow::showLanguageCounts()
{
    const MasterLanguage shown = shownLanguage();
    auto count = [&](MasterLanguage language) {
        return m_searchMode && language == shown ? int(m_hits.size()) : m_tables.count(language);
    };
    ui->RadMasterGreek->setText(QStringLiteral(" Greek  [%1]").arg(count(MasterLanguage::Greek)));
    ui->RadMasterLatin->setText(QStringLiteral(" Latin  [%1]").arg(count(MasterLanguage::Latin)));
}

// --- Display -------------------------------------------------------------------------------------

void MasterListWindow::setListFont(bool greekShown)
{
    QFont f = ui->ListMaster->font();
    f.setFamily(greekShown ? QStringLiteral("SPIonic") : QStringLiteral("Tahoma"));
    f.setPointSize(greekShown ? 14 : 13);
    ui->ListMaster->setFont(f);
    QFont p = ui->PnlMaster->font();
    p.setFamily(f.family());
    ui->PnlMaster->setFont(p);
}

void MasterListWindow::setDescription(const QString &text)
{
    // Without the colours of the text before (the red of a match), wrapped as its longest word
    // needs: a description of one long word is broken anywhere rather than laid out word by word.
    ui->RedMasterDesc->showPlainText(text);
}

void MasterListWindow::showList()
{
    QScopedValueRollback guard(m_selectingByProgram, true);
    const MasterLanguage shown = shownLanguage();
    const bool greek = shown == MasterLanguage::Greek;
    setWindowTitle(greek ? QStringLiteral("Master List – Greek") : QStringLiteral("Master List – Latin"));
    const master::MasterTable &table = m_tables.master(shown);
    const bool hits = m_searchMode;
    if (hits ? m_hits.isEmpty() : table.isEmpty()) {
        ui->EdtMasterWork->clear();
        setDescription(QString());
        setListFont(false);
        m_model->showLine(NoRecords);
        (hits ? static_cast<QWidget *>(ui->EdtMasterSearch) : ui->ListMaster)->setFocus();
    } else {
        setListFont(greek);
        const qsizetype first = hits ? m_hits.first() : 0;
        ui->EdtMasterWork->setText(table.listName(first));
        setDescription(table.description(first).toString());
        if (hits) {
            m_model->showHits(table, m_hits);
            highlightSearchText();
            selectLine(0);
        } else {
            m_model->showEntries(table);
        }
        ui->ListMaster->setFocus();
    }
    ui->ListMaster->scrollToTop();
    showLanguageCounts();
}

void MasterListWindow::selectLine(int row)
{
    QScopedValueRollback guard(m_selectingByProgram, true);
    const QModelIndex index = m_model->index(row);
    ui->ListMaster->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        ui->ListMaster->scrollTo(index);
}

int MasterListWindow::selectedLine() const
{
    const QModelIndex current = ui->ListMaster->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MasterListWindow::showSelectedEntry()
{
    const auto entry = m_model->entryAt(selectedLine());
    ui->EdtMasterWork->setText(entry ? entry->ListName : QString());
    setDescription(entry ? entry->Description : QString());
    if (entry && m_searchMode)
        highlightSearchText();
}

void MasterListWindow::showChosenEntry()
{
    ui->EdtMasterWork->clear();
    setDescription(QString());
    showSelectedEntry();
}

void MasterListWindow::selectMainWindowItem()
{
    const QString &headword = m_opening.currentHeadword;
    const int row = headword.isEmpty() ? 0 : qMax(0, m_model->findLine(headword));
    selectLine(row);
    if (!headword.isEmpty())
        showSelectedEntry();
    ui->ListMaster->setFocus();
}

void MasterListWindow::focusListOrTestButton()
{
    if (ui->ListMaster->isEnabled())
        ui->ListMaster->setFocus();
    else
        ui->BtnMasterTest->setFocus();
}

void MasterListWindow::focusList() { ui->ListMaster->setFocus(); }

// --- Language switch -----------------------------------------------------------------------------

void MasterListWindow::showGreek() { switchLanguage(MasterLanguage::Greek); }
void MasterListWindow::showLatin() { switchLanguage(MasterLanguage::Latin); }

void MasterListWindow::switchLanguage(MasterLanguage language)
{
    ui->ListMaster->setEnabled(true);
    m_wantedLanguage = language;
    clearTables();
    // A list that cannot be read is reported once the window shows the language, empty: never
    // the entries of an earlier reading.
    std::optional<AppError> failure;
    try {
        readAllLists();
    } catch (const AppError &e) {
        m_sources.reset();
        failure = e;
    }
    buildTables();
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    showList();
    if (!m_searchPrompt)
        emptySearchBox();
    selectMainWindowItem();
    forgetTestPicks();
    hideTestPanel();
    ui->BtnMasterTest->setEnabled(true);
    showLanguageCounts();
    if (failure)
        throw *failure;
}
