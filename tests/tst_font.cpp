// The SPIonic font: the committed file is what its script makes, every key draws the glyph of the
// keyboard mapping (spionic_font_check.py), and a mark typed before a capital stands at the
// capital's upper left, never over the letter and never left of where the word begins.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

QString sourcePath(const QString &relative)
{
    return QFINDTESTDATA(relative);
}

// A python3 that has fontTools: the one on PATH, or the system's (a version manager's python3
// on PATH may lack the Debian package).
QString pythonWithFontTools()
{
    QStringList candidates{QStandardPaths::findExecutable(QStringLiteral("python3")), QStringLiteral("/usr/bin/python3")};
    for (const QString &python : candidates) {
        if (python.isEmpty() || !QFile::exists(python))
            continue;
        QProcess p;
        p.start(python, {QStringLiteral("-c"), QStringLiteral("import fontTools")});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return python;
    }
    return QString();
}

// The ink of one glyph, row by row: the leftmost and rightmost inked pixel of each row (-1 where
// the row has none). x = kMargin is where the text starts.
constexpr int kMargin = 32;
struct Ink {
    std::vector<int> left, right;
    int minLeft() const
    {
        int m = INT_MAX;
        for (int x : left)
            if (x >= 0)
                m = std::min(m, x);
        return m;
    }
};

Ink inkOf(const QRawFont &raw, quint32 glyph, QPointF at, int height)
{
    QImage img(400, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(raw.pathForGlyph(glyph).translated(at + QPointF(kMargin, 0)), Qt::black);
    p.end();
    Ink ink{std::vector<int>(size_t(height), -1), std::vector<int>(size_t(height), -1)};
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            if (ink.left[size_t(y)] < 0)
                ink.left[size_t(y)] = x;
            ink.right[size_t(y)] = x;
        }
    }
    return ink;
}

// The ink of each glyph of text laid out in the font, in order.
QList<Ink> layOut(const QFont &font, const QString &text, QByteArray *gpos)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<Ink> out;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        *gpos = raw.fontTable("GPOS");
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            out.append(inkOf(raw, glyphs[i], positions[i], int(layout.boundingRect().height()) + 1));
    }
    return out;
}

} // namespace

class TestFont : public QObject
{
    Q_OBJECT

private slots:
    void matchesScriptAndMapping();
    void marksBeforeCapitalsStandLeftOfThem();
};

void TestFont::matchesScriptAndMapping()
{
    const QString checker = sourcePath(QStringLiteral("spionic_font_check.py"));
    QVERIFY(!checker.isEmpty());
    const QString python = pythonWithFontTools();
    if (python.isEmpty())
        QSKIP("no python3 with fontTools (Debian: python3-fonttools)");
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(python, {checker});
    QVERIFY(p.waitForFinished(300000));
    const QByteArray output = p.readAll();
    if (p.exitCode() == 77)
        QSKIP(output.constData());
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, output.constData());
}

void TestFont::marksBeforeCapitalsStandLeftOfThem()
{
    const QString path = sourcePath(QStringLiteral("../resources/fonts/SPIonic.ttf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    QVERIFY(id >= 0);
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(64);
    const QByteArray committedGpos = QRawFont(data, 64).fontTable("GPOS");
    QVERIFY(!committedGpos.isEmpty());

    // Breathings and accents, narrow and wide keys, alone or on the non-breaking space `7`, and
    // the apostrophe used as a smooth breathing, before each capital that takes a breathing.
    const QString marks = QStringLiteral("09/\\=12]34[)(&_~!@}#${");
    QStringList prefixes{QStringLiteral("'")};
    for (QChar m : marks)
        prefixes << QString(m) << QStringLiteral("7") + m;
    for (QChar capital : QStringLiteral("AEHIOUWR")) {
        for (const QString &prefix : prefixes) {
            const QString text = prefix + capital;
            QByteArray gpos;
            const QList<Ink> glyphs = layOut(font, text, &gpos);
            QVERIFY2(gpos == committedGpos, "another font named SPIonic is drawing; is an old one installed?");
            QCOMPARE(glyphs.size(), text.size());
            const Ink &mark = glyphs.at(text.size() - 2);
            const Ink &cap = glyphs.last();
            const QByteArray what = text.toUtf8();
            QVERIFY2(mark.minLeft() >= kMargin, what + ": the mark starts left of the pen");
            bool beside = false; // some row holds both, as the mark stands at the capital's top
            for (size_t y = 0; y < mark.left.size(); ++y) {
                if (mark.right[y] < 0 || cap.left[y] < 0)
                    continue;
                beside = true;
                QVERIFY2(mark.right[y] < cap.left[y], what + ": the mark runs into the capital");
            }
            QVERIFY2(beside, what + ": the mark is not beside the capital's top");
        }
    }
}

QTEST_MAIN(TestFont)
#include "tst_font.moc"
