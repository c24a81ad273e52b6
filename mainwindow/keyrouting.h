#pragma once
// Which handler sees a key first, by the control it is meant for: the window previews every key,
// runs its own keys, then offers the key to the handler of the focused control (key down), and a
// typed character to its character handler (key press). A handler returning true takes the key
// from the control.
#include <QHash>
#include <functional>

class QKeyEvent;
class QWidget;

class KeyRouting {
public:
    using Handler = std::function<bool(QKeyEvent *)>;

    void route(QWidget *control, Handler keyDown, Handler keyPress = {});
    // True when a handler took the key.
    bool dispatch(QWidget *control, QKeyEvent *event) const;

private:
    struct Route {
        Handler keyDown;
        Handler keyPress;
    };
    QHash<const QWidget *, Route> m_routes;
};
