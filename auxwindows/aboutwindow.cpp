#include "auxwindows/aboutwindow.h"

#include "auxwindows/aboutpictures.h"
#include "auxwindows/weblinks.h"
#include "platform/clicklabel.h"
#include "platform/desktop.h"
#include "platform/guard.h"
#include "platform/layoutstyle.h"
#include "ui_aboutwindow.h"

#include <QMouseEvent>
#include <QTextCursor>
#include <QUrl>

namespace {
const char *const Paragraphs[] = {
    "Greek and Latin are alive and well. This program was written for lovers of the classical languages "
    "\u2014 an electronic tool for creating and organising vocabulary lists in conjunction with translations "
    "and/or other notes.",
    "The interface is straightforward, and standard text editing keyboard shortcuts apply. Hover the mouse over "
    "controls for useful tips. Ctrl+Y or right-click to display the keyboard mapping for the SPIonic Greek font. "
    "Ctrl+G to enter Greek text in the Translation / Notes panel, and Ctrl+T to turn it off again. Double-click "
    "the Meaning / Description box to extend the width of this box and make more space available for editing. "
    "Press F7 to change the background colour of a window. Ctrl+Z reverses formatting changes. F1 gives a summary "
    "of useful keyboard shortcuts. The latest information (and newest program version) is available on the "
    "website.",
    "Comments and suggestions for improvement are welcome, and of course any bug reports. The program is under "
    "constant evaluation, and additional features will be added as time permits. Enjoy using Mnemora! ",
};
const char *const Signature = "\u03c7\u03b1\u1fd6\u03c1\u03b5 \u2014 vale \u2014 the Mnemora team";
const QString LineBreaks = QStringLiteral("\r\n\r\n");

// The web site as the label shows it: without the scheme and the closing slash.
QString shownAddress(QString url)
{
    url.remove(QStringLiteral("https://"));
    url.remove(QStringLiteral("http://"));
    if (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}
} // namespace

AboutWindow::AboutWindow(QWidget *mainWindow, const QString &buildDate)
    : SecondaryWindow(mainWindow, QStringLiteral("About"), QSize(684, 614)), ui(std::make_unique<Ui::AboutWindow>())
{
    ui->setupUi(this);
    applyLayoutStyle(this);
    setFixedSize(684, 614);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui->Image2->setPixmap(QPixmap::fromImage(drawOwlCoin(256)));
    ui->ImgLantern->setPixmap(QPixmap::fromImage(drawTempleLandscape(QSize(500, 136))));
    ui->ImgLantern->setToolTip(QStringLiteral("Cape Sounion at sunset, the temple of Poseidon above the Aegean"));
    ui->LblEmail->setText(weblinks::EmailAddress);
    ui->LblWebsite->setText(shownAddress(weblinks::WebsiteUrl));
    // Wide enough for the address whatever font stands in for Tahoma.
    ui->LblWebsite->resize(qMax(ui->LblWebsite->width(), ui->LblWebsite->sizeHint().width()), ui->LblWebsite->height());
    ui->LblEmail->resize(qMax(ui->LblEmail->width(), ui->LblEmail->sizeHint().width()), ui->LblEmail->height());
    connect(ui->BtnClose, &QPushButton::clicked, this, &QDialog::close);
    connectGuarded(ui->LblWebsite, &ClickLabel::clicked, this, &AboutWindow::openWebsite);
    connectGuarded(ui->LblEmail, &ClickLabel::clicked, this, &AboutWindow::writeEmail);
    for (ClickLabel *link : {ui->LblWebsite, ui->LblEmail}) {
        connect(link, &ClickLabel::mouseEntered, this, [this] { setCursor(Qt::PointingHandCursor); });
        connect(link, &ClickLabel::mouseLeft, this, [this] { unsetCursor(); });
    }
    ui->RedAbout->viewport()->installEventFilter(this);
    m_colour = std::make_unique<WindowColour>(QStringLiteral("ToolsFormColor.ini"), QStringLiteral("Set Colour: About"),
                                              QList<QWidget *>{this, ui->RedAbout});
    guarded([&] { setUp(buildDate); });
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::setUp(const QString &buildDate)
{
    ui->LblBuild->setText(QStringLiteral("Build: ") + buildDate);
    ui->LblBuild->adjustSize();
    buildAboutText();
    m_colour->LoadWindowColour();
}

void AboutWindow::buildAboutText()
{
    QTextEdit *box = ui->RedAbout;
    box->clear();
    QTextCursor cursor(box->document());
    // Green and bold from the heading on: everything after it keeps them, only the size changes.
    QTextCharFormat format;
    format.setForeground(toQColor(StringToColor(QStringLiteral("clGreen"))));
    format.setFontWeight(QFont::Bold);
    format.setFontPointSize(15);
    cursor.insertText(QStringLiteral("Welcome to Mnemora") + LineBreaks, format);
    format.setFontPointSize(13);
    for (const char *paragraph : Paragraphs)
        cursor.insertText(QString::fromUtf8(paragraph) + LineBreaks, format);
    cursor.insertText(QString::fromUtf8(Signature), format);
    box->moveCursor(QTextCursor::Start);
}

// A click in the text leaves no caret there: the focus goes to "Close".
bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->RedAbout->viewport() && event->type() == QEvent::MouseButtonRelease)
        ui->BtnClose->setFocus();
    return SecondaryWindow::eventFilter(watched, event);
}

void AboutWindow::openWebsite() { desktop().openUrl(QUrl(weblinks::WebsiteUrl)); }

void AboutWindow::writeEmail()
{
    desktop().openUrl(QUrl(QStringLiteral("mailto:") + weblinks::EmailAddress + QStringLiteral("?subject= Mnemora")));
}

void AboutWindow::colourKey() { m_colour->ChangeWindowColour(this); }
