#pragma once
// A rich-text box whose SPIonic runs leave it as Unicode Greek: a copy, a cut or a drag of a
// selection holding one gives every public format with the Greek in Unicode and the other runs as
// they are, and the original in the program's own format (platform/spionicmime.h). A paste or a
// drop of what the program copied gives back the original, SPIonic runs in the SPIonic font.
// Selections without SPIonic come and go as in any text box.
#include <QTextEdit>

class SpionicTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit SpionicTextEdit(QWidget *parent = nullptr);

    // What a copy, a cut and a drag of the selection give.
    QMimeData *createMimeDataFromSelection() const override;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
