#pragma once
// Choosing, opening and leaving a list with the list selector, and the shared timer (the prompt
// animation, later the font-list and update-mode blinks).
#include <QObject>
#include <QStringList>
#include <QTimer>

struct MainContext;

class ListSelection : public QObject {
    Q_OBJECT
public:
    explicit ListSelection(MainContext &context);

    static const QStringList &promptEntries();
    const QStringList &listNames() const { return m_listNames; }
    const QTimer &timer() const { return m_timer1; }
    // The selector shows the prompt (no list chosen).
    bool promptShown() const { return m_promptShown; }

    void start(); // at creation: the prompt shown and animated
    void stopTimer() { m_timer1.stop(); }
    void startTimer(int interval = 0)
    {
        if (interval > 0)
            m_timer1.setInterval(interval);
        m_timer1.start();
    }
    // The prompt entries shown and animated by the timer, or taken away (entries and text).
    void showPrompt();
    void hidePrompt();
    void SaveList();
    void EnumerateLists();
    void CmbWorkDropDown();
    void CmbWorkClick();
    void CmbWorkCloseUp();
    void OpenList();
    void ResetToNoList();
    void Timer1Timer();

private:
    void LoadList(const QString &name, QByteArray *notes, bool *notesFound);

    MainContext &c;
    QStringList m_listNames;
    QTimer m_timer1;
    bool m_promptShown = true;
    QString m_skippedReported;
};
