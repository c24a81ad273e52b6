#include "store/importrecords.h"

#include "store/apperror.h"
#include "store/win1252.h"

#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace store {

namespace {

// ---- reading: bytes to text ------------------------------------------------------------------------

int lineOfByte(const QByteArray &bytes, qsizetype offset)
{
    return int(QByteArrayView(bytes).first(offset).count('\n')) + 1;
}

struct Utf8Scan {
    qsizetype firstBad = -1;  // offset of the first byte that is not part of valid UTF-8
    qsizetype multiByte = 0;  // valid sequences of more than one byte
};

Utf8Scan scanUtf8(QByteArrayView bytes)
{
    Utf8Scan scan;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len = 0;
        unsigned char lo = 0x80, hi = 0xBF; // the range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            if (b == 0xE0)
                lo = 0xA0; // no overlong forms
            if (b == 0xED)
                hi = 0x9F; // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            if (b == 0xF0)
                lo = 0x90;
            if (b == 0xF4)
                hi = 0x8F;
        }
        bool ok = len > 0 && i + len <= n && p[i + 1] >= lo && p[i + 1] <= hi;
        for (int k = 2; ok && k < len; ++k)
            ok = p[i + k] >= 0x80 && p[i + k] <= 0xBF;
        if (!ok) {
            scan.firstBad = i;
            return scan;
        }
        ++scan.multiByte;
        i += len;
    }
    return scan;
}


struct Decoded {
    QString text;
    QString encoding;
};

// UTF-8 when the bytes are UTF-8 (or say so by their byte-order mark); Windows-1252 when they hold
// no UTF-8 sequence at all. Bytes that are neither are refused with their line.
Decoded decodeImportBytes(const QByteArray &bytes, const QString &fileShown)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        refuseImport(fileShown, QStringLiteral("it is UTF-16 text; save it as UTF-8 and import it again"));
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        refuseImport(fileShown, QStringLiteral("line %1 holds a zero byte, which is not text").arg(lineOfByte(bytes, nul)));
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = QByteArrayView(bytes).sliced(bom ? 3 : 0);
    const Utf8Scan scan = scanUtf8(body);
    if (scan.firstBad < 0)
        return {QString::fromUtf8(body), QStringLiteral("UTF-8")};
    if (bom || scan.multiByte > 0) {
        const qsizetype at = scan.firstBad + (bom ? 3 : 0);
        refuseImport(fileShown, QStringLiteral("line %1 holds a byte (0x%2) that is not UTF-8 text, while the rest of the "
                                         "file is UTF-8")
                              .arg(lineOfByte(bytes, at))
                              .arg(uint(uchar(bytes.at(at))), 2, 16, QLatin1Char('0')));
    }
    // The five bytes the code page leaves undefined.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes.at(i));
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            refuseImport(fileShown, QStringLiteral("line %1 holds a byte (0x%2) that is neither UTF-8 nor Windows-1252 text")
                                  .arg(lineOfByte(bytes, i))
                                  .arg(uint(b), 2, 16, QLatin1Char('0')));
    }
    return {decodeWin1252(bytes), QStringLiteral("Windows-1252")};
}

// ---- reading: text to records ------------------------------------------------------------------------


constexpr int MaxQuotedLines = 100;

bool endsField(QStringView text, qsizetype i, QChar sep)
{
    return i >= text.size() || text[i] == sep || text[i] == u'\r' || text[i] == u'\n';
}

struct QuotedField {
    QString text;
    qsizetype end = 0; // just after the closing quote
    int lineBreaks = 0;
};

// The field that begins with the quote at pos, when a quote followed by the separator or a line
// end closes it ("" inside is one quote); nothing when none does.
std::optional<QuotedField> readQuotedField(QStringView text, qsizetype pos, QChar sep)
{
    QuotedField field;
    qsizetype i = pos + 1;
    while (i < text.size()) {
        if (text[i] == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                field.text += u'"';
                i += 2;
                continue;
            }
            if (!endsField(text, i + 1, sep))
                return std::nullopt;
            field.end = i + 1;
            return field;
        }
        // A field of many lines is no list item: a quote that stays open that long is an
        // ordinary character, and the file is not read again and again.
        if (text[i] == u'\n' && ++field.lineBreaks > MaxQuotedLines)
            return std::nullopt;
        field.text += text[i++];
    }
    return std::nullopt;
}

// Splits text from start into records, RFC 4180 style: a field that begins with a quote runs to
// the quote that is followed by the separator or the end of a line and may span lines; a quote
// anywhere else, or one that never closes so, is an ordinary character.
QList<ImportRecord> splitRecords(QStringView text, qsizetype start, int firstLine, QChar sep)
{
    QList<ImportRecord> records;
    const qsizetype n = text.size();
    qsizetype pos = start;
    int line = firstLine;
    while (pos < n) {
        ImportRecord record;
        record.line = line;
        for (;;) {
            std::optional<QuotedField> quoted;
            if (pos < n && text[pos] == u'"')
                quoted = readQuotedField(text, pos, sep);
            if (quoted) {
                record.fields << quoted->text;
                pos = quoted->end;
                line += quoted->lineBreaks;
            } else {
                const qsizetype from = pos;
                while (!endsField(text, pos, sep))
                    ++pos;
                record.fields << text.sliced(from, pos - from).toString();
            }
            if (pos < n && text[pos] == sep) {
                ++pos;
                continue;
            }
            break;
        }
        // The line end: CR LF, LF or a lone CR.
        if (pos < n && text[pos] == u'\r')
            ++pos;
        if (pos < n && text[pos] == u'\n')
            ++pos;
        record.endLine = line;
        ++line;
        records << record;
    }
    return records;
}


// ---- reading: header lines and the separator -----------------------------------------------------

struct Header {
    qsizetype dataStart = 0;
    int dataLine = 1;
    int skipped = 0;
    std::optional<QChar> separator;
    QString badSeparator; // the value of a "#separator:" line this program does not read
};

std::optional<QChar> separatorNamed(const QString &value)
{
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("tab") || v == QLatin1String("\\t") || value == QLatin1String("\t"))
        return QChar(u'\t');
    if (v == QLatin1String("comma") || v == QLatin1String(","))
        return QChar(u',');
    if (v == QLatin1String("semicolon") || v == QLatin1String(";"))
        return QChar(u';');
    return std::nullopt;
}

// The header lines flashcard programs write at the top of their text files.
Header readHeader(QStringView text)
{
    static const QRegularExpression headerLine(
        QStringLiteral("^#\\s*(separator|html|tags|columns|notetype|deck|guid column|notetype column|"
                       "deck column|tags column|if matches)\\s*:(.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    Header header;
    while (header.dataStart < text.size()) {
        qsizetype end = text.indexOf(u'\n', header.dataStart);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(header.dataStart, end - header.dataStart);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QRegularExpressionMatch m = headerLine.match(line.toString());
        if (!m.hasMatch())
            break;
        if (m.captured(1).compare(QLatin1String("separator"), Qt::CaseInsensitive) == 0) {
            header.separator = separatorNamed(m.captured(2));
            if (!header.separator)
                header.badSeparator = m.captured(2);
        }
        ++header.skipped;
        ++header.dataLine;
        header.dataStart = end + 1;
    }
    return header;
}

// The candidate that splits the most lines into exactly two fields; on a tie the one found first
// in the first line, then the one the file's ending suggests.
QChar detectSeparator(QStringView text, const Header &header, QChar preferred)
{
    const QChar candidates[] = {u'\t', u';', u','};
    QMap<qsizetype, QChar> firstSeen; // position in the first data line -> candidate
    int best = -1;
    QList<QChar> tied;
    for (const QChar sep : candidates) {
        const QList<ImportRecord> records = splitRecords(text, header.dataStart, header.dataLine, sep);
        int score = 0;
        for (const ImportRecord &r : records)
            score += !isBlank(r) && usedFields(r).size() == 2;
        for (const ImportRecord &r : records) {
            if (isBlank(r))
                continue;
            if (r.fields.size() > 1)
                firstSeen.insert(r.fields.first().size(), sep);
            break;
        }
        if (score > best) {
            best = score;
            tied = {sep};
        } else if (score == best) {
            tied << sep;
        }
    }
    if (tied.size() == 1)
        return tied.first();
    for (auto it = firstSeen.cbegin(); it != firstSeen.cend(); ++it)
        if (tied.contains(it.value()))
            return it.value();
    return preferred;
}

} // namespace

bool isBlank(const ImportRecord &record)
{
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const QString &f) { return f.trimmed().isEmpty(); });
}

// The fields that count: trailing empty ones (a spreadsheet's empty columns) are dropped.
QStringList usedFields(const ImportRecord &record)
{
    QStringList fields = record.fields;
    while (fields.size() > 2 && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

[[noreturn]] void refuseImport(const QString &fileShown, const QString &what)
{
    throw AppError(QStringLiteral("Cannot import \"%1\": %2. Nothing was written").arg(fileShown, what));
}

ImportRecords readImportRecords(const QByteArray &bytes, const QString &fileShown, QChar preferred)
{
    const Decoded decoded = decodeImportBytes(bytes, fileShown);
    const QString &text = decoded.text;
    const Header header = readHeader(text);
    if (!header.badSeparator.isNull())
        refuseImport(fileShown, QStringLiteral("its separator \"%1\" is not one this program reads (tab, comma or semicolon)")
                              .arg(header.badSeparator.trimmed()));
    const QChar sep = header.separator ? *header.separator : detectSeparator(text, header, preferred);
    return {splitRecords(text, header.dataStart, header.dataLine, sep), decoded.encoding, sep, header.skipped};
}

} // namespace store
