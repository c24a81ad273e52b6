// The SPIonic font installed beside the program is found in a prefix that fontconfig does not
// search (/opt/mnemora), and its absence still leaves the family unknown, so the main window
// reports the missing font.
//
// The run's fontconfig is the system's with SPIonic rejected: the test behaves the same whether
// or not this machine has the font installed (CI may have it in ~/.local/share/fonts).
#include "platform/fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

class TestBundledFont : public QObject {
    Q_OBJECT

public:
    // Runs before the application object exists, while fontconfig can still be pointed elsewhere.
    static void initMain();

private slots:
    void initTestCase();
    void nothingUsableBesideTheProgram();
    void loadedFromAnOptPrefix();
    void aKnownFamilyIsNotLoadedAgain();

private:
    // <root>/bin, and the font file where the install rules put it when fontData is not empty.
    QString programFolder(const QString &root, const QByteArray &fontData);

    QTemporaryDir m_tmp;
    QByteArray m_font;
};

void TestBundledFont::initMain()
{
    static QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("fonts.conf"));
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(conf));
    f.write(QStringLiteral(
                R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <cachedir>%1</cachedir>
  <selectfont><rejectfont><pattern><patelt name="family"><string>SPIonic</string></patelt></pattern></rejectfont></selectfont>
</fontconfig>
)")
                .arg(dir.filePath(QStringLiteral("cache")))
                .toUtf8());
    f.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(conf));
}

void TestBundledFont::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    QFile source(QFINDTESTDATA("../resources/fonts/SPIonic.ttf"));
    QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(source.fileName()));
    m_font = source.readAll();
    QVERIFY(!QFontDatabase::families().isEmpty()); // the system's fonts are still there
    if (fontInstalled(QStringLiteral("SPIonic"), QFontDatabase::families()))
        QSKIP("fontconfig still lists SPIonic although this run rejects it");
}

QString TestBundledFont::programFolder(const QString &root, const QByteArray &fontData)
{
    QDir dir(m_tmp.filePath(root));
    if (!dir.mkpath(QStringLiteral("bin")) || !dir.mkpath(QStringLiteral("share/fonts/mnemora")))
        return {};
    if (!fontData.isEmpty()) {
        QFile f(dir.filePath(QStringLiteral("share/fonts/mnemora/SPIonic.ttf")));
        if (!f.open(QIODevice::WriteOnly) || f.write(fontData) != fontData.size())
            return {};
    }
    return dir.filePath(QStringLiteral("bin"));
}

void TestBundledFont::nothingUsableBesideTheProgram()
{
    const QString bare = programFolder(QStringLiteral("bare/opt/mnemora"), {});
    QVERIFY(!bare.isEmpty());
    QVERIFY(loadBundledFonts(bare).isEmpty());
    // A file of that name that is not a font adds nothing.
    const QString damaged = programFolder(QStringLiteral("damaged/opt/mnemora"), QByteArrayLiteral("<html>moved</html>\n"));
    QVERIFY(!damaged.isEmpty());
    QVERIFY(loadBundledFonts(damaged).isEmpty());
    QVERIFY(!fontInstalled(QStringLiteral("SPIonic"), QFontDatabase::families()));
}

void TestBundledFont::loadedFromAnOptPrefix()
{
    const QString bin = programFolder(QStringLiteral("opt/mnemora"), m_font);
    QVERIFY(!bin.isEmpty());
    QCOMPARE(loadBundledFonts(bin), QStringList{QStringLiteral("SPIonic")});
    // What the main window checks at start, and what it then draws the Greek with.
    QVERIFY(fontInstalled(QStringLiteral("SPIonic"), QFontDatabase::families()));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("SPIonic"))).family(), QStringLiteral("SPIonic"));
}

void TestBundledFont::aKnownFamilyIsNotLoadedAgain()
{
    const QString other = programFolder(QStringLiteral("other/opt/mnemora"), m_font);
    QVERIFY(!other.isEmpty());
    QVERIFY(loadBundledFonts(other).isEmpty());
    QCOMPARE(QFontDatabase::families().count(QStringLiteral("SPIonic")), 1);
}

QTEST_MAIN(TestBundledFont)
#include "tst_bundledfont.moc"
