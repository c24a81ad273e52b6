#include "support/scripteddesktop.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

ScriptedDesktop::ScriptedDesktop() { setDesktop(this); }

ScriptedDesktop::~ScriptedDesktop()
{
    setDesktop(nullptr);
    // A box nobody expected, or one expected and never shown, fails the test that ran.
    const QStringList found = problems();
    if (!found.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("message boxes: ") + found.join(QStringLiteral("; "))), __FILE__, __LINE__);
}

void ScriptedDesktop::expect(const QString &text, MsgButton answer) { m_expected.append({text, answer, false}); }

QStringList ScriptedDesktop::problems() const
{
    QStringList out = m_unexpected;
    for (const Expected &e : m_expected)
        out << QStringLiteral("expected box not shown: \"%1\"").arg(e.anyError ? QStringLiteral("(error report)") : e.text);
    return out;
}

void ScriptedDesktop::showStandIn(QWidget *parent) const
{
    if (!boxesTakeActivation)
        return;
    QWidget *before = QApplication::activeWindow();
    QDialog box(parent);
    box.setModal(true);
    box.show();
    QApplication::setActiveWindow(&box);
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.hide();
    if (before) {
        QApplication::setActiveWindow(before);
        QVERIFY(QTest::qWaitForWindowActive(before));
    }
}

MsgButton ScriptedDesktop::showMessage(const MessageRequest &request)
{
    shown.append(request);
    showStandIn(request.parent);
    const bool matches = !m_expected.isEmpty()
                         && (m_expected.first().anyError ? request.title == QLatin1String("Mnemora")
                                                         : m_expected.first().text == request.text);
    if (!matches) {
        m_unexpected << QStringLiteral("unexpected box: \"%1\" (%2)").arg(request.text, request.title);
        return request.escapeButton;
    }
    const Expected e = m_expected.takeFirst();
    if (!request.buttons.testFlag(e.answer))
        m_unexpected << QStringLiteral("box \"%1\" has no such button to answer with").arg(request.text);
    if (realBoxes && (e.answer == request.defaultButton || e.answer == request.escapeButton)) {
        const int key = e.answer == request.defaultButton ? Qt::Key_Return : Qt::Key_Escape;
        QTimer::singleShot(50, [key] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key(key));
        });
        SystemDesktop system;
        return system.showMessage(request);
    }
    return e.answer;
}

std::optional<QColor> ScriptedDesktop::pickColour(QWidget *parent, const QColor &, const QString &title)
{
    pickerTitles << title;
    showStandIn(parent);
    if (colourAnswers.isEmpty())
        return std::nullopt;
    return colourAnswers.takeFirst();
}

std::optional<QString> ScriptedDesktop::pickFile(QWidget *parent, const QString &title, const QString &startPath,
                                                 const QString &filter, bool save)
{
    fileRequests.append({title, startPath, filter, save});
    showStandIn(parent);
    if (fileAnswers.isEmpty())
        return std::nullopt;
    return fileAnswers.takeFirst();
}
