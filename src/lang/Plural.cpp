#include "Plural.h"

#include "lang/Format.h"

namespace veltrane {

std::string CountedText(const ITextSource& script, const TPluralText& text, int count) {
    const TTextEntry& form = count == 1 ? text.One : text.Other;
    // A form whose placeholder cannot take a number is a translator's slip;
    // the older caption still reads right enough.
    if (const auto value = script.Lookup(form.Section, form.Key))
        if (auto filled = Format(*value, {FormatArg{std::int64_t{count}}}))
            return *filled;
    return std::to_string(count) + " " + Lookup(script, text.Noun);
}

} // namespace veltrane
