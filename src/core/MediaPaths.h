#pragma once

// Where the game's read-only content lives and how a media name becomes a file.
//
// Pictures and sounds are named in the rules the way the game has always named
// them ("Pics\ship3.bmp", "Sounds\button.wav", "artefacts\artefact7.bmp"): with
// either separator and in whatever letter case the caller happened to use. The
// resolver maps such a name onto the files beside the program.
//
// The folder listings are cached without a lock: the game resolves media on
// its user-interface thread only.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// The folder of the running program's content, always ending in "/". Unless
// overridden, this is ProgramFolderFor() of the executable's folder (never the
// current folder).
std::string ProgramFolder();

// The content folder for an executable living in `executableFolder`, looked for
// in this order: beside the executable (a build tree or an unpacked copy), then
// `../share/veltrane` (installed under a prefix, /usr/bin beside /usr/share). A
// candidate counts when it holds the language scripts folder; with none, the
// executable's folder, so errors name files where a copy would look first.
std::string ProgramFolderFor(const std::filesystem::path& executableFolder);

// Tests and tools point the game at another content folder. An empty folder
// returns to the executable's own folder. A missing trailing "/" is added.
void SetProgramFolder(const std::string& folder);

// `relative` resolved beneath the program folder: "\" and "/" both separate,
// every component matches case-insensitively (an exact spelling wins), and the
// name can never leave the folder (absolute names and ".." are refused).
// nullopt when no such file or folder exists.
std::optional<std::filesystem::path> ResolveMedia(std::string_view relative);

// The same lookup beneath any root folder.
std::optional<std::filesystem::path> ResolveMediaIn(const std::filesystem::path& root,
                                                    std::string_view relative);

// Forgets every cached folder listing. Lookups notice changed folders by
// themselves; this is for callers that rewrite folders within one clock tick.
void ClearMediaCache();

} // namespace veltrane
