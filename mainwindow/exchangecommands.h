#pragma once
// Lists carried to and from other programs: the list selector's menu (outside update mode) with
// "Export List..." (.tsv or .csv), "Export Notes..." (.html) and "Import List...", and the import
// of a file dropped on the window. An import makes the list named after the file beside the
// others and leaves the open list, and any unsaved work in it, as it was.
#include <QObject>
#include <QString>

class DropDownCombo;
class ListDocument;
class QMimeData;
class QPoint;
class QWidget;
class WindowState;

class ExchangeCommands : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        DropDownCombo *listSelector;
        QWidget *dropTarget; // files of lists (.tsv, .csv, .txt) dropped on it are imported
    };
    ExchangeCommands(ListDocument &document, WindowState &state, const Widgets &widgets, QObject *parent);

    // A file the window takes to import by its ending: .tsv, .csv or .txt.
    static bool importable(const QString &path);
    // Lists are imported outside update mode only (there the selector takes the name to save under).
    bool importOffered() const;
    // Asks the language (and before replacing a list of that name), writes the list and says so.
    void importFile(const QString &path);

signals:
    void commandStarting();
    void saveRequested();
    void listsChanged(); // a list was written: the selector offers the lists found again

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &at);
    void exportOpenList(bool notes);
    void chooseImport();
    QStringList importableFiles(const QMimeData *data) const;
    bool handleDrop(QEvent *event);

    ListDocument &m_document;
    WindowState &m_state;
    Widgets w;
};
