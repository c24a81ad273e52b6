// The Master List window: building and showing the master list, the language switch, the keys,
// opening and closing. Searching and the self test are in tfrmmaster_search.cpp.
#include "master/tfrmmaster.h"

#include "master/masterlistmodel.h"
#include "master/mastersearch.h"
#include "platform/guard.h"
#include "platform/keypreview.h"
#include "platform/layoutstyle.h"
#include "platform/messagedlg.h"
#include "ui_tfrmmaster.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <optional>

using master::MasterLanguage;

namespace {
const QString NoRecords = QStringLiteral("No records to show!");
}

TFrmMaster::TFrmMaster(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("Master List"), QSize(613, 640)), ui(std::make_unique<Ui::TFrmMaster>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    setFixedSize(613, 640);
    setObjectName(QStringLiteral("TFrmMaster"));
    m_model = new master::MasterListModel(this);
    ui->ListMaster->setModel(m_model);
    ui->ListMaster->setUniformItemSizes(true);
    connectHandlers();
    // FormCreate: a fresh self-test record and the window's colour; the self-test panel then takes
    // the main window's panel colour through setTestPanelColour. A failed colour read is reported
    // and the rest still runs.
    ResetMasterTest();
    m_colour = std::make_unique<WindowColour>(QStringLiteral("MasterListFormColor.ini"),
                                              QStringLiteral("Set Colour: Master List"),
                                              QList<QWidget *>{this, ui->EdtMasterWork, ui->RedMasterDesc});
    guarded([this] { m_colour->LoadWindowColour(); });
}

TFrmMaster::~TFrmMaster() = default;

void TFrmMaster::connectHandlers()
{
    auto on = [this](auto *sender, auto signal, void (TFrmMaster::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    connect(ui->ListMaster->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_selectingByProgram)
            guarded([this] { ListMasterClick(); });
    });
    connect(ui->ListMaster, &QAbstractItemView::clicked, this, [this] { guarded([this] { ListMasterClick(); }); });
    // A radio button's click handling runs when it becomes checked, by a click or by the program.
    connect(ui->RadMasterGreek, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            guarded([this] { RadMasterGreekClick(); });
    });
    connect(ui->RadMasterLatin, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            guarded([this] { RadMasterLatinClick(); });
    });
    on(ui->BtnClose, &QPushButton::clicked, &TFrmMaster::BtnCloseClick);
    on(ui->BtnMasterSearch, &QPushButton::clicked, &TFrmMaster::BtnMasterSearchClick);
    on(ui->BtnMasterTest, &QPushButton::clicked, &TFrmMaster::BtnMasterTestClick);
    on(ui->ChkMasterWhole, &QCheckBox::clicked, &TFrmMaster::ChkMasterWholeClick);
    on(ui->PnlMaster, &PanelLabel::clicked, &TFrmMaster::PnlMasterClick);
    ui->EdtMasterWork->installEventFilter(this);
    ui->RedMasterDesc->viewport()->installEventFilter(this);
    ui->EdtMasterSearch->installEventFilter(this);
    connect(ui->EdtMasterSearch, &QLineEdit::textEdited, this, [this] { m_searchPrompt = false; });
}

bool TFrmMaster::eventFilter(QObject *watched, QEvent *event)
{
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (release && watched == ui->EdtMasterWork)
        guarded([this] { EdtMasterWorkClick(); });
    else if (release && watched == ui->RedMasterDesc->viewport())
        guarded([this] { RedMasterDescClick(); });
    else if (release && watched == ui->EdtMasterSearch)
        guarded([this] { EdtMasterSearchClick(); });
    else if (event->type() == QEvent::FocusIn && watched == ui->EdtMasterSearch)
        guarded([this] { EdtMasterSearchEnter(); });
    return SecondaryWindow::eventFilter(watched, event);
}

bool TFrmMaster::previewKey(QWidget *receiver, QKeyEvent *event)
{
    bool swallow = false;
    guarded([&] { FormKeyDown(event, swallow); });
    if (!swallow && receiver == ui->EdtMasterSearch) {
        guarded([&] { swallow = EdtMasterSearchKeyDown(event); });
        if (!swallow)
            guarded([&] { EdtMasterSearchKeyPress(event); });
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

void TFrmMaster::FormKeyDown(QKeyEvent *event, bool &swallow)
{
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Escape) {
        swallow = true; // the window does all Esc does; the dialog's own Esc would close it
        if (m_searchMode)
            EndMasterSearch();
        else if (ui->PnlMaster->isVisible())
            hideTestPanel();
        else
            close();
    } else if (key == Qt::Key_F1) {
        emit helpRequested();
    } else if (ctrl && (key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        // Swallowed: the list's own Ctrl+PgUp/PgDn would take the selection off the line.
        swallow = true;
        selectLine(key == Qt::Key_PageUp ? 0 : m_model->rowCount() - 1);
        ShowSelectedEntry();
    }
}

void TFrmMaster::WindowColourKey()
{
    m_colour->ChangeWindowColour(this);
}

// --- Opening and closing -------------------------------------------------------------------------

void TFrmMaster::OpenMasterList(QWidget *mainWindow, const MasterOpening &opening)
{
    if (openOver(mainWindow, opening))
        exec();
}

bool TFrmMaster::openOver(QWidget *mainWindow, const MasterOpening &opening)
{
    m_opening = opening;
    WantedLanguage = opening.language == QLatin1String("Latin") ? MasterLanguage::Latin : MasterLanguage::Greek;
    m_toldLimit = false;
    bool read = false;
    guarded([&] {
        ReadAllLists();
        read = true;
    });
    if (!read)
        return false;
    centreOver(mainWindow);
    setWindowModality(Qt::ApplicationModal);
    m_deactivated = false;
    show();
    activateWindow();
    guarded([this] { FormActivate(); });
    return true;
}

void TFrmMaster::changeEvent(QEvent *event)
{
    SecondaryWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    // Activation after opening is done by openOver itself; coming back from another window (Help,
    // a message box) builds and shows the list again.
    if (!isActiveWindow()) {
        m_deactivated = true;
    } else if (m_deactivated) {
        m_deactivated = false;
        guarded([this] { FormActivate(); });
    }
}

void TFrmMaster::done(int result)
{
    guarded([this] { FormClose(); });
    SecondaryWindow::done(result);
    emit closed();
}

void TFrmMaster::FormClose()
{
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    hideTestPanel();
    ui->BtnMasterTest->setEnabled(true);
}

void TFrmMaster::BtnCloseClick() { close(); }

void TFrmMaster::setTestPanelColour(quint32 colourValue) { setBackgroundColour(ui->PnlMaster, colourValue); }

MasterLanguage TFrmMaster::shownLanguage() const
{
    return ui->RadMasterLatin->isChecked() ? MasterLanguage::Latin : MasterLanguage::Greek;
}

void TFrmMaster::FormActivate()
{
    QRadioButton *wanted = WantedLanguage == MasterLanguage::Greek ? ui->RadMasterGreek : ui->RadMasterLatin;
    if (!wanted->isChecked())
        wanted->setChecked(true); // runs the language switch first
    BuildMasterTables();
    ShowMasterList();
    SelectCurrentItem();
    const QString &mainSearch = m_opening.mainSearchText;
    if (master::isValidMasterSearchText(mainSearch)) {
        ui->EdtMasterSearch->setText(mainSearch);
        m_searchPrompt = false;
    } else {
        showSearchPrompt();
    }
}

// --- Tables --------------------------------------------------------------------------------------

void TFrmMaster::ReadAllLists()
{
    // The tables built from the previous reading are let go first. A failure leaves the table
    // empty rather than holding some of the lists.
    releaseTables();
    bool truncated = false;
    QList<master::SourceEntry> reading;
    try {
        truncated = master::readAllListsInto(reading);
    } catch (...) {
        SourceTable.clear();
        throw;
    }
    // The previous reading goes only now: its many small blocks, freed before the new reading
    // asked for memory, made every allocation of that reading slower.
    SourceTable.swap(reading);
    if (truncated)
        tellLimitOnce();
}

void TFrmMaster::tellLimitOnce()
{
    if (m_toldLimit)
        return;
    m_toldLimit = true;
    CenteredMessageDlg(isVisible() ? static_cast<QWidget *>(this) : parentWidget(),
                       QStringLiteral("The lists hold more than %1 items together. The Master List shows the first %1.")
                           .arg(master::MaxMasterEntries),
                       MsgKind::Information, MsgButton::OK);
}

void TFrmMaster::releaseTables()
{
    QScopedValueRollback guard(m_selectingByProgram, true);
    m_model->clear();
    m_tables.clear();
}

void TFrmMaster::BuildMasterTables()
{
    // The view lets go of the tables while they are rebuilt in place; ShowMasterList follows.
    {
        QScopedValueRollback guard(m_selectingByProgram, true);
        m_model->clear();
    }
    m_tables.build(SourceTable);
    const int greek = m_tables.count(MasterLanguage::Greek);
    const int latin = m_tables.count(MasterLanguage::Latin);
    // Positions drawn from lists of another length mean nothing now.
    if (greek != m_builtGreek || latin != m_builtLatin)
        ResetMasterTest();
    m_builtGreek = greek;
    m_builtLatin = latin;
    setRadioCaptions();
}

void TFrmMaster::ClearMasterTables()
{
    SourceTable.clear();
    m_tables.clear();
    m_hits.clear();
}

void TFrmMaster::setRadioCaptions()
{
    const MasterLanguage shown = shownLanguage();
    auto count = [&](MasterLanguage language) {
        return m_searchMode && language == shown ? int(m_hits.size()) : m_tables.count(language);
    };
    ui->RadMasterGreek->setText(QStringLiteral(" Greek  [%1]").arg(count(MasterLanguage::Greek)));
    ui->RadMasterLatin->setText(QStringLiteral(" Latin  [%1]").arg(count(MasterLanguage::Latin)));
}

// --- Display -------------------------------------------------------------------------------------

void TFrmMaster::setListFont(bool greekShown)
{
    QFont f = ui->ListMaster->font();
    f.setFamily(greekShown ? QStringLiteral("SPIonic") : QStringLiteral("Tahoma"));
    f.setPointSize(greekShown ? 14 : 13);
    ui->ListMaster->setFont(f);
    QFont p = ui->PnlMaster->font();
    p.setFamily(f.family());
    ui->PnlMaster->setFont(p);
}

void TFrmMaster::setDescription(const QString &text)
{
    // A plain text takes the format of the insertion point, which may be the red of a match.
    ui->RedMasterDesc->setCurrentCharFormat(QTextCharFormat());
    ui->RedMasterDesc->setPlainText(text);
}

void TFrmMaster::ShowMasterList()
{
    QScopedValueRollback guard(m_selectingByProgram, true);
    const MasterLanguage shown = shownLanguage();
    const bool greek = shown == MasterLanguage::Greek;
    setWindowTitle(greek ? QStringLiteral("Master List – Greek") : QStringLiteral("Master List – Latin"));
    const QList<master::MasterEntry> &table = m_tables.master(shown);
    const bool hits = m_searchMode;
    if (hits ? m_hits.isEmpty() : table.isEmpty()) {
        ui->EdtMasterWork->clear();
        setDescription(QString());
        setListFont(false);
        m_model->showLine(NoRecords);
        (hits ? static_cast<QWidget *>(ui->EdtMasterSearch) : ui->ListMaster)->setFocus();
    } else {
        setListFont(greek);
        const master::MasterEntry &first = table.at(hits ? m_hits.first() : 0);
        ui->EdtMasterWork->setText(first.ListName);
        setDescription(first.Description);
        if (hits) {
            m_model->showHits(table, m_hits);
            HighlightSearchText();
            selectLine(0);
        } else {
            m_model->showEntries(table);
        }
        ui->ListMaster->setFocus();
    }
    ui->ListMaster->scrollToTop();
    setRadioCaptions();
}

void TFrmMaster::selectLine(int row)
{
    QScopedValueRollback guard(m_selectingByProgram, true);
    const QModelIndex index = m_model->index(row);
    ui->ListMaster->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        ui->ListMaster->scrollTo(index);
}

int TFrmMaster::selectedLine() const
{
    const QModelIndex current = ui->ListMaster->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TFrmMaster::ShowSelectedEntry()
{
    const auto entry = m_model->entryAt(selectedLine());
    ui->EdtMasterWork->setText(entry ? entry->ListName : QString());
    setDescription(entry ? entry->Description : QString());
    if (entry && m_searchMode)
        HighlightSearchText();
}

void TFrmMaster::ListMasterClick()
{
    ui->EdtMasterWork->clear();
    setDescription(QString());
    ShowSelectedEntry();
}

void TFrmMaster::SelectCurrentItem()
{
    const QString &headword = m_opening.currentHeadword;
    const int row = headword.isEmpty() ? 0 : qMax(0, m_model->findLine(headword));
    selectLine(row);
    if (!headword.isEmpty())
        ShowSelectedEntry();
    ui->ListMaster->setFocus();
}

void TFrmMaster::EdtMasterWorkClick()
{
    if (ui->ListMaster->isEnabled())
        ui->ListMaster->setFocus();
    else
        ui->BtnMasterTest->setFocus();
}

void TFrmMaster::RedMasterDescClick() { ui->ListMaster->setFocus(); }

// --- Language switch -----------------------------------------------------------------------------

void TFrmMaster::RadMasterGreekClick() { SwitchMasterLanguage(MasterLanguage::Greek); }
void TFrmMaster::RadMasterLatinClick() { SwitchMasterLanguage(MasterLanguage::Latin); }

void TFrmMaster::SwitchMasterLanguage(MasterLanguage language)
{
    ui->ListMaster->setEnabled(true);
    WantedLanguage = language;
    ClearMasterTables();
    // A list that cannot be read is reported once the window shows the language, empty: never
    // the entries of an earlier reading.
    std::optional<AppError> failure;
    try {
        ReadAllLists();
    } catch (const AppError &e) {
        SourceTable.clear();
        failure = e;
    }
    BuildMasterTables();
    m_searchMode = false;
    ui->BtnMasterSearch->setText(QStringLiteral("Search"));
    ShowMasterList();
    if (!m_searchPrompt)
        emptySearchBox();
    SelectCurrentItem();
    ResetMasterTest();
    hideTestPanel();
    ui->BtnMasterTest->setEnabled(true);
    setRadioCaptions();
    if (failure)
        throw *failure;
}
