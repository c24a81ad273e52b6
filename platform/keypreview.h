#pragma once
// Key preview for a window: every key pressed in the window reaches the handler before the focused
// control sees it. The handler returns true to swallow the key; otherwise the control's own key
// handling runs as usual. Each key press is offered once (to the widget that has the focus).
#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(QWidget *receiver, QKeyEvent *event)>;
    KeyPreview(QWidget *window, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
    const QEvent *m_offered = nullptr;
};
