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
// SQLite rejects); carries SQLite's result code.
class EDBEngineError : public EDatabaseError
{
public:
    EDBEngineError(const QString &message, int errorCode) : EDatabaseError(message), errorCode_(errorCode) {}
    int ErrorCode() const { return errorCode_; }

private:
    int errorCode_;
};
