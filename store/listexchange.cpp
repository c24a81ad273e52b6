#include "store/listexchange.h"

#include "store/apperror.h"
#include "store/importrecords.h"
#include "store/spionic.h"
#include "store/win1252.h"

#include <QFileInfo>
#include <QMap>
#include <QStringList>

#include <algorithm>

namespace store {

namespace {

const QString Greek = QStringLiteral("Greek");
const QString ListSeparator = QStringLiteral("zx"); // the list file's own, between headword and description

QString shownName(const QString &fileShown) { return QStringLiteral("\"%1\"").arg(fileShown); }

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// ---- writing -----------------------------------------------------------------------------------

QString quoted(const QString &field)
{
    QString out = field;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

QString exportField(const QString &field, ExchangeFormat format)
{
    if (format == ExchangeFormat::Csv) {
        // The semicolon too: spreadsheets set to a semicolon separator still see two fields.
        const bool needsQuotes = std::any_of(field.begin(), field.end(), [](QChar c) {
            return c == u',' || c == u';' || c == u'"' || c == u'\t' || isLineBreak(c);
        });
        return needsQuotes ? quoted(field) : field;
    }
    // Programs that read quoted tab-separated fields take a field starting with a quote as quoted.
    return field.startsWith(u'"') ? quoted(field) : field;
}

// ---- reading: faults, gathered by cause --------------------------------------------------------------

class Faults {
public:
    void add(int line, int endLine, const QString &cause)
    {
        if (!m_byCause.contains(cause))
            m_order << cause;
        m_byCause[cause] << (endLine > line ? QStringLiteral("%1-%2").arg(line).arg(endLine) : QString::number(line));
    }
    bool isEmpty() const { return m_order.isEmpty(); }

    QString message(const QString &fileShown) const
    {
        constexpr int Shown = 10; // line numbers named per cause
        QStringList parts;
        for (const QString &cause : m_order) {
            const QStringList &lines = m_byCause[cause];
            QString where = (lines.size() == 1 && !lines.first().contains(u'-') ? QStringLiteral("line ")
                                                                                  : QStringLiteral("lines "))
                            + lines.mid(0, Shown).join(QStringLiteral(", "));
            if (lines.size() > Shown)
                where += QStringLiteral(" and %1 more").arg(lines.size() - Shown);
            parts << where + QStringLiteral(": ") + cause;
        }
        return QStringLiteral("Cannot import %1; nothing was written.\n%2")
            .arg(shownName(fileShown), parts.join(QStringLiteral(";\n")));
    }

private:
    QStringList m_order;
    QMap<QString, QStringList> m_byCause;
};

// The characters of text that a list file cannot hold, shown one by one.
QString unwritable(const QString &text)
{
    // Split by hand: QString::fromUcs4 drops a U+FEFF (as a byte-order mark), which left the
    // text shown empty and the character let through as if it could be written.
    const QString bad = unencodableCharacters(text);
    QStringList shown;
    for (qsizetype i = 0; i < bad.size(); ++i) {
        const qsizetype length = bad[i].isHighSurrogate() && i + 1 < bad.size() && bad[i + 1].isLowSurrogate() ? 2 : 1;
        shown << bad.sliced(i, length);
        i += length - 1;
    }
    return shown.join(u' ');
}

} // namespace

std::optional<ExchangeFormat> exchangeFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tsv") || suffix == QLatin1String("txt"))
        return ExchangeFormat::Tsv;
    if (suffix == QLatin1String("csv"))
        return ExchangeFormat::Csv;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ExchangeFormat::Notes;
    return std::nullopt;
}

QString separatorName(QChar separator)
{
    if (separator == u'\t')
        return QStringLiteral("tab");
    if (separator == u',')
        return QStringLiteral("comma");
    if (separator == u';')
        return QStringLiteral("semicolon");
    return QString(separator);
}

QByteArray exportListText(const QString &language, const QList<VocabItem> &items, ExchangeFormat format,
                          const QString &fileShown)
{
    Q_ASSERT(format == ExchangeFormat::Tsv || format == ExchangeFormat::Csv);
    const bool greek = language == Greek;
    const QChar sep = format == ExchangeFormat::Csv ? u',' : u'\t';
    QString text;
    QStringList withTabs;
    // The items as a save writes them and the list file gives them back: cut at a line break,
    // the empty ones left out.
    const QStringList lines = listFileLines(language, items);
    for (qsizetype k = 1; k < lines.size(); ++k) {
        const auto [headword, description] = itemFromLine(lines.at(k));
        if (format == ExchangeFormat::Tsv && (headword.contains(u'\t') || description.contains(u'\t')))
            withTabs << QStringLiteral("%1 \"%2\"").arg(k).arg(headword);
        text += exportField(greek ? spionicToUnicode(headword) : headword, format) + sep
                + exportField(description, format) + QStringLiteral("\r\n");
    }
    if (!withTabs.isEmpty())
        throw AppError(QStringLiteral("Cannot export to %1: a tab-separated file cannot hold the tab in item %2. "
                                      "Export to a .csv file instead. Nothing was written")
                           .arg(shownName(fileShown), withTabs.join(QStringLiteral(", "))));
    QByteArray bytes = format == ExchangeFormat::Csv ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    return bytes + text.toUtf8();
}

namespace {

QChar preferredSeparator(const QString &fileShown)
{
    return exchangeFormatOf(fileShown) == ExchangeFormat::Csv ? u',' : u'\t';
}

bool isGreekLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0370 && u <= 0x03FF) || (u >= 0x1F00 && u <= 0x1FFF);
}

} // namespace

bool headwordsHoldGreek(const QByteArray &bytes, const QString &fileShown)
{
    const ImportRecords read = readImportRecords(bytes, fileShown, preferredSeparator(fileShown));
    return std::any_of(read.records.begin(), read.records.end(), [](const ImportRecord &r) {
        return std::any_of(r.fields.first().begin(), r.fields.first().end(), isGreekLetter);
    });
}

ImportedText parseImportText(const QByteArray &bytes, const QString &language, const QString &fileShown)
{
    const ImportRecords read = readImportRecords(bytes, fileShown, preferredSeparator(fileShown));
    const QChar sep = read.separator;
    const bool greek = language == Greek;
    ImportedText result;
    result.encoding = read.encoding;
    result.separator = sep;
    result.skippedHeaderLines = read.skippedHeaderLines;
    Faults faults;
    int count = 0;
    int beyondFirst = 0, beyondLast = 0; // the lines of the items past the limit
    for (const ImportRecord &record : read.records) {
        if (isBlank(record))
            continue;
        if (++count > MaxItems) {
            if (!beyondFirst)
                beyondFirst = record.line;
            beyondLast = record.endLine;
            continue;
        }
        const QStringList fields = usedFields(record);
        if (fields.size() < 2) {
            faults.add(record.line, record.endLine,
                       QStringLiteral("no separator (%1) between headword and description").arg(separatorName(sep)));
            continue;
        }
        if (fields.size() > 2) {
            faults.add(record.line, record.endLine,
                       QStringLiteral("more than two fields (a %1 inside a field must be quoted)").arg(separatorName(sep)));
            continue;
        }
        bool ok = true;
        auto fault = [&](const QString &cause) {
            faults.add(record.line, record.endLine, cause);
            ok = false;
        };
        for (const QString &f : fields)
            if (std::any_of(f.begin(), f.end(), isLineBreak)) {
                fault(QStringLiteral("a line break inside a field; a list item is one line"));
                break;
            }
        if (fields[0].trimmed().isEmpty())
            fault(QStringLiteral("an empty headword"));
        if (fields[1].trimmed().isEmpty())
            fault(QStringLiteral("an empty description"));
        const QString description = fields[1].normalized(QString::NormalizationForm_C);
        const QString headword = greek && containsGreekToConvert(fields[0])
                                     ? unicodeToSpionic(fields[0])
                                     : fields[0].normalized(QString::NormalizationForm_C);
        if (const QString bad = unwritable(headword); !bad.isEmpty())
            fault(QStringLiteral("the headword holds characters a list file cannot hold: %1").arg(bad));
        if (headword.contains(ListSeparator))
            fault(QStringLiteral("the headword holds \"zx\", which separates headword and description in a list file"));
        if (const QString bad = unwritable(description); !bad.isEmpty())
            fault(QStringLiteral("the description holds characters a list file cannot hold (Windows-1252 text only): %1")
                      .arg(bad));
        if (ok)
            result.items.append({headword, description});
    }
    if (beyondFirst)
        faults.add(beyondFirst, beyondLast,
                   QStringLiteral("%1 items in all; a list holds %2 at most").arg(count).arg(MaxItems));
    if (!faults.isEmpty())
        throw AppError(faults.message(fileShown));
    return result;
}

} // namespace store
