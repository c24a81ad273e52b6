// The RTF reader: any bytes load into the notes document without a crash or a hang, and leave
// nothing to undo and the document unmodified.
#include "fuzzcheck.h"
#include "platform/rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument doc;
    doc.setUndoRedoEnabled(true);
    doc.setPlainText(QStringLiteral("old notes"));
    doc.clearUndoRedoStacks();
    rtf::read(fuzz::bytesOf(data, size), &doc);
    fuzz::check(!doc.isModified(), "the loaded document is unmodified");
    fuzz::check(!doc.isUndoAvailable(), "the load leaves nothing to undo");
    // Laying it out touches every fragment's format.
    doc.setTextWidth(400);
    (void)doc.size();
    return 0;
}
