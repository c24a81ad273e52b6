// The store's file work against the raw cost of the same bytes: opening and saving a 10,000-item
// list (alone, and paired with its notes), and finding the lists in a folder of 1,000.
#include "benchutil.h"
#include "store/listfinder.h"
#include "store/textfile.h"
#include "store/vocablist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int Runs = 9;

QList<VocabItem> sampleItems()
{
    // About 40 bytes a line, with some accented characters as in real lists.
    QList<VocabItem> items;
    for (int i = 0; i < store::MaxItems; ++i)
        items.append({QString::fromUtf8("λύω-%1 héadword").arg(i), QString::fromUtf8("to loose, release %1 €").arg(i % 97)});
    return items;
}

QByteArray rawRead(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Big.vocab");
    const QList<VocabItem> items = sampleItems();
    store::writeListFile(path, "Greek", items);
    const QByteArray bytes = rawRead(path);
    std::printf("list file: %lld bytes, %d items\n", static_cast<long long>(bytes.size()), store::MaxItems);

    qsizetype sink = 0;
    const double readRaw = bench::medianMs(Runs, [&] { sink += rawRead(path).size(); });
    const double read = bench::medianMs(Runs, [&] { sink += store::readListFile(path).items.size(); });
    bench::report("open: readListFile, 10,000 items", read, "QFile::readAll", readRaw, 30);

    const QString rawPath = dir.filePath("Raw.vocab");
    const double writeRaw = bench::medianMs(Runs, [&] {
        QFile f(rawPath);
        f.open(QIODevice::WriteOnly);
        sink += f.write(bytes);
    });
    const double write = bench::medianMs(Runs, [&] { store::writeListFile(path, "Greek", items); });
    bench::report("save: writeListFile, 10,000 items", write, "QFile::write", writeRaw, 30);

    // A save writes the list and its notes as a pair, each flushed to the disk before the renames.
    const QByteArray notes(100 * 1024, 'n');
    const QString notesPath = dir.filePath("Big.rtf");
    const double pairRaw = bench::medianMs(Runs, [&] {
        for (const QString &p : {rawPath, notesPath}) {
            QFile f(p);
            f.open(QIODevice::WriteOnly);
            sink += f.write(p == rawPath ? bytes : notes);
        }
    });
    const double pair = bench::medianMs(Runs, [&] {
        store::writeFilesAtomic({{path, store::listFileBytes("Greek", items)}, {notesPath, notes}});
    });
    bench::report("save pair: list + 100 KB notes, flushed", pair, "QFile::write", pairRaw, 30);

    QTemporaryDir lists;
    QDir d(lists.path());
    for (int i = 0; i < store::MaxLists; ++i) {
        for (const char *ext : {".rtf", ".vocab"}) {
            QFile f(d.filePath(QString("List %1").arg(i) + ext));
            f.open(QIODevice::WriteOnly);
        }
    }
    const double listRaw = bench::medianMs(Runs, [&] {
        sink += QDir(lists.path()).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted).size();
    });
    const double find = bench::medianMs(Runs, [&] { sink += store::findLists(lists.path()).names.size(); });
    bench::report("findLists, 1,000 list pairs", find, "QDir listing", listRaw, 30);

    return sink == 0 ? 1 : 0;
}
