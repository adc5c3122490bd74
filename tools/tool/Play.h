#pragma once

namespace veltrane {

// veltrane-tool play --seed N [--in GAME] --out GAME [SCRIPT]
int RunPlay(int argc, char** argv);

} // namespace veltrane
