#pragma once
// A text box that tells edits made by the user (typing, pasting, cutting, undoing, dropping, input
// methods, the context menu) from text put into it by the program: only the first emit userEdited().
// A word longer than a line is broken anywhere: laid out at word boundaries, one long run of
// letters takes time that grows with the square of its length (a minute for a megabyte).
#include <QTextEdit>

class TrackedTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TrackedTextEdit(QWidget *parent = nullptr);

    // Puts plain text into the box, the way of wrapping chosen for it.
    void showPlainText(const QString &text);

signals:
    void userEdited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void wrapFor(QStringView text);
    // Runs one event and reports an edit when the document's content changed meanwhile.
    template <class Fn>
    void watch(Fn &&fn);
};
