#include "NetworkModule.h"

#include <QFileInfo>
#include <QLibrary>

namespace veltrane {

std::vector<std::string> NetworkModuleCandidates(const std::string& executableFolder) {
    const std::string name = VELTRANE_NET_MODULE_FILE;
    return {executableFolder + "/" + name, executableFolder + "/../lib/veltrane/" + name};
}

NetFetchFunction LoadNetFetch(const std::string& executableFolder, std::string& error) {
    const std::vector<std::string> candidates = NetworkModuleCandidates(executableFolder);
    std::string tried;
    for (const std::string& path : candidates) {
        const QString file = QString::fromStdString(path);
        if (!QFileInfo(file).isFile()) {
            tried += (tried.empty() ? "" : ", ") + path;
            continue;
        }
        // Never unloaded: Qt keeps objects and plug-ins from it alive after a check.
        QLibrary library(file);
        if (!library.load()) {
            error = library.errorString().toStdString();
            return nullptr;
        }
        const QFunctionPointer entry = library.resolve(VELTRANE_NET_FETCH_SYMBOL);
        if (entry == nullptr) {
            error = path + " has no " + VELTRANE_NET_FETCH_SYMBOL;
            return nullptr;
        }
        // The module exports exactly this signature under this versioned name.
        return reinterpret_cast<NetFetchFunction>(entry);
    }
    error = "no network module (looked for " + tried + ")";
    return nullptr;
}

} // namespace veltrane
