#include "lang/Format.h"

#include "persist/QuotedText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace veltrane {
namespace {

// A real as a run of decimal digits: value = 0.Digits × 10^Exponent.
struct TDecimal {
    bool Negative = false;
    std::string Digits; // no leading zeros unless the value is zero ("0")
    int Exponent = 0;
};

TDecimal ToDecimal(double v) {
    TDecimal d;
    d.Negative = std::signbit(v);
    v = std::fabs(v);
    if (v == 0.0) {
        d.Digits.assign(1, '0');
        d.Exponent = 1;
        return d;
    }
    char buf[64];
    // 17 significant digits, correctly rounded from the exact binary value.
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.')
            d.Digits.push_back(c);
    int exp10 = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exp10);
    d.Exponent = exp10 + 1;
    return d;
}

// Keeps `keep` leading digits, rounding half away from zero on the digits.
void RoundDigits(TDecimal& d, int keep) {
    if (keep < 0) {
        d.Digits.assign(1, '0');
        d.Exponent = 1;
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.Digits.size())
        return;
    bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9') {
            d.Digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.Digits[static_cast<std::size_t>(i)];
        } else {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
        }
    }
    if (d.Digits.empty() || d.Digits.find_first_not_of('0') == std::string::npos) {
        d.Digits.assign(1, '0');
        d.Exponent = 1;
    }
}

char DigitAt(const TDecimal& d, int pos) { // pos 0 = first digit after "0."
    if (pos < 0 || static_cast<std::size_t>(pos) >= d.Digits.size())
        return '0';
    return d.Digits[static_cast<std::size_t>(pos)];
}

bool IsZero(const TDecimal& d) {
    return d.Digits == "0";
}

std::string NonFinite(double v) {
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string GroupThousands(const std::string& intPart) {
    std::string out;
    int n = static_cast<int>(intPart.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.push_back(',');
        out.push_back(intPart[static_cast<std::size_t>(i)]);
    }
    return out;
}

std::string FixedText(double v, int decimals, bool grouped) {
    if (!std::isfinite(v))
        return NonFinite(v);
    TDecimal d = ToDecimal(v);
    RoundDigits(d, d.Exponent + decimals);
    std::string intPart;
    if (d.Exponent <= 0 || IsZero(d)) {
        intPart = "0";
    } else {
        for (int i = 0; i < d.Exponent; ++i)
            intPart.push_back(DigitAt(d, i));
    }
    std::string out = (d.Negative && !IsZero(d)) ? "-" : "";
    out += grouped ? GroupThousands(intPart) : intPart;
    if (decimals > 0) {
        out.push_back('.');
        for (int i = 0; i < decimals; ++i)
            out.push_back(IsZero(d) ? '0' : DigitAt(d, d.Exponent + i));
    }
    return out;
}

std::string ExponentText(int exp, bool plusSign, int minDigits) {
    std::string digits = std::to_string(exp < 0 ? -exp : exp);
    while (static_cast<int>(digits.size()) < minDigits)
        digits.insert(digits.begin(), '0');
    std::string out = "E";
    if (exp < 0)
        out.push_back('-');
    else if (plusSign)
        out.push_back('+');
    return out + digits;
}

// `v` rounded to `digits` significant digits.
TDecimal Significant(double v, int digits) {
    TDecimal d = ToDecimal(v);
    RoundDigits(d, digits);
    return d;
}

// %e: precision is the number of significant digits; Delphi writes at least three exponent digits.
std::string ScientificText(double v, int precision) {
    if (!std::isfinite(v))
        return NonFinite(v);
    precision = std::max(precision, 1);
    TDecimal d = Significant(v, precision);
    std::string out = (d.Negative && !IsZero(d)) ? "-" : "";
    out.push_back(DigitAt(d, 0));
    if (precision > 1) {
        out.push_back('.');
        for (int i = 1; i < precision; ++i)
            out.push_back(DigitAt(d, i));
    }
    int exp = IsZero(d) ? 0 : d.Exponent - 1;
    return out + ExponentText(exp, true, 3);
}

// %g: the shorter of fixed and scientific, trailing zeros dropped.
std::string GeneralText(double v, int precision) {
    if (!std::isfinite(v))
        return NonFinite(v);
    precision = std::max(precision, 1);
    TDecimal d = Significant(v, precision);
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    std::string out = (d.Negative && !IsZero(d)) ? "-" : "";
    if (IsZero(d))
        return out + "0";
    const int n = static_cast<int>(d.Digits.size());
    if (d.Exponent <= precision && d.Exponent > -4) {
        if (d.Exponent <= 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-d.Exponent), '0');
            out += d.Digits;
        } else {
            for (int i = 0; i < d.Exponent; ++i)
                out.push_back(DigitAt(d, i));
            if (n > d.Exponent) {
                out.push_back('.');
                out += d.Digits.substr(static_cast<std::size_t>(d.Exponent));
            }
        }
        return out;
    }
    out.push_back(d.Digits[0]);
    if (n > 1) {
        out.push_back('.');
        out += d.Digits.substr(1);
    }
    return out + ExponentText(d.Exponent - 1, false, 0);
}

std::string WithMinDigits(std::string digits, bool negative, int minDigits) {
    while (static_cast<int>(digits.size()) < minDigits)
        digits.insert(digits.begin(), '0');
    return negative ? "-" + digits : digits;
}

// Number of characters, counting a UTF-8 sequence as one.
int CharCount(std::string_view s) {
    int n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string_view FirstChars(std::string_view s, int count) {
    int n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == count)
                return s.substr(0, i);
            ++n;
        }
    }
    return s;
}

const char* KindName(const FormatArg& a) {
    if (std::holds_alternative<std::int64_t>(a))
        return "a whole number";
    if (std::holds_alternative<double>(a))
        return "a real number";
    return "a text";
}

class TFormatter {
  public:
    TFormatter(std::string_view format, const std::vector<FormatArg>& args) : fmt_(format), args_(args) {}

    Result<std::string> Run() {
        std::string out;
        std::size_t i = 0;
        while (i < fmt_.size()) {
            std::size_t pct = fmt_.find('%', i);
            if (pct == std::string_view::npos) {
                out.append(fmt_.substr(i));
                break;
            }
            out.append(fmt_.substr(i, pct - i));
            start_ = pct;
            pos_ = pct + 1;
            if (pos_ >= fmt_.size())
                return Fail("a lone \"%\" ends the text (write \"%%\" for a percent sign)");
            if (fmt_[pos_] == '%') {
                out.push_back('%');
                i = pos_ + 1;
                continue;
            }
            auto piece = Specifier();
            if (!piece)
                return piece.error();
            out += *piece;
            i = pos_;
        }
        return out;
    }

  private:
    Error Fail(const std::string& what) const {
        return Error{"Format text " + QuotedText(fmt_) + ": " + what};
    }
    std::string Spec() const { return SpecUpTo(pos_); }
    std::string SpecUpTo(std::size_t end) const { return QuotedText(fmt_.substr(start_, end - start_)); }

    // A width or precision: written out, or "*" taken from the arguments.
    Result<int> Field(const char* what) {
        if (pos_ < fmt_.size() && fmt_[pos_] == '*')
            return StarValue(what);
        return Number(what);
    }

    bool AtDigit() const { return pos_ < fmt_.size() && fmt_[pos_] >= '0' && fmt_[pos_] <= '9'; }

    // Reads digits, refusing numbers above the width limit before they can overflow.
    Result<int> Number(const char* what) {
        long long v = 0;
        while (AtDigit()) {
            v = v * 10 + (fmt_[pos_] - '0');
            ++pos_;
            if (v > kFormatMaxWidth) {
                while (AtDigit())
                    ++pos_;
                return Fail(std::string("the ") + what + " in " + Spec() + " is above the limit of " +
                            std::to_string(kFormatMaxWidth));
            }
        }
        return static_cast<int>(v);
    }

    Result<const FormatArg*> NextArg(const std::string& specText) {
        if (next_ >= args_.size())
            return Fail(specText + " needs argument " + std::to_string(next_ + 1) + " but only " +
                        std::to_string(args_.size()) + " given");
        return &args_[next_++];
    }

    // "*" takes a width or precision from the next argument, which must be a whole number.
    Result<int> StarValue(const char* what) {
        ++pos_;
        auto arg = NextArg(Spec());
        if (!arg)
            return arg.error();
        const auto* n = std::get_if<std::int64_t>(*arg);
        if (!n)
            return Fail("the " + std::string(what) + " \"*\" in " + Spec() + " takes argument " +
                        std::to_string(next_) + ", which is " + KindName(**arg) + ", not a whole number");
        if (*n > kFormatMaxWidth)
            return Fail("the " + std::string(what) + " " + std::to_string(*n) + " from argument " +
                        std::to_string(next_) + " is above the limit of " + std::to_string(kFormatMaxWidth));
        return *n < 0 ? 0 : static_cast<int>(*n);
    }

    Result<std::string> Specifier() {
        // Optional index "n:"; digits not followed by ":" are the width.
        std::size_t mark = pos_;
        if (AtDigit()) {
            auto n = Number("argument index");
            if (!n)
                return n.error();
            if (pos_ < fmt_.size() && fmt_[pos_] == ':') {
                next_ = static_cast<std::size_t>(*n);
                ++pos_;
            } else {
                pos_ = mark;
            }
        }
        bool left = false;
        if (pos_ < fmt_.size() && fmt_[pos_] == '-') {
            left = true;
            ++pos_;
        }
        auto widthField = Field("width");
        if (!widthField)
            return widthField.error();
        const int width = *widthField;
        int precision = -1;
        if (pos_ < fmt_.size() && fmt_[pos_] == '.') {
            ++pos_;
            auto precisionField = Field("precision");
            if (!precisionField)
                return precisionField.error();
            precision = *precisionField;
        }
        if (pos_ >= fmt_.size())
            return Fail("the specifier " + SpecUpTo(fmt_.size()) + " at the end has no type letter");
        const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(fmt_[pos_])));
        ++pos_;
        const std::string spec = Spec();

        if (type == 'm' || type == 'p')
            return Fail("the specifier " + spec + " is not supported; use %d, %f or %s");
        if (std::string_view("duxefgns").find(type) == std::string_view::npos)
            return Fail("unknown specifier " + spec + " (known: %d %u %x %e %f %g %n %s %%)");

        auto arg = NextArg("the specifier " + spec);
        if (!arg)
            return arg.error();
        const FormatArg& a = **arg;
        const std::string argNo = std::to_string(next_);

        std::string text;
        if (type == 'd' || type == 'u' || type == 'x') {
            const auto* n = std::get_if<std::int64_t>(&a);
            if (!n)
                return Fail("the specifier " + spec + " needs a whole number, but argument " + argNo +
                            " is " + KindName(a));
            if (type == 'd') {
                std::uint64_t mag =
                    *n < 0 ? 0 - static_cast<std::uint64_t>(*n) : static_cast<std::uint64_t>(*n);
                text = WithMinDigits(std::to_string(mag), *n < 0, precision);
            } else {
                // Game numbers are 32-bit: a negative one reads as its 32-bit pattern, as in Delphi.
                std::uint64_t u = (*n < 0 && *n >= INT32_MIN) ? static_cast<std::uint32_t>(*n)
                                                              : static_cast<std::uint64_t>(*n);
                if (type == 'u') {
                    text = WithMinDigits(std::to_string(u), false, precision);
                } else {
                    char buf[32];
                    auto res = std::to_chars(buf, buf + sizeof buf, u, 16);
                    std::string hex(buf, res.ptr);
                    for (char& c : hex)
                        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                    text = WithMinDigits(hex, false, precision);
                }
            }
        } else if (type == 's') {
            const auto* s = std::get_if<std::string>(&a);
            if (!s)
                return Fail("the specifier " + spec + " needs a text, but argument " + argNo + " is " +
                            KindName(a));
            text = precision >= 0 ? std::string(FirstChars(*s, precision)) : *s;
        } else {
            const auto* r = std::get_if<double>(&a);
            if (!r)
                return Fail("the specifier " + spec + " needs a real number, but argument " + argNo + " is " +
                            KindName(a));
            switch (type) {
            case 'f':
                text = FixedText(*r, precision < 0 ? 2 : precision, false);
                break;
            case 'n':
                text = FixedText(*r, precision < 0 ? 2 : precision, true);
                break;
            case 'e':
                text = ScientificText(*r, precision < 0 ? 15 : precision);
                break;
            default:
                text = GeneralText(*r, precision < 0 ? 15 : precision);
                break;
            }
        }
        const int pad = width - CharCount(text);
        if (pad > 0)
            text = left ? text + std::string(static_cast<std::size_t>(pad), ' ')
                        : std::string(static_cast<std::size_t>(pad), ' ') + text;
        return text;
    }

    std::string_view fmt_;
    const std::vector<FormatArg>& args_;
    std::size_t next_ = 0;
    std::size_t start_ = 0;
    std::size_t pos_ = 0;
};

} // namespace

Result<std::string> Format(std::string_view format, const std::vector<FormatArg>& args) {
    return TFormatter(format, args).Run();
}

} // namespace veltrane
