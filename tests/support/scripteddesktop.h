#pragma once
// A desktop for tests: message boxes are answered from a queue of expected boxes (in order; an
// unexpected box is answered with its escape button, and fails the test when the desktop goes,
// as does an expected box never shown), the colour picker and the file dialogs from queued
// answers (none shows a window unless told to), the installed fonts from a list, and the random
// seed is fixed.
#include "platform/desktop.h"

#include <QList>
#include <QStringList>
#include <QUrl>

class ScriptedDesktop : public Desktop {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    // The next box must show this text (exactly) and is answered with answer.
    void expect(const QString &text, MsgButton answer = MsgButton::OK);
    // The next box must be the application's error report, whatever its text.
    void expectError() { m_expected.append({QString(), MsgButton::OK, true}); }
    // What went wrong: boxes not expected, expected boxes not shown. Empty when all went to plan.
    QStringList problems() const;

    MsgButton showMessage(const MessageRequest &request) override;
    std::optional<QColor> pickColour(QWidget *parent, const QColor &initial, const QString &title) override;
    std::optional<QString> pickFile(QWidget *parent, const QString &title, const QString &startPath,
                                    const QString &filter, bool save) override;
    void openUrl(const QUrl &url) override { opened.append(url); }
    QStringList installedFontFamilies() override { return fonts; }
    quint32 randomSeed() override { return seed; }
    QDateTime now() override { return clock; }

    // Expected boxes are shown for real (the program's own modal box) and answered by a key
    // pressed in the box: Return for its default button, Esc for its escape button.
    bool realBoxes = false;
    QList<MessageRequest> shown;
    QStringList fonts{QStringLiteral("SPIonic"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Liberation Serif"), QStringLiteral("Liberation Mono")};
    quint32 seed = 20210124;
    QDateTime clock{QDate(2026, 12, 10), QTime(14, 3)};
    QList<std::optional<QColor>> colourAnswers;
    QStringList pickerTitles;
    // The file dialogs: the answers in order (nothing: cancelled), and each dialog asked for.
    struct FileRequest { QString title; QString startPath; QString filter; bool save; };
    QList<std::optional<QString>> fileAnswers;
    QList<FileRequest> fileRequests;
    QList<QUrl> opened;
    // The picker and the message boxes as a desktop shows them: each a window of its own that
    // takes the activation while it is up and gives it back to the window active before.
    bool boxesTakeActivation = false;

private:
    void showStandIn(QWidget *parent) const;
    struct Expected { QString text; MsgButton answer; bool anyError = false; };
    QList<Expected> m_expected;
    QStringList m_unexpected;
};
