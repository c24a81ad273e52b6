#include "mainwindow/noteseditor.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/itemcommands.h"
#include "mainwindow/maincontext.h"
#include "mainwindow/tform1.h"
#include "mainwindow/typedchange.h"
#include "platform/guard.h"
#include "ui_tform1.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);

constexpr int NormalNotesHeight = 282;
constexpr int EnlargedNotesHeight = 570;
constexpr int NormalExpandTop = 375;
constexpr int EnlargedExpandTop = 663;
} // namespace

NotesEditor::NotesEditor(MainContext &context) : QObject(context.form), c(context)
{
    Ui::TForm1 *ui = c.ui;
    connect(ui->BtnFormatBold, &QPushButton::clicked, this, [this] { guarded([this] { formatButtonStyle(StyleFlag::Bold); }); });
    connect(ui->BtnFormatItalic, &QPushButton::clicked, this, [this] { guarded([this] { formatButtonStyle(StyleFlag::Italic); }); });
    connect(ui->BtnFormatUnderline, &QPushButton::clicked, this,
            [this] { guarded([this] { formatButtonStyle(StyleFlag::Underline); }); });
    connect(ui->BtnFormatRed, &QPushButton::clicked, this, [this] { guarded([this] { formatButtonColour(Red); }); });
    connect(ui->BtnFormatBlue, &QPushButton::clicked, this, [this] { guarded([this] { formatButtonColour(Blue); }); });
    connect(ui->BtnFormatGreen, &QPushButton::clicked, this, [this] { guarded([this] { formatButtonColour(Green); }); });
    connect(ui->BtnFormatFontIncrease, &QPushButton::clicked, this, [this] { guarded([this] { stepSize(+1); }); });
    connect(ui->BtnFormatFontDecrease, &QPushButton::clicked, this, [this] { guarded([this] { stepSize(-1); }); });
    connectGuarded(ui->CmbFont, &DropDownCombo::dropDown, this, &NotesEditor::CmbFontDropDown);
    connectGuarded(ui->CmbFont, &DropDownCombo::closeUp, this, &NotesEditor::CmbFontCloseUp);
    connect(ui->CmbFont, &QComboBox::activated, this, [this] { guarded([this] { CmbFontClick(); }); });
    connectGuarded(ui->BtnCopyFormat, &QPushButton::clicked, this, &NotesEditor::BtnCopyFormatClick);
    connectGuarded(ui->BtnExpandReduce, &QPushButton::clicked, this, &NotesEditor::BtnExpandReduceClick);
    connectGuarded(ui->ChkWholeWOrd, &QCheckBox::clicked, this, &NotesEditor::ChkWholeWOrdClick);
    connectGuarded(ui->BtnNextTranslation, &QPushButton::clicked, this, &NotesEditor::FindNextInNotes);
    connectGuarded(ui->RedTranslation, &QTextEdit::cursorPositionChanged, this, &NotesEditor::RedTranslationSelectionChange);
    connectGuarded(ui->RedTranslation, &QTextEdit::selectionChanged, this, &NotesEditor::RedTranslationSelectionChange);
    connectGuarded(&m_blink, &QTimer::timeout, this, &NotesEditor::blinkTick);
    for (QObject *watched : std::initializer_list<QObject *>{
             ui->RedTranslation, ui->RedTranslation->viewport(), ui->BtnFormatRed, ui->BtnFormatBlue,
             ui->BtnFormatGreen, ui->BtnFormatFontIncrease, ui->BtnFormatFontDecrease, ui->BtnExpandReduce})
        watched->installEventFilter(this);
}

bool NotesEditor::eventFilter(QObject *watched, QEvent *event)
{
    Ui::TForm1 *ui = c.ui;
    const QEvent::Type t = event->type();
    guarded([&] {
        if (watched == ui->RedTranslation->viewport()) {
            if (t == QEvent::MouseButtonPress)
                RedTranslationMouseDown();
            else if (t == QEvent::MouseButtonRelease) {
                if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                    RedTranslationClick();
                RedTranslationMouseUp();
            }
        } else if (watched == ui->RedTranslation) {
            if (t == QEvent::Enter)
                ui->RedTranslation->setToolTip(QString());
        } else if (t == QEvent::Enter) {
            if (watched == ui->BtnFormatRed)
                colourButtonEnter(Red);
            else if (watched == ui->BtnFormatBlue)
                colourButtonEnter(Blue);
            else if (watched == ui->BtnFormatGreen)
                colourButtonEnter(Green);
            else if (watched == ui->BtnFormatFontIncrease)
                sizeButtonEnter(+1);
            else if (watched == ui->BtnFormatFontDecrease)
                sizeButtonEnter(-1);
            else if (watched == ui->BtnExpandReduce)
                ui->BtnExpandReduce->setToolTip(c.mode.notesEnlarged ? QStringLiteral("Click to reduce")
                                                                     : QStringLiteral("Click to expand"));
        } else if (t == QEvent::Leave
                   && (watched == ui->BtnFormatRed || watched == ui->BtnFormatBlue || watched == ui->BtnFormatGreen)) {
            ui->ShpColour->hide();
        }
    });
    return false;
}

void NotesEditor::focusNotes()
{
    if (c.ui->RedTranslation->isEnabled())
        c.ui->RedTranslation->setFocus();
}

// --- mouse and hints ------------------------------------------------------------------------------

void NotesEditor::RedTranslationClick()
{
    c.ui->RedTranslation->setToolTip(QString());
    c.lastEditBox = EditBox::Notes;
}

void NotesEditor::RedTranslationMouseDown()
{
    QTextEdit *box = c.ui->RedTranslation;
    if (!box->hasFocus()) {
        box->setToolTip(QString());
        return;
    }
    const NotesCharStyle style = selectionStyle();
    box->setToolTip(QStringLiteral("%1, %2").arg(style.points).arg(style.family));
}

// --- keys -----------------------------------------------------------------------------------------

bool NotesEditor::RedTranslationKeyDown(QKeyEvent *event)
{
    Ui::TForm1 *ui = c.ui;
    if (ui->PnlHideBottomHalf->isVisible() || !c.mode.normal())
        return false;
    c.lastEditBox = EditBox::Notes;
    const int key = event->key();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Delete || key == Qt::Key_Return || key == Qt::Key_Enter)
        c.area->MarkListModified();
    if (!ctrl)
        return false;
    switch (key) {
    case Qt::Key_S:
        if (ui->BtnSave->isEnabled())
            c.commands->BtnSaveClick();
        return true;
    case Qt::Key_V:
        c.area->MarkListModified();
        return false;
    case Qt::Key_T:
        // Back to the font before Greek; before any Ctrl+G there is none to go back to.
        if (!m_fontBeforeGreek.isEmpty()) {
            setSelectionFamily(m_fontBeforeGreek);
            c.area->MarkListModified();
        }
        return true;
    case Qt::Key_G:
        m_fontBeforeGreek = selectionStyle().family;
        setSelectionFamily(QStringLiteral("SPIonic"));
        c.area->MarkListModified();
        return true;
    case Qt::Key_E:
    case Qt::Key_L:
    case Qt::Key_R: {
        c.area->MarkListModified();
        QTextBlockFormat align;
        align.setAlignment(key == Qt::Key_E ? Qt::AlignHCenter : key == Qt::Key_L ? Qt::AlignLeft : Qt::AlignRight);
        QTextCursor cursor = ui->RedTranslation->textCursor();
        cursor.mergeBlockFormat(align);
        return true;
    }
    case Qt::Key_B:
        ToggleStyle(StyleFlag::Bold);
        c.area->MarkListModified();
        return true;
    case Qt::Key_U:
        ToggleStyle(StyleFlag::Underline);
        c.area->MarkListModified();
        return true;
    default:
        return false;
    }
}

bool NotesEditor::RedTranslationKeyPress(QKeyEvent *event)
{
    if (!c.mode.normal())
        return false;
    // Every printable character counts, accented and Greek letters as much as plain ones; the
    // box's textChanged reports all other changes.
    if (isChangeCharacter(event->text()))
        c.area->MarkListModified();
    c.lastEditBox = EditBox::Notes;
    return false;
}

// --- size of the box ------------------------------------------------------------------------------

void NotesEditor::BtnExpandReduceClick()
{
    setNotesEnlarged(!c.mode.notesEnlarged);
    focusNotes();
}

void NotesEditor::setNotesEnlarged(bool enlarged)
{
    c.mode.notesEnlarged = enlarged;
    showNotesSize();
}

void NotesEditor::showNotesSize()
{
    Ui::TForm1 *ui = c.ui;
    const bool enlarged = c.mode.notesEnlarged;
    ui->RedTranslation->resize(ui->RedTranslation->width(), enlarged ? EnlargedNotesHeight : NormalNotesHeight);
    ui->BtnExpandReduce->move(ui->BtnExpandReduce->x(), enlarged ? EnlargedExpandTop : NormalExpandTop);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->BtnRichdescrFontIncrease, ui->BtnRichdescrFontDecrease,
                                                      ui->PnlTop1, ui->PnlTop2})
        w->setVisible(!enlarged);
    if (enlarged) {
        // Over the item area, with its button on top.
        ui->RedTranslation->raise();
        ui->BtnExpandReduce->raise();
    }
}

// --- notes search ---------------------------------------------------------------------------------

void NotesEditor::startNotesSearch()
{
    Ui::TForm1 *ui = c.ui;
    ui->ChkWholeWOrd->hide();
    ui->BtnNextTranslation->hide();
    ui->ChkWholeWOrd->setChecked(false);
    if (CountNotesOccurrences() > 0) {
        ui->ChkWholeWOrd->show();
        ui->BtnNextTranslation->show();
    }
}

namespace {
QTextDocument::FindFlags findFlags(bool wholeWords)
{
    return wholeWords ? QTextDocument::FindWholeWords : QTextDocument::FindFlags();
}
} // namespace

int NotesEditor::occurrencesBefore(int position) const
{
    const QString text = c.session.searchText();
    const QTextDocument *doc = c.ui->RedTranslation->document();
    const auto flags = findFlags(c.ui->ChkWholeWOrd->isChecked());
    int count = 0;
    for (int from = 0; !text.isEmpty();) {
        const QTextCursor found = doc->find(text, from, flags);
        if (found.isNull() || found.selectionStart() >= position)
            break;
        ++count;
        from = found.selectionEnd();
    }
    return count;
}

// Counts without moving the selection of the notes.
int NotesEditor::CountNotesOccurrences()
{
    m_findCount = occurrencesBefore(c.ui->RedTranslation->document()->characterCount());
    m_findIndex = 0;
    m_nextStarted = false;
    c.ui->BtnNextTranslation->setEnabled(m_findCount >= 1);
    c.ui->ChkWholeWOrd->setText(QStringLiteral("Whole word  [%1]").arg(m_findCount));
    return m_findCount;
}

void NotesEditor::ChkWholeWOrdClick() { CountNotesOccurrences(); }

void NotesEditor::FindNextInNotes()
{
    QTextEdit *box = c.ui->RedTranslation;
    const QString text = c.session.searchText();
    const auto flags = findFlags(c.ui->ChkWholeWOrd->isChecked());
    int from = 0;
    if (m_nextStarted)
        from = box->textCursor().selectionEnd();
    m_nextStarted = true;
    QTextCursor found = text.isEmpty() ? QTextCursor() : box->document()->find(text, from, flags);
    if (found.isNull() && !text.isEmpty())
        found = box->document()->find(text, 0, flags); // after the last, the first again
    focusNotes();
    if (found.isNull())
        return;
    box->setTextCursor(found);
    box->ensureCursorVisible();
    // The number of the occurrence selected, whatever the user selected between two Nexts.
    m_findIndex = occurrencesBefore(found.selectionStart()) + 1;
    c.ui->ChkWholeWOrd->setText(QStringLiteral("Whole word  [%1/%2]").arg(m_findIndex).arg(m_findCount));
}
