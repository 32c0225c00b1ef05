#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <functional>
#include <memory>

// A web server on the loopback address for one test: it answers GET requests for the pages it was
// given, leaves "silent" pages unanswered (a page that never comes), answers 404 for the rest, and
// remembers the paths asked for. It runs in the test's own thread, on the events the fetch lets run.
class TestHttpServer
{
public:
    TestHttpServer()
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection())
                Accept(socket);
        });
    }

    void Serve(const QString &path, const QByteArray &body, const QByteArray &contentType = "text/html")
    {
        pages_.insert(path, {body, contentType});
    }
    void Silent(const QString &path) { silent_.append(path); }
    // Announces a longer body than it sends, then closes the connection: a transfer cut short.
    void ServeCut(const QString &path, const QByteArray &body, qsizetype announcedLength)
    {
        pages_.insert(path, {body, "application/octet-stream", announcedLength});
    }
    // Called with the path of every request as it arrives, before the answer.
    void OnRequest(std::function<void(const QString &)> hook) { hook_ = std::move(hook); }

    QUrl Url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    const QStringList &Requested() const { return requested_; }

private:
    struct Page
    {
        QByteArray body;
        QByteArray contentType;
        qsizetype announcedLength = -1; // -1: the body's own length
    };

    void Accept(QTcpSocket *socket)
    {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> words = received->left(received->indexOf("\r\n")).split(' ');
            const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
            received->clear();
            requested_.append(path);
            if (hook_)
                hook_(path);
            if (silent_.contains(path))
                return;
            const auto page = pages_.constFind(path);
            const QByteArray status = page == pages_.cend() ? "404 Not Found" : "200 OK";
            const QByteArray body = page == pages_.cend() ? QByteArray("missing") : page->body;
            const QByteArray type = page == pages_.cend() ? QByteArray("text/plain") : page->contentType;
            const qsizetype length =
                page == pages_.cend() || page->announcedLength < 0 ? body.size() : page->announcedLength;
            socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
                          QByteArray::number(length) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QHash<QString, Page> pages_;
    QStringList silent_;
    QStringList requested_;
    std::function<void(const QString &)> hook_;
};
