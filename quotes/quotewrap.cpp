#include "quotes/quotewrap.h"

#include <QFontMetricsF>
#include <QStringList>

namespace {
QString wrapLine(const QString &line, const QFontMetricsF &metrics, qreal width)
{
    QString out;
    QString current; // the visual line being filled
    int i = 0;
    const int n = int(line.size());
    while (i < n && line.at(i) == QLatin1Char(' '))
        current += line.at(i++); // indentation of a verse that begins in mid-line
    while (i < n) {
        int end = i;
        while (end < n && line.at(end) != QLatin1Char(' '))
            ++end;
        int next = end;
        while (next < n && line.at(next) == QLatin1Char(' '))
            ++next;
        const QString word = line.mid(i, end - i);
        const QString blanks = line.mid(end, next - end);
        const bool lineHasWord = !current.trimmed().isEmpty();
        if (lineHasWord && metrics.horizontalAdvance(current + word) > width) {
            out += current + QChar(QChar::LineSeparator);
            current.clear();
        }
        current += word + blanks;
        i = next;
    }
    return out + current;
}
} // namespace

QString wrapAtBlanks(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = wrapLine(line, metrics, width);
    return lines.join(QLatin1Char('\n'));
}
