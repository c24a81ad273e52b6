// Mnemora: vocabulary lists for students of Ancient Greek and Latin. The data folder is the
// folder the program is started in.
#include "app/commandline.h"
#include "app/program.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // --export, --import, --help: done without a window.
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mnemora"));
    loadBundledFonts();
    Program program;
    program.show();
    return app.exec();
}
