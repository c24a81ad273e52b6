#pragma once
// A text box that tells edits made by the user (typing, pasting, cutting, undoing, dropping, input
// methods, every action of the context menu) from text put into it by the program: every change of
// its document that the program did not make through this class emits userEdited().
// A word longer than a line is broken anywhere: laid out at word boundaries, one long run of
// letters takes time that grows with the square of its length (a minute for a megabyte).
#include <QColor>
#include <QList>
#include <QTextEdit>
#include <utility>

class QTextDocument;

// Gives the ranges (start, length) of the document the colour, keeping the rest of their format.
void colourTextRanges(QTextDocument *document, const QList<std::pair<qsizetype, qsizetype>> &ranges, const QColor &colour);

class TrackedTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TrackedTextEdit(QWidget *parent = nullptr);

    // Puts plain text into the box, without the colours of the text before, the way of wrapping
    // chosen for it.
    void showPlainText(const QString &text);
    // Colours the ranges (start, length) of the text; the caret goes to the start.
    void colourRanges(const QList<std::pair<qsizetype, qsizetype>> &ranges, const QColor &colour);

signals:
    void userEdited();

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void changeEvent(QEvent *event) override;

private:
    void wrapFor(QStringView text);
    void setTextFont(qsizetype length);
    void contentsChanged(int position, int removed, int added);

    bool m_programChange = false;
    bool m_keepLayout = false; // the blocks of the change coming keep their layout
};
