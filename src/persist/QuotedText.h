#pragma once

// How an error message shows text taken from a file: in double quotes, cut
// short, with control characters written out. A damaged file must neither
// steer the terminal nor turn one message into megabytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrane {

inline constexpr std::size_t kQuotedTextChars = 60;

// "text" with \n, \r, \t, \", \\ and \xNN for other control characters and for
// bytes that are not UTF-8; longer texts keep their first `maxChars`
// characters and end in "..." (inside the quotes).
std::string QuotedText(std::string_view text, std::size_t maxChars = kQuotedTextChars);

} // namespace veltrane
