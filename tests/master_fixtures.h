#pragma once
// Shared by the Master List tests.
#include "master/masterlistwindow.h"
#include "platform/panellabel.h"
#include "platform/random.h"
#include "support/harness.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>

// Makes a list file impossible to read: no permissions, or, for a user who reads any file, a
// link to a file whose reading fails. False when neither works here.
inline bool makeUnreadable(const DataFolder &data, const QString &name)
{
    const QString path = data.path(name);
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return true;
    probe.close();
    QFile::remove(path);
    QFile::link(QStringLiteral("/proc/self/mem"), path);
    QFile mem(path);
    if (!mem.open(QIODevice::ReadOnly))
        return true;
    mem.readAll();
    return mem.error() != QFileDevice::NoError;
}
inline const QString NoRecords = QStringLiteral("No records to show!");
inline const QString Placeholder = QStringLiteral("Enter search text");

// The window opened over a plain widget standing in for the main window, in a fresh data folder.
struct Master : MasterListControls {
    DataFolder data;
    ScriptedDesktop desktop;
    QWidget main;
    MasterListWindow *window = nullptr;

    Master()
    {
        main.resize(778, 703);
        main.show();
        window = new MasterListWindow(&main);
        setWindow(window);
        programRandom().seed(20210124);
    }
    ~Master()
    {
        if (window->isVisible())
            window->close();
    }
    bool open(const QString &language, const QString &headword = QString(), const QString &mainSearch = QString())
    {
        if (!window->openOver(&main, {language, headword, mainSearch}))
            return false;
        // A desktop activates a window it shows; the offscreen platform is told to.
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window);
    }
    QString work() const { return listNameBox()->text(); }
    QString desc() const { return descriptionBox()->toPlainText(); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < list()->model()->rowCount(); ++i)
            out << list()->model()->index(i, 0).data().toString();
        return out;
    }
    int selected() const
    {
        const QModelIndexList rows = list()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    QString captions() const { return greekButton()->text() + '|' + latinButton()->text(); }
    void clickLine(int row) const
    {
        const QRect r = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == window ? target : window, Qt::Key(key), mods);
    }
    void search(const QString &text) const
    {
        QTest::mouseClick(searchBox(), Qt::LeftButton);
        searchBox()->selectAll();
        QTest::keyClicks(searchBox(), text);
        QTest::mouseClick(searchButton(), Qt::LeftButton);
    }
    void checkDesktop() const { QVERIFY2(desktop.problems().isEmpty(), qPrintable(desktop.problems().join('\n'))); }
};

// Each character of the description box: R red, . not.
inline QString colours(QTextEdit *box)
{
    QString out;
    QTextCursor c(box->document());
    for (int i = 0; i + 1 < box->document()->characterCount(); ++i) {
        c.setPosition(i);
        c.setPosition(i + 1, QTextCursor::KeepAnchor);
        out += c.charFormat().foreground().color() == QColor(255, 0, 0) ? QLatin1Char('R') : QLatin1Char('.');
    }
    return out;
}

inline const QStringList homer = {"lo/gojzxword, speech", "qeo/jzxgod", "a0rxh/zxbeginning", "Logoszxthe Word"};
inline const QStringList house = {"domuszxhouse, home", "familiazxthe household", "villazxa farmhouse",
                           "aedeszxHOUSES; a house", "aquazxwater"};
