#include "platform/keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) {
        // Any other event ends the delivery of the key last offered.
        m_offered = nullptr;
        return false;
    }
    // A key the handler already had, travelling on to the parents after the handler ran (perhaps a
    // modal window that moved the focus): never offered twice.
    if (event == m_offered || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (w->window() != m_window)
        return false;
    // A key that is not accepted travels on to the parents; only its first receiver counts.
    QWidget *focus = QApplication::focusWidget();
    const bool first = (focus && focus->window() == m_window) ? (w == focus) : (w == m_window);
    if (!first)
        return false;
    const bool swallow = m_handler(w, static_cast<QKeyEvent *>(event));
    m_offered = event;
    return swallow;
}
