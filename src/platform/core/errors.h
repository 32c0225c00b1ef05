#pragma once

#include <QString>

#include <stdexcept>

// Errors of the platform layers. Each carries a message for the user (Greek where the user sees
// it) and is caught where a window shows it through the message service.
class Exception : public std::runtime_error
{
public:
    explicit Exception(const QString &message) : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString &Message() const { return message_; }

private:
    QString message_;
};

// A text that is no number or no date.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EInOutError : public Exception
{
public:
    using Exception::Exception;
};
