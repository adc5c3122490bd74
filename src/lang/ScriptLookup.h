#pragma once

// Text lookup in the current language script, and listing of folders.
//
// Every lookup behaves as if it read the script afresh: an edited or replaced
// file is seen at the very next lookup. The parse is kept per path and used
// again only while the file's size, inode and modification time are unchanged.

#include "TextSource.h"

#include "persist/FolderList.h" // ListFolderEntries and ListMatchingFiles belong to the lookup's users too

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// The full path of the current script; empty until the first window sets it,
// and lookups before then give their defaults.
void SetLanguageFile(std::string path);
std::string LanguageFile();

// The value of Key in Section of the current script, or Key itself when absent.
std::string LangText(std::string_view section, std::string_view key);
// The value of Key in Section of the current script, or Default when absent.
std::string LangTextDef(std::string_view section, std::string_view key, std::string_view def);

// One lookup in any script; nothing when the file, section or key is absent.
std::optional<std::string> LookupScript(const std::string& path, std::string_view section,
                                        std::string_view key);

// While one lives, lookups of its script on this thread use the parse made
// when it began instead of checking the file before each one: a pass over a
// whole window or table reads one version of the script, and reads it once.
class TScriptPin {
  public:
    explicit TScriptPin(std::string path);
    ~TScriptPin();
    TScriptPin(const TScriptPin&) = delete;
    TScriptPin& operator=(const TScriptPin&) = delete;
};

// A language script as a text source, for content loading and tests.
class TScriptFile : public ITextSource {
  public:
    explicit TScriptFile(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace veltrane
