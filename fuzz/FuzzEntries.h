#pragma once

// What each fuzz target feeds one input through. The fuzzers and the ordinary
// tests that replay tests/fuzz-corpus share these, so an input that once broke
// a reader is read the same way by both.

#include "lang/Format.h"
#include "lang/ScriptLookup.h"
#include "persist/MegaIni.h"
#include "persist/ProfileFile.h"
#include "persist/SavedGame.h"
#include "persist/TextEncoding.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace veltrane::fuzz {

// Both faces of the INI engine: parse, look up, change, write out, parse again.
inline void IniEntry(std::string_view bytes) {
    const std::string text = DecodeTextFile(std::string(bytes));
    TMegaIni mega = TMegaIni::Parse(text);
    (void)mega.ReadInteger("General", "Current sector", 1);
    (void)mega.ReadString("Captain", "Name", "");
    mega.WriteString("Captain", "Name", "a\nb");
    mega.WriteInteger("General", "Game seconds", -1);
    const TMegaIni again = TMegaIni::Parse(mega.Serialize());
    (void)again.SectionCount();

    TProfileFile profile = TProfileFile::Parse(text);
    (void)profile.Read("General", "Caption");
    profile.Write("General", "Caption", "x");
    profile.Write("New section", "Key", "value\r\n[Injected]");
    (void)TProfileFile::Parse(profile.Serialize()).Read("New section", "Key");
}

inline void SavedGameEntry(std::string_view bytes) {
    TRandom rng(7);
    const CityProfiler profiler = [](int, TCity&) { return Status::Ok(); };
    (void)ReadGameText(std::string(bytes), "fuzz.sav", TGameState{}, profiler, rng);
}

// The lookup reads files: the input goes into one scratch file per process.
inline std::string ScratchFile(std::string_view bytes, const char* suffix) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("veltrane-fuzz-" + std::to_string(::getpid()) + suffix))
            .string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline void ScriptLookupEntry(std::string_view bytes) {
    const std::string path = ScratchFile(bytes, ".lng");
    const TScriptFile script(path);
    for (const char* section : {"General", "FormMain", "CityInfo", "Artefacts"})
        for (const char* key : {"Caption", "Info1", "Name1", "btnScan.Caption"})
            (void)script.Lookup(section, key);
}

// The first byte picks the arguments (two bits each: a number, a real, a text);
// the rest is the format text.
inline void FormatEntry(std::string_view bytes) {
    if (bytes.empty())
        return;
    const auto kinds = static_cast<unsigned char>(bytes[0]);
    std::vector<FormatArg> args;
    for (int i = 0; i < 6; ++i) {
        switch ((kinds >> ((i % 4) * 2)) & 3) {
        case 0:
            args.emplace_back(std::int64_t{-1234567} * (i + 1));
            break;
        case 1:
            args.emplace_back(2.675 * (i - 2));
            break;
        default:
            args.emplace_back(std::string("t\xC3\xA4xt") + std::to_string(i));
            break;
        }
    }
    (void)Format(bytes.substr(1), args);
}

} // namespace veltrane::fuzz
