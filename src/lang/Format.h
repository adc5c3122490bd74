#pragma once

// Filling placeholders of texts that come from user-editable scripts. Every
// specifier is checked against its argument: a mismatch is an error, never
// undefined behaviour. Nothing here hands a script text to printf.
//
// A specifier reads  %[index:][-][width][.precision]type  as in Delphi:
//   index      0-based argument number; later specifiers without one go on
//              from the next argument
//   -          left-justify within the width
//   width      minimum width in characters, or * to take it from an Int argument
//   precision  s: at most that many characters; d u x: at least that many
//              digits; f n: digits after the point (default 2); e g:
//              significant digits (default 15); or * from an Int argument
//   type       d u x take an Int; e f g n take a Real; s takes a text;
//              %% is a percent sign. m and p are refused.
// Widths and precisions above kFormatMaxWidth are refused, so a hostile
// "%99999999d" cannot make us allocate without bound.
// Widths and precisions count characters (UTF-8 code points), not bytes, so
// a cut never splits a character.
// Reals round half away from zero on their 17-significant-digit decimal
// expansion (Delphi does the same on its 18-digit one), so 0.125 gives "0.13"
// and the double nearest 2.675 (2.67499999...) gives "2.67". The decimal
// separator is always "." and %n groups thousands with ",".
// Surplus arguments are ignored; error messages count arguments from 1.

#include "core/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrane {

using FormatArg = std::variant<std::int64_t, double, std::string>;

inline constexpr int kFormatMaxWidth = 1000;

// Delphi-style Format: %s %d %f %.2f %% with optional "-", width and precision.
Result<std::string> Format(std::string_view format, const std::vector<FormatArg>& args);

} // namespace veltrane
