#include "platform/net/http_get.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace {

// How often a waiting fetch asks whether the user wants to stop.
constexpr int kCancelPollMs = 50;

} // namespace

THttpPage HttpGet(const QUrl &url, int timeoutMs, const std::function<bool()> &cancelled)
{
    if (!url.isValid() || url.isRelative())
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Η διεύθυνση \"%1\" δεν είναι έγκυρη").arg(url.toString()));
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

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
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    poll.start(kCancelPollMs);
    if (!reply->isFinished())
        loop.exec();

    if (!reply->isFinished()) {
        reply->abort();
        if (stopped)
            throw ENetError(ENetError::TKind::Cancelled, QString::fromUtf8("Η λήψη διακόπηκε"));
        throw ENetError(ENetError::TKind::TimedOut,
                        QString::fromUtf8("Η σελίδα %1 δεν απάντησε μέσα σε %2 δευτερόλεπτα")
                            .arg(url.toString())
                            .arg((timeoutMs + 999) / 1000));
    }
    if (reply->error() != QNetworkReply::NoError) {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const QString cause =
            status.isValid() ? QString::fromUtf8("απάντηση %1").arg(status.toInt()) : reply->errorString();
        throw ENetError(ENetError::TKind::Failed,
                        QString::fromUtf8("Η σελίδα %1 δεν φορτώθηκε (%2)").arg(url.toString(), cause));
    }
    return {reply->url(), reply->readAll(), reply->header(QNetworkRequest::ContentTypeHeader).toString()};
}
