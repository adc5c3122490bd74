#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltrane::fuzz::SavedGameEntry(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
