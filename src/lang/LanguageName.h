#pragma once

#include "lang/TextSource.h"

#include <string>

namespace veltrane {

// What the language list shows for a script: the name the script gives its
// own language ("Deutsch"), else its file name without the ".lng" ending.
std::string LanguageDisplayName(const ITextSource& script, const std::string& fileName);

} // namespace veltrane
