#include "net/NetFetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

extern "C" __attribute__((visibility("default"))) int
veltrane_net_fetch_v1(const char* url, int timeout_ms, char* body, int64_t capacity, int64_t* size) {
    *size = 0;
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(QUrl(QString::fromUtf8(url)));
    request.setRawHeader("User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows 98)");
    request.setRawHeader("Accept", "text/html, */*");
    // Ends a silent server; the deadline below ends one that trickles.
    request.setTransferTimeout(timeout_ms);

    // Declared after the manager so it goes first.
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // Qt stops reading from the network once this is full.
    reply->setReadBufferSize(capacity + 1);
    bool oversized = false;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 received, qint64 total) {
        if (received > capacity || total > capacity) {
            oversized = true;
            reply->abort();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    deadline.start(timeout_ms);

    // Windows keep painting meanwhile, but the player cannot click the button
    // again or close the dialog under us.
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (oversized)
        return VELTRANE_NET_OVERSIZED;
    if (reply->error() != QNetworkReply::NoError)
        return VELTRANE_NET_FAILED;
    const QByteArray received = reply->readAll();
    if (received.size() > capacity)
        return VELTRANE_NET_OVERSIZED;
    std::copy(received.cbegin(), received.cend(), body);
    *size = received.size();
    return VELTRANE_NET_OK;
}
