#pragma once

#include "platform/core/errors.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

// A web page fetched with one HTTP GET. The call blocks its caller but lets the program's events
// run while it waits, so a progress window stays responsive and its cancel button is heard.

// A page that could not be fetched: a failed connection, an error status, no answer within the
// time limit, or a stop asked for by the user.
class ENetError : public Exception
{
public:
    enum class TKind
    {
        Failed,
        TimedOut,
        Cancelled,
    };

    ENetError(TKind kind, const QString &message) : Exception(message), kind_(kind) {}

    TKind Kind() const { return kind_; }

private:
    TKind kind_;
};

struct THttpPage
{
    QUrl Url; // where the page was finally found, after any redirections
    QByteArray Body;
    QString ContentType; // the "Content-Type" header as sent
};

// Fetches the address. The whole answer must arrive within timeoutMs milliseconds; cancelled is
// asked a few times a second and a true answer stops the fetch. Raises ENetError.
THttpPage HttpGet(const QUrl &url, int timeoutMs, const std::function<bool()> &cancelled = {});

// Fetches the address into the file. The body is written beside the file and put in its place
// only when the answer is complete and successful, so a failed or cut transfer leaves no file and
// an older one intact. progress gets the bytes received so far and the bytes announced (-1 when
// the server names no length). The time limit covers the whole transfer. Raises ENetError.
using HttpProgress = std::function<void(qint64 received, qint64 total)>;
void HttpGetToFile(const QUrl &url, const QString &filePath, int timeoutMs, const HttpProgress &progress = {},
                   const std::function<bool()> &cancelled = {});
