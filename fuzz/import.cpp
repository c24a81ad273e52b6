// The list import: any bytes give records or AppError, and the items of an accepted import are
// ones a list file holds: a headword and a description, not empty, no "zx" in the headword, no
// more than MaxItems, and read back unchanged from the list file written of them.
#include "fuzzcheck.h"
#include "store/apperror.h"
#include "store/importrecords.h"
#include "store/listexchange.h"

namespace {

void checkRecords(const QByteArray &bytes, QChar preferred)
{
    using namespace store;
    try {
        const ImportRecords read = readImportRecords(bytes, QStringLiteral("words.txt"), preferred);
        int last = 0;
        for (const ImportRecord &r : read.records) {
            fuzz::check(r.line > last && r.endLine >= r.line, "records in order, each ending after it starts");
            last = r.endLine;
            (void)isBlank(r);
            (void)usedFields(r);
        }
    } catch (const AppError &) {
    }
}

void checkImport(const QByteArray &bytes, const QString &language, const QString &fileShown)
{
    using namespace store;
    ImportedText text;
    try {
        text = parseImportText(bytes, language, fileShown);
    } catch (const AppError &) {
        return;
    }
    fuzz::check(text.items.size() <= MaxItems, "at most MaxItems items");
    for (const VocabItem &item : text.items) {
        fuzz::check(!item.Item.trimmed().isEmpty() && !item.Description.trimmed().isEmpty(), "no empty field");
        fuzz::check(!item.Item.contains(QLatin1String("zx")), "no \"zx\" in a headword", item.Item);
    }
    const ListContent list = parseListBytes(listFileBytes(language, text.items));
    QString items;
    for (const VocabItem &item : text.items)
        items += QStringLiteral("%1 | %2 (%3)\n").arg(item.Item, item.Description, QString::fromLatin1(item.Description.toUtf8().toHex()));
    fuzz::check(list.language == language && list.items == text.items, "the imported items survive the list file", items);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    checkRecords(bytes, u'\t');
    checkRecords(bytes, u';');
    // The file's ending decides the separator preferred: tab for .tsv, comma for .csv.
    const QString fileShown = size % 2 ? QStringLiteral("words.csv") : QStringLiteral("words.tsv");
    checkImport(bytes, QStringLiteral("Greek"), fileShown);
    checkImport(bytes, QStringLiteral("Latin"), fileShown);
    try {
        (void)store::headwordsHoldGreek(bytes, fileShown);
    } catch (const AppError &) {
    }
    return 0;
}
