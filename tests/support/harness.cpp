#include "support/harness.h"

#include "platform/rtfwriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTextDocument>

DataFolder::DataFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

DataFolder::~DataFolder() { QDir::setCurrent(m_previous); }

QString DataFolder::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

void DataFolder::write(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    QFile f(path(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(relative));
}

QByteArray DataFolder::read(const QString &relative) const
{
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool DataFolder::exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

QStringList numberedItems(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("w%1zxd%1").arg(i);
    return items;
}

void DataFolder::addList(const QString &name, const QString &language, const QStringList &items, const QString &notes) const
{
    write(name + QStringLiteral(".vocab"), crlf(QStringList{language} + items));
    QTextDocument doc;
    doc.setPlainText(notes);
    write(name + QStringLiteral(".rtf"), rtf::write(&doc));
}

Harness::Harness(bool show)
{
    program = std::make_unique<Program>();
    setMainWindow(program->windows.main);
    if (show) {
        program->show();
        QApplication::setActiveWindow(&form());
        if (!QTest::qWaitForWindowActive(&form()))
            qWarning("main window did not become active");
    }
}

Harness::~Harness()
{
    program.reset();
}

void Harness::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = &form();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void Harness::retypeHeadword(const QString &text)
{
    itemBox()->setFocus();
    QTest::keyClick(itemBox(), Qt::Key_A, Qt::ControlModifier);
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(itemBox(), char(ch.unicode()));
        else // a letter beyond ASCII, as a keyboard layout or an input method delivers it
            QTest::sendKeyEvent(QTest::Click, itemBox(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void Harness::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    // The offscreen platform hands activation to a combo box's list while it is down; a desktop
    // leaves the main window active.
    if (QApplication::activeWindow() != program->windows.main && program->windows.main->isVisible()
        && !QApplication::activeModalWidget())
        QApplication::setActiveWindow(program->windows.main);
}

void Harness::openList(const QString &name)
{
    listSelector()->showPopup();
    const int row = listSelector()->findText(name);
    if (row < 0)
        qWarning("list %s not offered", qPrintable(name));
    // As a click in the list does: the list closes, then the choice is made.
    listSelector()->hidePopup();
    listSelector()->setCurrentIndex(row);
    emit listSelector()->activated(row);
    settle();
}

void runContextMenuEntry(QWidget *box, QWidget *target, const QString &entry)
{
    box->setFocus();
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY2(menu, "no context menu popped up");
    QAction *chosen = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().startsWith(entry))
            chosen = action;
    QVERIFY2(chosen && chosen->isEnabled(), qPrintable(QStringLiteral("no enabled entry ") + entry));
    menu->setActiveAction(chosen);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}
