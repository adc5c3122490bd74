#include "QuotedText.h"

namespace veltrane {
namespace {

// The length of the UTF-8 character starting text[at], or 0 when the bytes there are not one.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

void AppendHex(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

} // namespace

std::string QuotedText(std::string_view text, std::size_t maxChars) {
    std::string out = "\"";
    std::size_t chars = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (chars == maxChars) {
            out += "...";
            break;
        }
        ++chars;
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x80) {
            ++at;
            if (c == '\n')
                out += "\\n";
            else if (c == '\r')
                out += "\\r";
            else if (c == '\t')
                out += "\\t";
            else if (c == '"' || c == '\\')
                (out += '\\') += static_cast<char>(c);
            else if (c < 0x20 || c == 0x7F)
                AppendHex(out, c);
            else
                out += static_cast<char>(c);
            continue;
        }
        const std::size_t length = Utf8Length(text, at);
        // U+0080 to U+009F are control characters too (the unassigned bytes of Windows-1252 become them).
        const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        if (length == 0 || c1) {
            AppendHex(out, length == 0 ? c : static_cast<unsigned char>(text[at + 1]));
            at += length == 0 ? 1 : 2;
            continue;
        }
        out.append(text.substr(at, length));
        at += length;
    }
    out += '"';
    return out;
}

} // namespace veltrane
