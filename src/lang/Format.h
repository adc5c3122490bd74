#pragma once

// Filling placeholders of texts that come from user-editable scripts. Every
// specifier is checked against its argument: a mismatch is an error, never
// undefined behaviour.

#include "core/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrane {

using FormatArg = std::variant<std::int64_t, double, std::string>;

// Delphi-style Format: %s %d %f %.2f %% with optional "-", width and precision.
Result<std::string> Format(std::string_view format, const std::vector<FormatArg>& args);

} // namespace veltrane
