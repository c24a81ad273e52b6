#pragma once
// The translation / notes box of a list: the format bar acting on its selection (bold, italic,
// underline, three colours, sizes 8 to 24, the font list with its blinking selection, the format
// painter), the box's own keys, its enlarged size, and the notes part of a list search (the Whole
// word box and Next).
#include <QColor>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

struct MainContext;
class QKeyEvent;
class QTextCursor;

// The character format of a selection as the format bar reads and sets it.
struct NotesCharStyle {
    QString family;
    int points = 0;
    std::optional<QColor> colour; // none: the window text colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

class NotesEditor : public QObject {
    Q_OBJECT
public:
    enum class StyleFlag { Bold, Italic, Underline };
    static constexpr int MinPoints = 8;
    static constexpr int MaxPoints = 24;

    explicit NotesEditor(MainContext &context);

    // The format of the selection: that of its first character, or of the insertion point.
    NotesCharStyle selectionStyle() const;
    // The colour shown for a style (the window text colour when it has none of its own).
    QColor shownColour(const NotesCharStyle &style) const;

    void ToggleStyle(StyleFlag flag);
    void ToggleColour(const QColor &colour);

    // Notes search during a list search: from the start, without whole words.
    void startNotesSearch();
    int CountNotesOccurrences();
    void FindNextInNotes();

    // The box covering the item area or back at its normal size; everything that depends on
    // the size is derived from MainMode::notesEnlarged here. Renaming or creating a list (update
    // mode) calls setNotesEnlarged(false) as it starts.
    void setNotesEnlarged(bool enlarged);

    bool fontListOpen() const { return m_fontListOpen; }
    bool painterArmed() const { return m_painterArmed; }
    const QTimer &blinkTimer() const { return m_blink; }

    bool RedTranslationKeyDown(QKeyEvent *event);
    bool RedTranslationKeyPress(QKeyEvent *event);
    bool CmbFontKeyDown(QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formatButtonStyle(StyleFlag flag);
    void formatButtonColour(const QColor &colour);
    void colourButtonEnter(const QColor &colour);
    void stepSize(int step);
    void sizeButtonEnter(int step);
    void CmbFontDropDown();
    void CmbFontClick();
    void CmbFontCloseUp();
    void blinkTick();
    void endFontList();
    void RedTranslationSelectionChange();
    void BtnCopyFormatClick();
    void RedTranslationClick();
    void RedTranslationMouseDown();
    void RedTranslationMouseUp();
    void BtnExpandReduceClick();
    void ChkWholeWOrdClick();
    void showNotesSize();
    void setSelectionFamily(const QString &family);
    void focusNotes();
    void applyStyle(const NotesCharStyle &style);
    int occurrencesBefore(int position) const;

    MainContext &c;
    // The format painter: the format copied and whether the next release in the box applies it.
    NotesCharStyle m_copiedFormat;
    bool m_painterArmed = false;
    QString m_fontBeforeGreek;
    // The font list: while it is down, its selection blinks (drawn over the text, never in it).
    bool m_fontListOpen = false;
    int m_snapshotStart = 0;
    int m_snapshotEnd = 0;
    bool m_blinkWhite = false;
    QTimer m_blink;
    // Notes search.
    int m_findCount = 0;
    int m_findIndex = 0;
    bool m_nextStarted = false;
};
