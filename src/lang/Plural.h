#pragma once

// A number with its noun in the right number: "1 freight box", "2 freight
// boxes". A script gives both forms in [Plurals] as "<Noun>.One" and
// "<Noun>.Other", each with the number's "%d"; 1 takes the first, every other
// count (0 as well) the second. A script without them keeps the old way: the
// number, a blank and the noun of [Captions] as it stands.

#include "lang/TextCatalogue.h"
#include "lang/TextSource.h"

#include <string>

namespace veltrane {

struct TPluralText {
    TTextEntry One;
    TTextEntry Other;
    TTextEntry Noun; // the older caption, for scripts without [Plurals]
};

std::string CountedText(const ITextSource& script, const TPluralText& text, int count);

} // namespace veltrane
