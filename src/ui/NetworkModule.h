#pragma once

// Finds and opens the network module (see net/NetFetch.h) on the first
// version check. Nothing else of the program touches the network, so the game
// starts without Qt Network and the libraries it brings along.

#include "net/NetFetch.h"

#include <string>
#include <vector>

namespace veltrane {

using NetFetchFunction = decltype(&veltrane_net_fetch_v1);

// Where the module may be, first match wins: beside the program (the build
// tree), then ../lib/veltrane (installed: programs in <prefix>/bin or
// /usr/games, the module in <prefix>/lib/veltrane).
std::vector<std::string> NetworkModuleCandidates(const std::string& executableFolder);

// The module's fetch function. Null when there is none (not found, not
// loadable, or built for another interface); `error` then says why. A loaded
// module stays loaded until the program ends; asking again costs a look-up,
// not a load.
NetFetchFunction LoadNetFetch(const std::string& executableFolder, std::string& error);

} // namespace veltrane
