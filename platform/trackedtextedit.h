#pragma once
// A text box that tells edits made by the user (typing, pasting, cutting, undoing, dropping, input
// methods, the context menu) from text put into it by the program: only the first emit userEdited().
#include <QTextEdit>

class TrackedTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TrackedTextEdit(QWidget *parent = nullptr);

signals:
    void userEdited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Runs one event and reports an edit when the document's content changed meanwhile.
    template <class Fn>
    void watch(Fn &&fn);
};
