#pragma once
// The clipboard of a line edit whose text is SPIonic keys: copy, cut and a drag out give the
// selection as Unicode Greek with the keys beside it (platform/spionicmime.h), by the keys, the
// context menu and the mouse; a paste or a drop of keys the program copied inserts those keys
// rather than the Unicode text. While inactive the line edit keeps all of its own behaviour.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

class QContextMenuEvent;
class QDropEvent;
class QLineEdit;
class QMimeData;

class SpionicClipboard : public QObject {
    Q_OBJECT
public:
    explicit SpionicClipboard(QObject *parent = nullptr);

    // The line edit to serve; a line edit made anew is watched in place of the last one.
    void watch(QLineEdit *edit);
    bool isActive() const { return m_active; }
    void setActive(bool on) { m_active = on; }

    // What a copy, a cut and a drag of the selection give; plain text while inactive.
    QMimeData *createMimeDataFromSelection() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void copy();
    void cut();
    void paste();
    void showContextMenu(const QContextMenuEvent *event);
    void startDrag();
    bool drop(QDropEvent *event);

    QPointer<QLineEdit> m_edit;
    bool m_active = false;
    std::optional<QPoint> m_pressedInSelection;
};
