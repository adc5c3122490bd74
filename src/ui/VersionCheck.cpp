#include "VersionCheck.h"

#include "lang/TextCatalogue.h"
#include "persist/TextEncoding.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

namespace veltrane {
namespace {

// A host written with a trailing slash must not give "//Freeware".
std::string Address(std::string host, const char* path) {
    while (!host.empty() && host.back() == '/')
        host.pop_back();
    return host + path;
}

// The body of the version file, or nothing on any connection, protocol or
// HTTP status error, on a time-out or when the body is too big to be one.
std::optional<std::string> Fetch(const std::string& url, int timeoutMs) {
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setRawHeader("User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows 98)");
    request.setRawHeader("Accept", "text/html, */*");
    // Ends a silent server; the deadline below ends one that trickles.
    request.setTransferTimeout(timeoutMs);

    // Declared after the manager so it goes first.
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // Qt stops reading from the network once this is full.
    reply->setReadBufferSize(kMaxVersionFileBytes + 1);
    bool oversized = false;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 received, qint64 total) {
        if (received > kMaxVersionFileBytes || total > kMaxVersionFileBytes) {
            oversized = true;
            reply->abort();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    deadline.start(timeoutMs);

    // Windows keep painting meanwhile, but the player cannot click the button
    // again or close the dialog under us.
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (oversized || reply->error() != QNetworkReply::NoError)
        return std::nullopt;
    const QByteArray body = reply->readAll();
    if (body.size() > kMaxVersionFileBytes)
        return std::nullopt;
    return body.toStdString();
}

bool OpenInBrowser(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace

TVersionOutcome CheckVersion(const TVersionCheckSetup& setup) {
    const auto noConnection = [&] {
        setup.Messages.ShowMessDlg(Lookup(setup.Script, texts::NoConnection), "", TMessageKind::Info);
        return TVersionOutcome::NoConnection;
    };

    const std::optional<std::string> body = Fetch(Address(setup.Host, kVersionFilePath), setup.TimeoutMs);
    if (!body)
        return noConnection();
    // The whole text must match, byte for byte: a trailing line break or an
    // older number still counts as another version.
    if (*body == setup.OwnVersion) {
        setup.Messages.ShowMessDlg(Lookup(setup.Script, texts::GotLatestVersion), "", TMessageKind::Info);
        return TVersionOutcome::Latest;
    }
    const std::string offer = FormatTextOrDefault(setup.Script, texts::NewerVersion, {DecodeTextFile(*body)});
    if (!setup.Messages.ShowMessDlg(offer, "", TMessageKind::Confirm))
        return TVersionOutcome::OfferDeclined;

    const std::string installer = Address(setup.Host, kInstallerPath);
    const bool opened = setup.OpenUrl ? setup.OpenUrl(installer) : OpenInBrowser(installer);
    return opened ? TVersionOutcome::OfferOpened : noConnection();
}

} // namespace veltrane
