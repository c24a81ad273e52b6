#pragma once
// What the notes tests share: a list whose notes file holds formatted runs, reading the format of
// one character, and the user's ways of selecting, clicking, pointing and searching.
#include "support/harness.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Green(0, 128, 0);

// One run of the notes written into the list's notes file before the list is opened.
struct Run {
    QString text;
    QTextCharFormat format;
};

inline QTextCharFormat fmt(std::initializer_list<std::function<void(QTextCharFormat &)>> edits)
{
    QTextCharFormat f;
    for (const auto &e : edits)
        e(f);
    return f;
}
inline const auto bold = [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); };
inline const auto underline = [](QTextCharFormat &f) { f.setFontUnderline(true); };
inline const auto strike = [](QTextCharFormat &f) { f.setFontStrikeOut(true); };
inline auto colour(QColor c) { return [c](QTextCharFormat &f) { f.setForeground(c); }; }
inline auto points(int p) { return [p](QTextCharFormat &f) { f.setFontPointSize(p); }; }
inline auto family(QString n) { return [n](QTextCharFormat &f) { f.setFontFamilies({n}); }; }

// A list "Notes" with two items and the given notes.
inline void addNotesList(const DataFolder &data, const QList<Run> &runs)
{
    data.addList("Notes", "Latin", {"rosazxrose", "amorzxlove"});
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma"), 13));
    QTextCursor c(&doc);
    for (const Run &r : runs)
        c.insertText(r.text, r.format);
    data.write("Notes.rtf", rtf::write(&doc));
}

// The format of the character at a position of the box's document.
inline QTextCharFormat charAt(QTextEdit *box, int position)
{
    QTextCursor c(box->document());
    c.setPosition(position + 1);
    return c.charFormat();
}

inline QColor colourAt(QTextEdit *box, int position)
{
    const QTextCharFormat f = charAt(box, position);
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
}

inline QString familyAt(QTextEdit *box, int position) { return charAt(box, position).fontFamilies().toStringList().value(0); }

// The user selects characters [from, to) with the keyboard.
inline void selectKeys(QTextEdit *box, int from, int to)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < from; ++i)
        QTest::keyClick(box, Qt::Key_Right);
    for (int i = from; i < to; ++i)
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
}

// A click without dragging just before the character at a position.
inline void clickAt(QTextEdit *box, int position)
{
    QTextCursor c(box->document());
    c.setPosition(position);
    const QRect r = box->cursorRect(c);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 1, r.center().y()));
}

inline void enter(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &e);
}

inline void leave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// Starts a list search for text from the search box.
// Picks a font as a user does: the font list dropped down, a click on its row.
inline QString pickFont(Harness &h, int row)
{
    DropDownCombo *list = h.fontList();
    list->showPopup();
    QAbstractItemView *view = list->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QString picked = list->itemText(row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    h.settle();
    return picked;
}

inline void searchFor(Harness &h, const QString &text)
{
    QTest::mouseClick(h.searchBox(), Qt::LeftButton);
    QTest::keyClicks(h.searchBox(), text);
    QTest::keyClick(h.searchBox(), Qt::Key_Return);
}

