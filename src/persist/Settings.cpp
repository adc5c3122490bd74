#include "Settings.h"

#include "IniSyntax.h"
#include "ProfileFile.h"

#include <filesystem>
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
    // Anything but "sharp" keeps the smooth default, so a file from before the choice loads as it did.
    if (AsciiLower(file.ReadDef("Display", "Scaling", "")) == "sharp")
        options.Scaling = TScaling::Sharp;
    return options;
}

Status SaveSettings(const std::string& userFolder, const TGameOptions& options) {
    if (Status folder = EnsureUserFolder(userFolder); !folder)
        return folder;
    auto opened = TProfileFile::Open(SettingsPath(userFolder));
    if (!opened)
        return opened.error();
    TProfileFile& file = *opened;
    file.Write("Sounds", "Background", options.Background ? "1" : "0");
    file.Write("Sounds", "Effects", options.Effects ? "1" : "0");
    file.Write("General", "RandomEvents", std::to_string(options.RandomEvents));
    file.Write("General", "Language", options.Language);
    file.Write("General", "Resolution", "");
    file.Write("General", "Window type", std::to_string(options.WindowType));
    file.Write("Network", "UpdateHost", options.UpdateHost);
    file.Write("Display", "Scaling", options.Scaling == TScaling::Sharp ? "sharp" : "smooth");
    return file.Save(SettingsPath(userFolder));
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
