// The control words the RTF reader knows, looked up by name.
#include "platform/rtfkeywords.h"

#include <unordered_map>

namespace rtf::detail {

namespace {

struct WordEntry {
    std::string_view name;
    Kw kw;
};

// Destinations whose content is never shown, whether or not the producer marked them with \*.
constexpr std::string_view kSkippedDestinations[] = {
    "annotation", "atnauthor", "atndate", "atnicn", "atnid", "atnref", "atrfend", "atrfstart",
    "author", "background", "bkmkend", "bkmkstart", "buptim", "category", "colorschememapping",
    "comment", "company", "creatim", "datastore", "defchp", "defpap", "doccomm", "docvar",
    "falt", "filetbl", "fldinst", "fldtype", "footer", "footerf", "footerl", "footerr",
    "ftncn", "ftnsep", "ftnsepc", "aftncn", "aftnsep", "aftnsepc", "generator",
    "header", "headerf", "headerl", "headerr", "hlinkbase", "info", "keywords", "latentstyles",
    "listoverridetable", "listtable", "manager", "mmathPr", "nonshppict", "objalias",
    "objclass", "objdata", "objitem", "objname", "objsect", "objtime", "operator", "panose",
    "pgdsctbl", "pict", "pn", "pntxta", "pntxtb", "printim", "private", "revtbl", "revtim",
    "rsidtbl", "shppict", "shprslt", "sn", "sp", "stylesheet", "subject", "sv", "tc", "tcn",
    "template", "themedata", "title", "txe", "userprops", "xe", "xmlnstbl",
};

constexpr WordEntry kWords[] = {
    {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca},
    {"ansicpg", Kw::AnsiCpg}, {"deff", Kw::Deff}, {"uc", Kw::Uc}, {"u", Kw::U},
    {"bin", Kw::Bin}, {"object", Kw::Object}, {"upr", Kw::Upr}, {"result", Kw::Result},
    {"ud", Kw::Ud}, {"fonttbl", Kw::FontTbl}, {"colortbl", Kw::ColorTbl}, {"f", Kw::F},
    {"fcharset", Kw::FCharset}, {"cpg", Kw::Cpg}, {"red", Kw::Red}, {"green", Kw::Green},
    {"blue", Kw::Blue}, {"fs", Kw::Fs}, {"cf", Kw::Cf}, {"b", Kw::B}, {"i", Kw::I},
    {"ul", Kw::Ul}, {"uld", Kw::Ul}, {"uldash", Kw::Ul}, {"uldashd", Kw::Ul},
    {"uldashdd", Kw::Ul}, {"uldb", Kw::Ul}, {"ulhwave", Kw::Ul}, {"ulldash", Kw::Ul},
    {"ulth", Kw::Ul}, {"ulthd", Kw::Ul}, {"ulthdash", Kw::Ul}, {"ulthdashd", Kw::Ul},
    {"ulthdashdd", Kw::Ul}, {"ulthldash", Kw::Ul}, {"ululdbwave", Kw::Ul}, {"ulw", Kw::Ul},
    {"ulwave", Kw::Ul}, {"ulnone", Kw::UlNone}, {"strike", Kw::Strike},
    {"striked", Kw::Strike}, {"v", Kw::V}, {"plain", Kw::Plain}, {"pard", Kw::Pard},
    {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr}, {"qj", Kw::Qj}, {"qd", Kw::Qj},
    {"par", Kw::Par}, {"row", Kw::Row}, {"sect", Kw::Sect}, {"page", Kw::Sect},
    {"line", Kw::Line}, {"tab", Kw::Tab}, {"cell", Kw::Cell}, {"nestcell", Kw::Cell},
    {"emdash", Kw::EmDash}, {"endash", Kw::EnDash}, {"emspace", Kw::EmSpace},
    {"enspace", Kw::EnSpace}, {"qmspace", Kw::QmSpace}, {"bullet", Kw::Bullet},
    {"lquote", Kw::LQuote}, {"rquote", Kw::RQuote}, {"ldblquote", Kw::LDblQuote},
    {"rdblquote", Kw::RDblQuote}, {"zwj", Kw::Zwj}, {"zwnj", Kw::Zwnj},
    {"ltrmark", Kw::LtrMark}, {"rtlmark", Kw::RtlMark}, {"footnote", Kw::Footnote},
    {"chftn", Kw::Chftn}, {"chpgn", Kw::Chpgn}, {"shpinst", Kw::ShapeText}, {"shptxt", Kw::ShapeText},
    {"pntext", Kw::ListText}, {"listtext", Kw::ListText}, {"column", Kw::Column},
    {"highlight", Kw::Highlight}, {"chcbpat", Kw::Highlight}, {"cbpat", Kw::Cbpat},
};

const std::unordered_map<std::string_view, Kw> &wordMap()
{
    static const auto map = [] {
        std::unordered_map<std::string_view, Kw> m;
        for (const WordEntry &w : kWords)
            m.emplace(w.name, w.kw);
        for (std::string_view d : kSkippedDestinations)
            m.emplace(d, Kw::SkipDest);
        return m;
    }();
    return map;
}

} // namespace

Kw keyword(std::string_view name)
{
    const auto &map = wordMap();
    const auto it = map.find(name);
    return it == map.end() ? Kw::Unknown : it->second;
}

char16_t symbolChar(Kw kw)
{
    switch (kw) {
    case Kw::EmDash: return 0x2014;
    case Kw::EnDash: return 0x2013;
    case Kw::EmSpace: return 0x2003;
    case Kw::EnSpace: return 0x2002;
    case Kw::QmSpace: return 0x2005;
    case Kw::Bullet: return 0x2022;
    case Kw::LQuote: return 0x2018;
    case Kw::RQuote: return 0x2019;
    case Kw::LDblQuote: return 0x201C;
    case Kw::RDblQuote: return 0x201D;
    case Kw::Zwj: return 0x200D;
    case Kw::Zwnj: return 0x200C;
    case Kw::LtrMark: return 0x200E;
    case Kw::RtlMark: return 0x200F;
    default: return 0;
    }
}

} // namespace rtf::detail
