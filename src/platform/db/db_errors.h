#pragma once

#include "platform/core/errors.h"

// An error of a dataset operation the user can understand: a key violation, a required field
// left empty, a value that does not fit its field, a filter that does not parse.
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

// An error reported by the storage engine itself (a file that cannot be opened, a statement
// SQLite rejects): the message tells the user what happened and what to do; the result code and
// the detail (SQLite's own text and the statement or file it concerns) are for the log and for
// code that words the error anew.
class EDBEngineError : public EDatabaseError
{
public:
    EDBEngineError(const QString &message, int errorCode, const QString &detail = QString())
        : EDatabaseError(message), errorCode_(errorCode), detail_(detail)
    {
    }
    int ErrorCode() const { return errorCode_; }
    const QString &Detail() const { return detail_; }

private:
    int errorCode_;
    QString detail_;
};
