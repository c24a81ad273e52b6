#pragma once
// The format bar over the notes box, acting on the box's selection: bold, italic, underline,
// three colours, sizes 8 to 24, the font list with its blinking selection, and the format painter.
#include "mainwindow/notesformat.h"

#include <QObject>
#include <QTimer>

class DropDownCombo;
class QFrame;
class QKeyEvent;
class QPushButton;
class QTextEdit;
class WindowState;

class NotesFormatBar : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QTextEdit *notesBox;
        QPushButton *bold, *italic, *underline, *red, *blue, *green, *bigger, *smaller, *copyFormat;
        DropDownCombo *fontList;
        QFrame *colourSwatch;
    };
    NotesFormatBar(WindowState &state, const Widgets &widgets, QObject *parent);

    bool fontListOpen() const { return m_fontListOpen; }
    bool painterArmed() const { return m_painterArmed; }
    bool biggerAtLimit() const { return m_biggerAtLimit; }
    bool smallerAtLimit() const { return m_smallerAtLimit; }
    const QTimer &blinkTimer() const { return m_blink; }
    // The size buttons offered again, as when the bar comes back.
    void resetLimits();
    // The font list shows no entry.
    void showNoFont();
    // Esc in the font list; true when taken.
    bool fontListKeyDown(QKeyEvent *event);
    // The font list offers those of its fonts the desktop has installed.
    void fillFontList();
    // A mouse button released in the notes box: the format painter gives its format.
    void notesMouseReleased();

signals:
    void stateChanged();
    void notesFocusWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void styleButton(StyleFlag flag);
    void colourButton(const QColor &colour);
    void showSwatch(const QColor &colour);
    void stepSize(int step);
    void sizeButtonEntered(int step);
    void fontListDroppedDown();
    void fontPicked();
    void fontListClosed();
    void blinkTick();
    void endFontList();
    void showSelectionFont();
    void copyFormat();
    void setLimits(bool bigger, bool smaller);

    WindowState &m_state;
    Widgets w;
    // The format painter: the format copied and whether the next release in the box applies it.
    NotesCharStyle m_copiedFormat;
    bool m_painterArmed = false;
    bool m_biggerAtLimit = false;
    bool m_smallerAtLimit = false;
    // The font list: while it is down, its selection blinks (drawn over the text, never in it).
    bool m_fontListOpen = false;
    int m_snapshotStart = 0;
    int m_snapshotEnd = 0;
    bool m_blinkWhite = false;
    QTimer m_blink;
};
