#include "Settings.h"

#include "IniSyntax.h"
#include "ProfileFile.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

namespace veltrane {
namespace {

std::filesystem::path SettingsPath(const std::string& userFolder) {
    return std::filesystem::path(userFolder) / kSettingsFileName;
}

std::optional<std::int32_t> ReadInteger(const TProfileFile& file, const char* section, const char* key) {
    const auto text = file.Read(section, key);
    if (!text)
        return std::nullopt;
    return ParseIniInt(*text);
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

TGameOptions LoadSettings(const std::string& userFolder) {
    TGameOptions options;
    const auto opened = TProfileFile::Open(SettingsPath(userFolder));
    if (!opened)
        return options; // an unreadable file is treated like a missing one
    const TProfileFile& file = *opened;

    if (const auto v = ReadInteger(file, "Sounds", "Background"))
        options.Background = *v != 0;
    if (const auto v = ReadInteger(file, "Sounds", "Effects"))
        options.Effects = *v != 0;
    if (const auto v = ReadInteger(file, "General", "RandomEvents"))
        options.RandomEvents = LowByte(*v);
    options.Language = file.ReadDef("General", "Language", options.Language);
    if (const auto v = ReadInteger(file, "General", "Window type"))
        options.WindowType = LowByte(*v);
    options.UpdateHost = file.ReadDef("Network", "UpdateHost", options.UpdateHost);
    if (const auto v = ReadInteger(file, kGuideSection, "Hints"))
        options.Hints = *v != 0;
    options.HintsSeen = SplitHintNames(file.ReadDef(kGuideSection, "Seen", ""));
    // Anything but "sharp" keeps the smooth default, so a file from before the choice loads as it did.
    if (AsciiLower(file.ReadDef("Display", "Scaling", "")) == "sharp")
        options.Scaling = TScaling::Sharp;
    return options;
}

namespace {

// Rewrites the settings file with `write`'s values, keeping every other line as it stands.
Status UpdateSettingsFile(const std::string& userFolder, const std::function<void(TProfileFile&)>& write) {
    if (Status folder = EnsureUserFolder(userFolder); !folder)
        return folder;
    auto opened = TProfileFile::Open(SettingsPath(userFolder));
    if (!opened)
        return opened.error();
    write(*opened);
    return opened->Save(SettingsPath(userFolder));
}

} // namespace

Status SaveSettings(const std::string& userFolder, const TGameOptions& options) {
    return UpdateSettingsFile(userFolder, [&options](TProfileFile& file) {
        file.Write("Sounds", "Background", options.Background ? "1" : "0");
        file.Write("Sounds", "Effects", options.Effects ? "1" : "0");
        file.Write("General", "RandomEvents", std::to_string(options.RandomEvents));
        file.Write("General", "Language", options.Language);
        file.Write("General", "Resolution", "");
        file.Write("General", "Window type", std::to_string(options.WindowType));
        file.Write("Network", "UpdateHost", options.UpdateHost);
        file.Write("Display", "Scaling", options.Scaling == TScaling::Sharp ? "sharp" : "smooth");
    });
}

Status SaveGuideSettings(const std::string& userFolder, const TGameOptions& options) {
    return UpdateSettingsFile(userFolder, [&options](TProfileFile& file) {
        file.Write(kGuideSection, "Hints", options.Hints ? "1" : "0");
        std::string seen;
        for (const std::string& name : options.HintsSeen)
            seen += (seen.empty() ? "" : ",") + name;
        file.Write(kGuideSection, "Seen", seen);
    });
}

std::vector<std::string> SplitHintNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        std::string_view name = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t first = name.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            continue;
        name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.emplace_back(name);
    }
    return names;
}

Status EnsureUserFolder(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return {};
    std::filesystem::create_directories(path, ec);
    if (ec || !std::filesystem::is_directory(path))
        return Error{"Cannot create the folder \"" + path +
                     "\": " + (ec ? ec.message() : std::string("a file of that name is in the way")) + "."};
    return {};
}

} // namespace veltrane
