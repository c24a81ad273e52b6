// The list-file reader: any bytes give a language and at most MaxItems items, and a list read and
// saved unchanged reads back the same (only items too short to be written are left out).
#include "fuzzcheck.h"
#include "store/vocablist.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace store;
    const ListContent list = parseListBytes(fuzz::bytesOf(data, size));
    fuzz::check(list.items.size() <= MaxItems, "at most MaxItems items");
    fuzz::check(!list.truncated || list.items.size() == MaxItems, "truncated only when full");

    const ListContent again = parseListBytes(listFileBytes(list.language, list.items));
    fuzz::check(again.language == list.language, "the language survives a save", list.language);
    QList<VocabItem> written;
    for (const VocabItem &item : list.items) {
        if (item.Item.size() + 2 + item.Description.size() > 3)
            written.append(item);
    }
    fuzz::check(!again.truncated, "a saved list is never truncated");
    fuzz::check(again.items.size() == written.size(), "every written item reads back");
    for (qsizetype i = 0; i < written.size(); ++i)
        fuzz::check(again.items[i] == written[i], "an item survives a save", written[i].Item + u'|' + written[i].Description);
    return 0;
}
