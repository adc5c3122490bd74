#include "LanguageName.h"

#include "lang/TextCatalogue.h"

#include <algorithm>
#include <cctype>

namespace veltrane {

std::string LanguageDisplayName(const ITextSource& script, const std::string& fileName) {
    std::string name = Lookup(script, texts::LanguageName);
    if (name.find_first_not_of(" \t") != std::string::npos)
        return name;
    constexpr std::string_view kEnding = ".lng";
    name = fileName;
    if (name.size() > kEnding.size() &&
        std::equal(kEnding.begin(), kEnding.end(), name.end() - static_cast<std::ptrdiff_t>(kEnding.size()),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); }))
        name.resize(name.size() - kEnding.size());
    return name;
}

} // namespace veltrane
