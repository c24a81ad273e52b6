#pragma once
// The boundary of every handler: a failure (AppError) ends the running handler, is shown by the
// application-wide error report, and the program goes on. No exception crosses a Qt frame.
#include "store/apperror.h"

#include <QObject>
#include <QString>
#include <concepts>
#include <exception>
#include <utility>

// The text the report shows: a full stop is added when the last character sorts after '.'.
QString errorReportText(const QString &message);
// Message box with the error text, the title "Mnemora", an error icon and OK.
void showErrorReport(const QString &message);

template <class Fn>
void guarded(Fn &&fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (const AppError &e) {
        showErrorReport(e.message());
    } catch (const std::exception &e) {
        showErrorReport(QString::fromLocal8Bit(e.what()));
    }
}

// Connects a signal to a handler (a method without arguments) that runs inside the guard.
template <class Sender, class Signal, class Receiver>
void connectGuarded(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(sender, signal, receiver, [receiver, handler] { guarded([&] { (receiver->*handler)(); }); });
}

// The same for a function object without arguments, run in the context object's thread.
template <class Sender, class Signal, std::invocable Fn>
void connectGuarded(Sender *sender, Signal signal, QObject *context, Fn fn)
{
    QObject::connect(sender, signal, context, [fn = std::move(fn)] { guarded(fn); });
}
