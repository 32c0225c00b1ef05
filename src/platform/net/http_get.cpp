#include "platform/net/http_get.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

#include <memory>

namespace {

// How often a waiting fetch asks whether the user wants to stop.
constexpr int kCancelPollMs = 50;

std::unique_ptr<QNetworkReply> StartGet(QNetworkAccessManager &manager, const QUrl &url)
{
    if (!url.isValid() || url.isRelative())
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Η διεύθυνση \"%1\" δεν είναι έγκυρη").arg(url.toString()));
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return std::unique_ptr<QNetworkReply>(manager.get(request));
}

// Lets the program's events run until the answer is complete; raises ENetError for a stop, the
// time limit or a failed answer.
void WaitForAnswer(QNetworkReply &reply, const QUrl &url, int timeoutMs,
                   const std::function<bool()> &cancelled)
{
    QEventLoop loop;
    bool stopped = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (cancelled && cancelled()) {
            stopped = true;
            loop.quit();
        }
    });
    QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    poll.start(kCancelPollMs);
    if (!reply.isFinished())
        loop.exec();

    if (!reply.isFinished()) {
        reply.abort();
        if (stopped)
            throw ENetError(ENetError::TKind::Cancelled, QString::fromUtf8("Η λήψη διακόπηκε"));
        throw ENetError(ENetError::TKind::TimedOut,
                        QString::fromUtf8("Η σελίδα %1 δεν απάντησε μέσα σε %2 δευτερόλεπτα")
                            .arg(url.toString())
                            .arg((timeoutMs + 999) / 1000));
    }
    if (reply.error() != QNetworkReply::NoError) {
        const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const QString cause = status.isValid() && status.toInt() >= 400
                                  ? QString::fromUtf8("απάντηση %1").arg(status.toInt())
                                  : reply.errorString();
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Η σελίδα %1 δεν φορτώθηκε (%2)").arg(url.toString(), cause));
    }
}

} // namespace

THttpPage HttpGet(const QUrl &url, int timeoutMs, const std::function<bool()> &cancelled)
{
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> reply = StartGet(manager, url);
    WaitForAnswer(*reply, url, timeoutMs, cancelled);
    return {reply->url(), reply->readAll(), reply->header(QNetworkRequest::ContentTypeHeader).toString()};
}

void HttpGetToFile(const QUrl &url, const QString &filePath, int timeoutMs, const HttpProgress &progress,
                   const std::function<bool()> &cancelled)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Δεν είναι δυνατή η δημιουργία του αρχείου %1").arg(filePath));
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> reply = StartGet(manager, url);
    qint64 received = 0;
    bool written = true;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        written = written && file.write(chunk) == chunk.size();
    });
    if (progress)
        QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
                         [&](qint64 done, qint64 total) { progress(done, total); });
    WaitForAnswer(*reply, url, timeoutMs, cancelled);
    const QByteArray rest = reply->readAll();
    received += rest.size();
    written = written && file.write(rest) == rest.size();

    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != received)
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Η λήψη του %1 διακόπηκε: ήρθαν %2 από %3 bytes")
                            .arg(url.toString())
                            .arg(received)
                            .arg(announced.toLongLong()));
    if (!written || !file.commit())
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Δεν είναι δυνατή η εγγραφή του αρχείου %1").arg(filePath));
}
