#pragma once
// The open list: its name, language and items, the current item, whether it holds unsaved work,
// the hits of a search and the record of a self test's draw. Every change of the list goes
// through here, so the rules for what may be stored (line breaks cut, entries too short, the item
// limit) are applied in one place. Nothing here shows a dialog: a refusal comes back as a value
// that the window turns into its message. Item numbers count from 1, 0 meaning none.
#include "store/listfiles.h"
#include "store/vocablist.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

enum class EntryRefusal {
    None,
    TooShort, // headword or description (after cutting at a line break) under 2 characters
    ListFull, // the list already holds the most items a list can hold
};

class ListSession : public QObject {
    Q_OBJECT

public:
    explicit ListSession(QObject *parent = nullptr);

    // --- the open list ------------------------------------------------------------------------
    bool isOpen() const { return m_open; }
    const QString &name() const { return m_name; }
    const QString &language() const { return m_language; }
    bool isGreek() const { return m_language == QLatin1String("Greek"); }
    bool isLatin() const { return m_language == QLatin1String("Latin"); }
    const QList<VocabItem> &items() const { return m_items; }
    int itemCount() const { return int(m_items.size()); }
    const VocabItem &item(int number) const { return m_items.at(number - 1); }
    bool hasHeadword(const QString &headword) const;

    int currentItem() const { return m_current; }
    void setCurrentItem(int number);
    const VocabItem *current() const { return m_current >= 1 && m_current <= itemCount() ? &item(m_current) : nullptr; }

    bool isSaved() const { return m_saved; }
    // What the open list's files were when it last read or wrote them.
    const store::ListPairStamps &diskStamps() const { return m_disk; }
    void markModified() { setSaved(false); }

    // --- opening, saving, leaving ------------------------------------------------------------
    struct Opened {
        bool truncated = false;              // the file held more items than a list holds
        std::optional<QByteArray> notes;     // the notes file's bytes, when it exists
    };
    // Reads the list file and the notes file, when there is one (each whole and as it was at one
    // moment, store/filestamp.h), then copies what was read into the backups folder. The current
    // item becomes the first. Throws AppError; a list whose backup
    // cannot be made is not opened and the session is left as it was.
    Opened open(const QString &name);
    // Leaves the list: no list is open and nothing counts as unsaved.
    void close();
    // Writes the list file and the notes file (notesBytes, already serialised) of the open list
    // and marks the work saved. Throws AppError, the work then still counting as unsaved.
    void save(const QByteArray &notesBytes);
    // Writes the items of the open list (or of none: an empty list) as the list called name in
    // language, with the notes, both files under that one name, and makes it the open list, saved.
    // Files of that name are replaced; the files of the list open before stay. Throws AppError,
    // and the session is then left as it was (name, language, items, saved state).
    void saveAs(const QString &name, const QString &language, const QByteArray &notesBytes);
    // Makes a new list called name in language without items: writes the language line and the
    // notes, then it is the open list. Throws AppError, the session left as it was.
    void create(const QString &name, const QString &language, const QByteArray &notesBytes);

    // --- changing items ---------------------------------------------------------------------
    // Why an entry could not be stored, with the rules of the list file applied (a line break
    // cuts the text); None when it can.
    static EntryRefusal checkEntry(const QString &headword, const QString &description);
    EntryRefusal checkAdd(const QString &headword, const QString &description) const;
    // Replaces the current item (the text cut at line breaks first). Refused entries change nothing.
    EntryRefusal replaceCurrent(const QString &headword, const QString &description);
    // Inserts the entry after the current item and makes it current.
    EntryRefusal addAfterCurrent(const QString &headword, const QString &description);
    void removeCurrent();
    // Swaps the current item with its neighbour (offset -1 or +1) and follows it.
    void moveCurrent(int offset);

    // --- search -----------------------------------------------------------------------------
    // Finds the items whose descriptions match; returns the number of hits.
    int search(const QString &text, bool wholeWord);
    void clearSearch();
    const QString &searchText() const { return m_searchText; }
    int hitCount() const { return int(m_hits.size()); }
    int hitItem(int row) const { return m_hits.at(row); } // row 0-based, item number 1-based

    // --- self test --------------------------------------------------------------------------
    // Draws an item not drawn in this cycle (randomBelow(n) gives 0..n-1) and makes it current.
    int drawTestItem(const std::function<int(int)> &randomBelow);
    void resetTestCycle() { m_usedPicks.clear(); }
    const QList<int> &usedPicks() const { return m_usedPicks; }

signals:
    void itemsChanged();
    void currentChanged(int number);
    void savedChanged(bool saved);

private:
    void setSaved(bool saved);
    void checkEncodable() const;
    void setItems(QList<VocabItem> items, int current);

    bool m_open = false;
    QString m_name;
    QString m_language;
    QList<VocabItem> m_items;
    int m_current = 0;
    bool m_saved = true;
    QString m_searchText;
    QList<int> m_hits;
    QList<int> m_usedPicks;
    store::ListPairStamps m_disk;
};
