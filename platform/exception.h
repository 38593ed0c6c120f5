// exception.h - the error class that commands raise and the error boundary shows.
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

/// An error with a message for the user.
class Exception : public std::exception {
public:
    explicit Exception(const QString& message);

    const QString& Message() const noexcept { return message; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString message;
    QByteArray utf8; // what() must outlive the call, so the bytes are kept here
};
