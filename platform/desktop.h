#pragma once
// What the desktop provides to the program, behind one interface: message boxes, the colour
// picker, the file dialogs, opening a web or mail address, the installed-font list, the seed of the random
// generator and the time. The program uses the real desktop; tests install a scripted one.
#include <QColor>
#include <QDateTime>
#include <QFlags>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QUrl;

enum class MsgKind { Warning, Error, Information, Confirmation };
// Greek and Latin: the question which language a list is in. Reload and Overwrite: the question
// what to do when the open list's files were changed on disk by someone else.
enum class MsgButton { None = 0, Yes = 1, No = 2, OK = 4, Cancel = 8, Greek = 16, Latin = 32, Reload = 64, Overwrite = 128 };
Q_DECLARE_FLAGS(MsgButtons, MsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MsgButtons)

struct MessageRequest {
    QWidget *parent = nullptr; // the box is centred over this window
    QString title;
    QString text;
    MsgKind kind = MsgKind::Information;
    MsgButtons buttons = MsgButton::OK;
    MsgButton defaultButton = MsgButton::OK;
    MsgButton escapeButton = MsgButton::OK;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // Shows a modal box and returns the button pressed (Cancel when closed by its title bar).
    virtual MsgButton showMessage(const MessageRequest &request) = 0;
    // The colour picker in its basic form; nothing when the user cancels.
    virtual std::optional<QColor> pickColour(QWidget *parent, const QColor &initial, const QString &title) = 0;
    // The file dialog: a file to read (save false) or the name of one to write (save true; the
    // dialog asks before a file there is replaced). startPath: the folder or file it starts at;
    // filter as QFileDialog takes it. Nothing when the user cancels.
    virtual std::optional<QString> pickFile(QWidget *parent, const QString &title, const QString &startPath,
                                            const QString &filter, bool save) = 0;
    // Opens a web or mailto: address with the desktop's program for it; throws AppError when none opens it.
    virtual void openUrl(const QUrl &url) = 0;
    virtual QStringList installedFontFamilies() = 0;
    // Seed for the program's one random generator (the clock in the program).
    virtual quint32 randomSeed() = 0;
    // The local time, as names of kept copies show it.
    virtual QDateTime now() { return QDateTime::currentDateTime(); }
};

// The desktop in force. The program's own implementation is used unless one was installed.
Desktop &desktop();
// Installs another implementation (tests); nullptr restores the program's own.
void setDesktop(Desktop *replacement);

class SystemDesktop : public Desktop {
public:
    MsgButton showMessage(const MessageRequest &request) override;
    std::optional<QColor> pickColour(QWidget *parent, const QColor &initial, const QString &title) override;
    std::optional<QString> pickFile(QWidget *parent, const QString &title, const QString &startPath,
                                    const QString &filter, bool save) override;
    void openUrl(const QUrl &url) override;
    QStringList installedFontFamilies() override;
    quint32 randomSeed() override;
};
