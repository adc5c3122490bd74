#pragma once

// The "Online check for latest version" button of the options dialog: one GET
// of the version file from our web server, then "you are up to date" or an
// offer to open the installer's download address. The only network access of
// the program.

#include "game/Ports.h"
#include "lang/TextSource.h"

#include <cstdint>
#include <functional>
#include <string>

namespace veltrane {

// The version this program shows on its information page.
inline constexpr const char* kOwnVersion = "1.41a";
inline constexpr const char* kVersionFilePath = "/Freeware/Games/Veltrane/version.txt";
inline constexpr const char* kInstallerPath = "/Freeware/Games/Veltrane/vxsetup.exe";
// A version file is a handful of characters; anything this big is not one.
inline constexpr std::int64_t kMaxVersionFileBytes = 64 * 1024;

enum class TVersionOutcome {
    Latest,        // the server holds our own version
    OfferDeclined, // another version, and the player said No
    OfferOpened,   // another version, and the installer address was opened
    NoConnection,  // no answer, an error status, an oversized body, or opening failed
};

struct TVersionCheckSetup {
    const ITextSource& Script;
    IMessagePort& Messages;
    std::string Host;       // "http://veltrane.invalid" (the UpdateHost setting)
    std::string OwnVersion; // the information page's version label
    int TimeoutMs = 10000;  // for the whole exchange, so a silent or trickling server cannot hang us
    // Opens an address in the user's browser and says whether that worked.
    // Empty: QDesktopServices::openUrl.
    std::function<bool(const std::string& url)> OpenUrl{};
};

// Runs the check on the calling (user-interface) thread. Painting goes on
// while it waits; clicks and key presses wait until it is done.
TVersionOutcome CheckVersion(const TVersionCheckSetup& setup);

} // namespace veltrane
