#pragma once
// A combo box that reports its list dropping down and closing up. dropDown() comes before the list
// shows, so a handler may still replace the entries. closeUp() is delivered after the event that
// closed the list has been handled, so a choice made in the list (activated) always comes first.
// isDroppedDown() stays true until closeUp() has been delivered: a choice seen while it is true was
// made in the dropped-down list, otherwise on the closed box (arrow keys, wheel). An editable box
// never completes what is typed from its entries, and text typed into it is never taken for a
// choice: Qt's combo box would pick the entry equal to the text (in any letter case) when the box
// loses the focus or Enter is pressed, and replace the typed text by the entry's.
// When its text is SPIonic keys, an editable box copies, cuts and drags it out as Unicode Greek
// and takes back the keys the program copied (platform/spionicclipboard.h).
#include <QComboBox>
#include <QPointer>

class QLineEdit;
class QMimeData;
class SpionicClipboard;

class DropDownCombo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool sortedEntries READ sortedEntries WRITE setSortedEntries)

public:
    explicit DropDownCombo(QWidget *parent = nullptr);

    void showPopup() override;
    void hidePopup() override;
    bool isDroppedDown() const { return m_droppedDown; }

    // Entries kept in alphabetical order as they are added (addSorted).
    bool sortedEntries() const { return m_sorted; }
    void setSortedEntries(bool on) { m_sorted = on; }
    void addSorted(const QString &text);

    // From a dropDown() handler: the list does not open (and no closeUp() follows).
    void refuseDropDown() { m_refused = true; }

    // Replaces all entries at once (fast for many thousands) and selects none.
    void setEntries(const QStringList &entries);
    QStringList entries() const;

    // The text is SPIonic keys (a Greek list's headwords).
    void setSpionicText(bool on);
    bool spionicText() const;
    // What a copy, a cut and a drag of the selected text give.
    QMimeData *createMimeDataFromSelection() const;

signals:
    void dropDown();
    void closeUp();
    void doubleClicked(); // on the box or its text
    // The user changed the text of an editable box: typing, pasting, cutting, undoing.
    void textEdited(const QString &text);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void deliverCloseUp();
    bool m_droppedDown = false;
    bool m_closePending = false;
    bool m_sorted = false;
    bool m_refused = false;
    QPointer<QLineEdit> m_watchedEdit;
    SpionicClipboard *m_clipboard;
};
