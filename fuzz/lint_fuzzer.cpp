#include "FuzzEntries.h"

#include "../tools/tool/Lint.h"

#include <iostream>
#include <sstream>

// The lint reads the input as a script and checks it against itself as reference;
// its report goes nowhere, only crashes, hangs and leaks count.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        veltrane::fuzz::ScratchFile(std::string_view(reinterpret_cast<const char*>(data), size), ".lng");
    std::ostringstream sink;
    auto* const out = std::cout.rdbuf(sink.rdbuf());
    auto* const err = std::cerr.rdbuf(sink.rdbuf());
    std::string lint = "lint";
    std::string script = path;
    char* argv[] = {lint.data(), script.data(), nullptr};
    (void)RunLint(2, argv);
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
    return 0;
}
