// Opening, saving and finding lists through the main window, each beside the raw cost of reading
// the same bytes or listing the same folder.
#include "app/program.h"
#include "mainwindow/mainwindow.h"
#include "session/listdocument.h"
#include "session/listsession.h"
#include "benchutil.h"
#include "platform/desktop.h"
#include "tests/support/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::QuietDesktop desktop;
    setDesktop(&desktop);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    QByteArray list = "Greek\r\n";
    for (int i = 0; i < 10000; ++i)
        list += QByteArray("lo/goj") + QByteArray::number(i) + "zxword, speech, reason, account " + QByteArray::number(i) + "\r\n";
    bench::writeFile("Big.vocab", list);
    bench::writeFile("Big.rtf", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\\f0\\fs26 Notes\\par}");

    Program program;
    program.show();
    MainWindow &form = *program.windows.main;
    QApplication::setActiveWindow(&form);
    const MainWindowControls controls = controlsOf(&form);
    const int reps = 9;

    // What the user waits for: a list chosen in the selector until the window is painted again.
    auto openAndPaint = [&](const QString &name) {
        controls.listSelector()->showPopup();
        const int row = controls.listSelector()->findText(name);
        controls.listSelector()->hidePopup();
        controls.listSelector()->setCurrentIndex(row);
        emit controls.listSelector()->activated(row);
        QCoreApplication::processEvents();
        form.repaint();
        if (form.session().name() != name)
            qFatal("the list %s did not open", qPrintable(name));
    };
    const double open = bench::medianMs(reps, [&] { openAndPaint(QStringLiteral("Big")); });
    const double rawRead = bench::medianMs(reps, [&] { bench::readAll("Big.vocab"); });
    bench::report("open a 10,000-item list (choose to painted)", open, "read bytes", rawRead, 30);

    // 100 KB of notes in a few formats.
    QTextCursor c(controls.notesBox()->document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; i < 1000; ++i) {
        c.insertText(QStringLiteral("Line %1 of the notes, with some words to translate: ").arg(i));
        c.insertText(QStringLiteral("mh~nin a!eide qea_"), bold);
        c.insertText(QStringLiteral(" and the rest.\n"), QTextCharFormat());
    }
    // Save as the user does: a click on Save, until both files are on disk.
    const double save = bench::medianMs(reps, [&] {
        controls.saveButton()->setEnabled(true); // each round saves again what the first saved
        controls.saveButton()->click();
        if (form.document().isModified())
            qFatal("the list was not saved");
    });
    const QByteArray bytes = bench::readAll("Big.vocab") + bench::readAll("Big.rtf");
    const double rawWrite = bench::medianMs(reps, [&] {
        bench::writeFile("raw.vocab", bytes.left(list.size()));
        bench::writeFile("raw.rtf", bytes.mid(list.size()));
    });
    std::printf("(notes file %lld KB)\n", (long long)(bench::readAll("Big.rtf").size() / 1024));
    bench::report("save a 10,000-item list with its notes (Save)", save, "write bytes", rawWrite, 30);

    // A description or a headword of one long word: the window must stay usable.
    for (const int megabytes : {1, 5}) {
        const QByteArray word(megabytes << 20, 'a');
        bench::writeFile("LongDescription.vocab", "Latin\r\nheadzx" + word + "\r\n");
        bench::writeFile("LongDescription.rtf", "{\\rtf1 }");
        bench::writeFile("LongHeadword.vocab", "Latin\r\n" + word + "zxdescription\r\n");
        bench::writeFile("LongHeadword.rtf", "{\\rtf1 }");
        const double rawLong = bench::medianMs(3, [&] { bench::readAll("LongDescription.vocab"); });
        const double description = bench::medianMs(3, [&] { openAndPaint(QStringLiteral("LongDescription")); });
        std::printf("(a description of %d MB without a space)\n", megabytes);
        bench::report("open a list with that description", description, "read bytes", rawLong, 1000.0);
        const double headword = bench::medianMs(3, [&] { openAndPaint(QStringLiteral("LongHeadword")); });
        std::printf("(a headword of %d MB without a space)\n", megabytes);
        bench::report("open a list with that headword", headword, "read bytes", rawLong, 1000.0 * megabytes);
    }

    QDir().mkdir("many");
    QDir::setCurrent(dir.filePath("many"));
    for (int i = 0; i < 1000; ++i) {
        const QString name = QStringLiteral("List %1").arg(i, 4, 10, QLatin1Char('0'));
        bench::writeFile(name + ".vocab", "Latin\r\n");
        bench::writeFile(name + ".rtf", "{\\rtf1}");
    }
    const double enumerate = bench::medianMs(reps, [&] {
        controls.listSelector()->showPopup();
        controls.listSelector()->hidePopup();
    });
    const double rawList = bench::medianMs(reps, [&] { QDir(".").entryList(QDir::Files); });
    bench::report("find 1,000 lists and drop the selector down", enumerate, "QDir listing", rawList, 30);
    QDir::setCurrent(QDir::tempPath());
    setDesktop(nullptr);
    return 0;
}
