#include "TextEncoding.h"

#include <cstdint>
#include <cstring>

namespace veltrane {
namespace {

// 0x80..0x9F of Windows-1252; the unassigned bytes map to their C1 controls.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr std::string_view kBom = kUtf8Bom;

void AppendCp1252(std::string& out, unsigned char c) {
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0xA0)
        AppendUtf8(out, kHighControls[c - 0x80]);
    else
        AppendUtf8(out, c); // 0xA0..0xFF are Latin-1
}

// The length of the well-formed UTF-8 character at p (p < end), or 0.
int Utf8Length(const unsigned char* p, const unsigned char* end) {
    const unsigned char c = *p;
    if (c < 0x80)
        return 1;
    int extra = 0;
    char32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        extra = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        extra = 2;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return 0; // a stray continuation byte, an overlong lead or beyond Unicode
    }
    if (end - p <= extra)
        return 0;
    for (int i = 1; i <= extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    // Overlong three- and four-byte forms, surrogates and code points past U+10FFFF.
    if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    return extra + 1;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        // Runs of plain ASCII, eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ull) != 0)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const int length = Utf8Length(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes)
        AppendCp1252(out, static_cast<unsigned char>(ch));
    return out;
}

std::string ToValidUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (const int length = Utf8Length(p, end); length > 0) {
            out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(length));
            p += length;
        } else {
            AppendCp1252(out, *p++); // the next byte may start a character again
        }
    }
    return out;
}

std::string DecodeTextFile(std::string bytes) {
    if (std::string_view(bytes).substr(0, kBom.size()) == kBom) {
        if (IsValidUtf8(std::string_view(bytes).substr(kBom.size())))
            return bytes.substr(kBom.size());
        return Cp1252ToUtf8(bytes);
    }
    if (IsValidUtf8(bytes))
        return bytes;
    return Cp1252ToUtf8(bytes);
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue; // continuation bytes belong to the character before
        if (chars == maxChars)
            return text.substr(0, i);
        ++chars;
    }
    return text;
}

} // namespace veltrane
