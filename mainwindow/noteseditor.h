#pragma once
// The translation / notes box of a list: its own keys, its enlarged size, its hints, and the
// notes part of a list search (the Whole word box and Next). What the notes hold is the open
// list's notes document, which the box shows.
#include "session/wordmatch.h"

#include <QList>
#include <QObject>
#include <QString>

class QCheckBox;
class QKeyEvent;
class QPushButton;
class QTextEdit;
class ListDocument;
class WindowState;

class NotesEditor : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QTextEdit *notesBox;
        QPushButton *expandButton;
        QCheckBox *wholeWordBox;
        QPushButton *nextButton;
    };
    NotesEditor(ListDocument &document, WindowState &state, const Widgets &widgets, QObject *parent);

    bool searchShown() const { return m_searchShown; }
    int occurrenceCount() const { return m_findCount; }

    // Notes search during a list search: from the start, without whole words.
    void startSearch();
    void findNext();
    void focusNotes();
    void collapseSelection();
    bool notesKeyDown(QKeyEvent *event);
    bool notesKeyPress(QKeyEvent *event);

signals:
    void offeredSaveRequested();
    void mouseReleased();
    void searchChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggleEnlarged();
    void showStyleHint();
    int countOccurrences();
    QList<TextRange> occurrences() const;

    ListDocument &m_document;
    WindowState &m_state;
    Widgets w;
    QString m_fontBeforeGreek;
    bool m_searchShown = false;
    int m_findCount = 0;
    int m_findIndex = 0;
    bool m_nextStarted = false;
};
