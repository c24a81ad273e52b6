#pragma once
// Running the whole program in a test: a fresh data folder as the working folder, the scripted
// desktop, the six windows created as at start, the main window shown and active.
#include "app/program.h"
#include "session/listdocument.h"
#include "session/listsession.h"
#include "support/controls.h"
#include "support/scripteddesktop.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class DataFolder {
public:
    DataFolder();
    ~DataFolder();
    QString path(const QString &relative = QString()) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    // A list pair: name.vocab with the language line and "headzxdescription" lines (CR LF), and
    // name.rtf holding the given notes text.
    void addList(const QString &name, const QString &language, const QStringList &items,
                 const QString &notes = QStringLiteral("Notes")) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The main window's controls are the harness's own accessors: h.itemBox(), h.saveButton() ...
class Harness : public MainWindowControls {
public:
    explicit Harness(bool show = true);
    ~Harness();
    ScriptedDesktop desktop;
    std::unique_ptr<Program> program;
    MainWindow &form() { return *program->windows.main; }
    // Presses a key where the focus is (the main window when no control has it).
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Opens the list by choosing it in the dropped-down selector.
    void openList(const QString &name);
    // Selects the whole headword in the item box and types text over it, as a user does.
    void retypeHeadword(const QString &text);
    // Lets queued events (close-up of a drop-down) be delivered.
    void settle();
};

QByteArray crlf(const QStringList &lines);
// Item lines "w0zxd0", "w1zxd1", ... for lists of a given size.
QStringList numberedItems(int count);
// Opens the box's own context menu as a right click on target does and runs the entry whose text
// starts with the given accelerator text ("&Paste", "Cu&t", "&Delete", "&Undo", ...), by its key.
void runContextMenuEntry(QWidget *box, QWidget *target, const QString &entry);
