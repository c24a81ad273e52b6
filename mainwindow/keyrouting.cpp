#include "mainwindow/keyrouting.h"

#include "platform/guard.h"

#include <QKeyEvent>

void KeyRouting::route(QWidget *control, Handler keyDown, Handler keyPress)
{
    m_routes.insert(control, Route{std::move(keyDown), std::move(keyPress)});
}

bool KeyRouting::dispatch(QWidget *control, QKeyEvent *event) const
{
    const auto found = m_routes.constFind(control);
    if (found == m_routes.constEnd())
        return false;
    bool taken = false;
    if (found->keyDown)
        guarded([&] { taken = found->keyDown(event); });
    if (!taken && found->keyPress && !event->text().isEmpty())
        guarded([&] { taken = found->keyPress(event); });
    return taken;
}
