#include "mainwindow/mainwindow.h"

#include "mainwindow/controlview.h"
#include "mainwindow/diskchanges.h"
#include "mainwindow/exchangecommands.h"
#include "mainwindow/maincontrollers.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/itemeditor.h"
#include "mainwindow/itemview.h"
#include "mainwindow/listchooser.h"
#include "mainwindow/listmanagement.h"
#include "mainwindow/listsearch.h"
#include "mainwindow/noteseditor.h"
#include "mainwindow/notesformatbar.h"
#include "mainwindow/savequestion.h"
#include "mainwindow/selftest.h"
#include "mainwindow/windowstate.h"
#include "platform/colourfile.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/keypreview.h"
#include "platform/layoutstyle.h"
#include "platform/messagedlg.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/windowcolour.h"
#include "session/listdocument.h"
#include "store/paths.h"
#include "store/textfile.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

MainWindow::MainWindow() : ui(std::make_unique<Ui::MainWindow>())
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
    createControllers();
    connectControllers();
    m_parts->routeKeys(m_keys, *ui, *m_state);
    m_keyPreview = new KeyPreview(this, [this](QWidget *receiver, QKeyEvent *event) { return previewKey(receiver, event); });
    guarded([this] { setUp(); });
    applyControls();
}

MainWindow::~MainWindow()
{
    // The controllers watch the form's widgets: they go before the widgets do.
    delete m_parts;
    disconnect(m_document, nullptr, this, nullptr);
}

void MainWindow::createControllers()
{
    m_document = new ListDocument(this);
    // The notes box shows the open list's notes document, in the box's own font.
    m_document->notes()->setDefaultFont(ui->RedTranslation->font());
    ui->RedTranslation->setDocument(m_document->notes());
    m_state = new WindowState(this);
    m_animation.setInterval(500);
    m_parts = new MainControllers(*ui, *m_document, *m_state, m_animation, this);
}

void MainWindow::connectControllers()
{
    connect(m_document, &ListDocument::changed, this, &MainWindow::applyControls);
    connect(m_state, &WindowState::changed, this, &MainWindow::stateChanged);
    connect(m_parts, &MainControllers::controlsChanged, this, &MainWindow::applyControls);
    connect(m_parts, &MainControllers::masterListWanted, this, &MainWindow::requestMasterList);
    connect(m_parts, &MainControllers::escapePressed, this, [this] { guarded([this] { escapeKey(); }); });

    connectGuarded(ui->BtnClose, &QPushButton::clicked, this, &MainWindow::closeProgram);
    connectGuarded(ui->PnlTop1, &PanelLabel::clicked, this, &MainWindow::toggleStayOnTop);
    connectGuarded(ui->PnlTop2, &PanelLabel::clicked, this, &MainWindow::toggleStayOnTop);
    connect(ui->ImgHelp, &ClickLabel::clicked, this, [this] {
        collapseNotesSelection();
        emit helpRequested();
    });
    connect(ui->ImgHelp, &ClickLabel::mouseEntered, this, [this] { setCursor(Qt::PointingHandCursor); });
    connect(ui->ImgHelp, &ClickLabel::mouseLeft, this, [this] { unsetCursor(); });
    connect(ui->ImgBackground, &ClickLabel::clicked, this, &MainWindow::quotationsRequested);
}

const ListSession &MainWindow::session() const { return m_document->list(); }
const MainMode &MainWindow::mode() const { return m_state->mode(); }
EditBox MainWindow::lastEditBox() const { return m_state->lastEditBox(); }
const QStringList &MainWindow::listNames() const { return m_parts->chooser->listNames(); }
int MainWindow::headingMaxWidth() const { return m_parts->view->headingMaxWidth(); }
quint32 MainWindow::selfTestColour() const { return backgroundColour(ui->Panel); }
bool MainWindow::staysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

// --- what the controls show ------------------------------------------------------------------------

ControlInputs MainWindow::controlInputs() const
{
    const ListSession &list = m_document->list();
    ControlInputs in;
    in.mode = m_state->mode();
    in.edit = m_state->edit();
    in.fontAvailable = m_fontAvailable;
    in.itemCount = list.itemCount();
    in.currentItem = list.currentItem();
    in.modified = m_document->isModified();
    in.notesEmpty = m_document->notes()->isEmpty();
    in.hitCount = list.hitCount();
    in.hitRow = m_parts->search->hitRow();
    in.notesSearchShown = m_parts->notes->searchShown();
    in.notesHits = m_parts->notes->occurrenceCount();
    in.descriptionPoints = m_parts->editor->descriptionPoints();
    in.painterArmed = m_parts->formatBar->painterArmed();
    in.notesBiggerAtLimit = m_parts->formatBar->biggerAtLimit();
    in.notesSmallerAtLimit = m_parts->formatBar->smallerAtLimit();
    return in;
}

void MainWindow::applyControls()
{
    ControlState state = computeControlState(controlInputs());
    // The notes size buttons stopped at a limit are offered again when the format bar comes back.
    const bool offered = state.formatBar.enabled;
    if (offered && !m_formatBarOffered) {
        const QSignalBlocker quiet(m_parts->formatBar);
        m_parts->formatBar->resetLimits();
        state = computeControlState(controlInputs());
    }
    m_formatBarOffered = offered;
    applyControlState(*ui, state);
}

void MainWindow::stateChanged()
{
    // The search box keeps typed text only while a search runs or could run on it.
    const MainMode &mode = m_state->mode();
    const bool leftArea = mode.area != m_shownMode.area && !mode.listSearch();
    if (leftArea || (m_state->edit().searchLocked && mode.normal()))
        m_parts->search->clearTyped();
    m_shownMode = mode;
    applyControls();
}

// --- the shell ----------------------------------------------------------------------------------------

void MainWindow::setUp()
{
    m_fontAvailable = true;
    if (!fontInstalled(QStringLiteral("SPIonic"))) {
        lockDown();
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
    m_parts->formatBar->fillFontList();
    m_parts->view->setHeading(QString());
    programRandom().seed(desktop().randomSeed());
    m_parts->chooser->start();
}

// Without the SPIonic font the window only says so (the controls are then all out of reach).
void MainWindow::lockDown()
{
    setAcceptDrops(false);
    setBackgroundColour(ui->Panel, StringToColor(QStringLiteral("clBtnFace")));
    QFont f = ui->Panel->font();
    f.setPointSize(18);
    ui->Panel->setFont(f);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->ImgBackground, ui->ImgHelp, ui->PnlTop1, ui->PnlTop2})
        w->setToolTip(QString());
}

void MainWindow::activate()
{
    if (m_ended)
        return;
    if (!m_fontAvailable) {
        CenteredMessageDlg(this, QStringLiteral("Please install the SPIonic Greek font. The program will now close."),
                           MsgKind::Error, MsgButton::OK);
        endProgram();
        return;
    }
    m_parts->view->setHeadingMaxWidth(qMin(m_parts->view->headingMaxWidth(), 575));
    // Qt reports activation after a handler's message box or modal window has returned, so a
    // returning activation would undo the focus the handler chose: only a window without a
    // focused control (its first showing) gives the focus to the list selector.
    if (ui->CmbWork->isEnabled() && !focusWidget())
        ui->CmbWork->setFocus();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        guarded([this] { activate(); });
        // Asked once the activation has settled: not inside a handler whose box just closed.
        QTimer::singleShot(0, m_parts->disk, [this] { guarded([this] { m_parts->disk->checkAfterActivation(); }); });
    }
}

void MainWindow::endProgram()
{
    m_ended = true;
    m_closingByProgram = true;
    m_animation.stop();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w != this)
            w->hide();
    close();
    QCoreApplication::quit();
}

void MainWindow::collapseNotesSelection() { m_parts->notes->collapseSelection(); }

void MainWindow::restoreEditFocus()
{
    // The box last edited, checked in this order, each only while it takes the focus.
    const EditBox last = m_state->lastEditBox();
    if (last == EditBox::Item && ui->Cmb_Item->isEnabled())
        ui->Cmb_Item->setFocus();
    else if (last == EditBox::Notes && ui->RedTranslation->isEnabled())
        ui->RedTranslation->setFocus();
    else if (last == EditBox::Description && ui->RichDescr->isEnabled())
        ui->RichDescr->setFocus();
}

void MainWindow::restoreEditFocusPlacingCaret()
{
    restoreEditFocus();
    const EditBox last = m_state->lastEditBox();
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

bool MainWindow::saveBeforeClosing()
{
    guarded([this] { m_parts->commands->saveList(); });
    // Save may refuse the entry (too short) or fail; the work is then still unsaved and the program stays.
    return !m_document->isModified();
}

void MainWindow::closeProgram()
{
    collapseNotesSelection();
    if (!m_document->isModified()) {
        endProgram();
        return;
    }
    switch (CenteredMessageDlg(this, QStringLiteral("Save work before closing?"), MsgKind::Confirmation,
                               MsgButton::Yes | MsgButton::No | MsgButton::Cancel)) {
    case MsgButton::Yes:
        if (saveBeforeClosing())
            endProgram();
        break;
    case MsgButton::No:
        endProgram();
        break;
    default:
        if (ui->Cmb_Item->isEnabled() && m_document->list().itemCount() > 0)
            ui->Cmb_Item->setFocus();
        else
            m_parts->notes->focusNotes();
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closingByProgram) {
        event->accept();
        return;
    }
    bool leave = true;
    guarded([&] {
        if (!m_document->isModified() || !m_fontAvailable)
            return;
        // As the Close button: only No discards; Esc or closing the question box is Cancel.
        switch (askSaveWorkFirst(this)) {
        case MsgButton::Yes:
            leave = saveBeforeClosing();
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

void MainWindow::toggleStayOnTop()
{
    collapseNotesSelection();
    const bool wasVisible = isVisible();
    const bool onTop = !staysOnTop();
    (onTop ? ui->PnlTop2 : ui->PnlTop1)->raise();
    const QString hint = onTop ? QStringLiteral("Stay On Top = ON") : QStringLiteral("Stay On Top = OFF");
    ui->PnlTop1->setToolTip(hint);
    ui->PnlTop2->setToolTip(hint);
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        show(); // changing the flags hides a window
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    emit keyboardMapRequested();
}

void MainWindow::requestMasterList()
{
    emit masterListRequested(m_document->list().isLatin() ? QStringLiteral("Latin") : QStringLiteral("Greek"),
                             ui->Cmb_Item->currentText(), m_parts->search->typedText());
}

// --- keys -----------------------------------------------------------------------------------------

bool MainWindow::previewKey(QWidget *receiver, QKeyEvent *event)
{
    guarded([&] { windowKeyDown(event); });
    if (m_keys.dispatch(receiver, event))
        return true;
    // A push button with the focus takes Enter and Return as it takes Space. Only the focused
    // button: a box that handles Enter itself never presses another.
    auto *button = qobject_cast<QPushButton *>(receiver);
    const int key = event->key();
    if (button && (key == Qt::Key_Return || key == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }
    return false;
}

void MainWindow::windowKeyDown(QKeyEvent *event)
{
    const MainMode &mode = m_state->mode();
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Escape)
        escapeKey();
    if (key == Qt::Key_F1) {
        collapseNotesSelection();
        emit helpRequested();
    }
    if (key == Qt::Key_F7 && m_fontAvailable && !mode.updateMode)
        m_mainColour->ChangeWindowColour(this);
    if (key == Qt::Key_F10 && mode.selfTest())
        m_panelColour->ChangeWindowColour(this);
    if (ctrl && key == Qt::Key_Q)
        emit quotationsRequested();
    if (ctrl && key == Qt::Key_Y)
        emit keyboardMapRequested();
    if (ctrl && key == Qt::Key_I && ui->Cmb_Item->isEnabled() && ui->BtnIns->isEnabled())
        ui->BtnIns->click();
    if (ctrl && key == Qt::Key_M && ui->BtnMaster->isEnabled())
        ui->BtnMaster->click();
}

void MainWindow::escapeKey()
{
    const MainMode &mode = m_state->mode();
    if (mode.selfTest()) {
        // Reveal the answer; the focus is given once the item area is back.
        m_parts->test->revealAnswer();
        if (ui->Cmb_Item->isEnabled())
            ui->Cmb_Item->setFocus();
        return;
    }
    if (!mode.listOpen())
        return;
    if (mode.listSearch()) {
        m_parts->search->endSearch();
        return;
    }
    m_parts->search->clearTyped();
    ui->Cmb_Item->setFocus();
}
