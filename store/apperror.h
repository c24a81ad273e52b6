#pragma once
// The one exception type of the program: a failure the user is told about (a file that cannot be
// opened, read, written or copied, a text that is not a colour or a number). It carries the text
// the error report shows. It is thrown where the failure happens and caught only by the guard at
// every handler boundary (platform/guard.h), which shows the report and lets the program go on.
#include <QString>
#include <exception>

class AppError : public std::exception {
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
