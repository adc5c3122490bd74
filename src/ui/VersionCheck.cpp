#include "VersionCheck.h"

#include "NetworkModule.h"
#include "lang/TextCatalogue.h"
#include "persist/TextEncoding.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <cstdio>
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
// HTTP status error, on a time-out or when the body is too big to be one. A
// missing or broken network module counts as no connection; the reason goes
// to the error stream for whoever reads it.
std::optional<std::string> Fetch(const std::string& executableFolder, const std::string& url, int timeoutMs) {
    std::string error;
    const NetFetchFunction fetch = LoadNetFetch(
        executableFolder.empty() ? QCoreApplication::applicationDirPath().toStdString() : executableFolder,
        error);
    if (fetch == nullptr) {
        std::fprintf(stderr, "veltrane: %s\n", error.c_str());
        return std::nullopt;
    }
    std::string body(kMaxVersionFileBytes, '\0');
    std::int64_t size = 0;
    if (fetch(url.c_str(), timeoutMs, body.data(), kMaxVersionFileBytes, &size) != VELTRANE_NET_OK)
        return std::nullopt;
    body.resize(static_cast<std::size_t>(size));
    return body;
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

    const std::optional<std::string> body =
        Fetch(setup.ExecutableFolder, Address(setup.Host, kVersionFilePath), setup.TimeoutMs);
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
