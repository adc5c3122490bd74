#pragma once

// Reading the game's content from the language script: artefact names and
// descriptions, event texts, upgrade-tree captions, dialog captions, products,
// economy and police classes, city and alien description parts, and the 30
// alien races generated from them.

#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/Result.h"
#include "core/World.h"
#include "lang/TextSource.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane {

// An economy or police entry, "2|Rich": the class digit and the class name.
struct TClassValue {
    std::uint8_t Kind = 0;
    std::string Name;
};

// The class is the first character read as a digit (0 when it is not one);
// the name is the value without its first two characters, so "Rich" alone
// gives class 0 and "ch". Characters, not bytes: a UTF-8 letter such as "Ä"
// counts as one, so "Ärmlich" gives "mlich".
TClassValue ParseClassValue(std::string_view value);

// Fills the tables in the order the game reads them. A city or alien template
// whose placeholders do not fit stops the load with an error naming it; what
// was filled before stays.
Status LoadContentTables(const ITextSource& script, TGameState& world, TContentTables& tables, TRandom& rng);

// The description of alien race `race` named `name`, from four distinct
// subjects drawn from entries 1-29. When a subject is missing ("unknown"),
// or the script has too few distinct subjects to ever draw four, no new text
// is formed and `previous` (the text of the race before) is given back.
Result<std::string> MakeAlienInfo(const TContentTables& tables, int race, const std::string& name,
                                  const std::string& previous, TRandom& rng);

} // namespace veltrane
