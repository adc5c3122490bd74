#include "core/MediaPaths.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <vector>

namespace veltrane {

namespace fs = std::filesystem;

namespace {

// One folder's names as last seen, with the folder's modification time so a
// changed folder (a file added, removed or renamed) is listed again.
struct FolderListing {
    fs::file_time_type stamp;
    std::vector<std::string> names; // sorted, so ambiguous matches are stable
};

struct MediaState {
    std::string overrideFolder;
    std::map<std::string, FolderListing> listings;
};

MediaState& State() {
    static MediaState state;
    return state;
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

fs::path ExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path()) {
        return exe.parent_path();
    }
    // Without /proc the current folder is the best remaining guess.
    const fs::path current = fs::current_path(error);
    return error ? fs::path(".") : current;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// Splits on both separators; empty and "." components vanish. nullopt for a
// name that would climb out of the root or names a root of its own.
std::optional<std::vector<std::string>> SplitRelative(std::string_view relative) {
    if (relative.empty() || relative.front() == '/' || relative.front() == '\\') {
        return std::nullopt;
    }
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&]() -> bool {
        if (part == "..") {
            return false;
        }
        // "C:" as a first component is a drive, not a folder of ours.
        if (parts.empty() && part.size() == 2 && part[1] == ':') {
            return false;
        }
        if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
        return true;
    };
    for (const char c : relative) {
        if (c == '/' || c == '\\') {
            if (!flush()) {
                return std::nullopt;
            }
        } else if (c == '\0') {
            return std::nullopt;
        } else {
            part += c;
        }
    }
    if (!flush() || parts.empty()) {
        return std::nullopt;
    }
    return parts;
}

// The folder's names, listed again when the folder changed or when `refresh`
// asks for it. Empty when the folder cannot be read.
const std::vector<std::string>& Listing(MediaState& state, const fs::path& folder, bool refresh) {
    static const std::vector<std::string> none;
    std::error_code error;
    const fs::file_time_type stamp = fs::last_write_time(folder, error);
    if (error) {
        state.listings.erase(folder.string());
        return none;
    }
    const std::string key = folder.string();
    auto found = state.listings.find(key);
    if (found != state.listings.end() && found->second.stamp == stamp && !refresh) {
        return found->second.names;
    }
    FolderListing listing{stamp, {}};
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        listing.names.push_back(it->path().filename().string());
    }
    std::sort(listing.names.begin(), listing.names.end());
    return state.listings.insert_or_assign(key, std::move(listing)).first->second.names;
}

// The spelling of `wanted` inside `folder`: exact if present, else the first
// name equal to it ignoring case.
std::optional<std::string> FindComponent(const std::vector<std::string>& names, const std::string& wanted) {
    if (std::binary_search(names.begin(), names.end(), wanted)) {
        return wanted;
    }
    for (const std::string& name : names) {
        if (EqualsIgnoringCase(name, wanted)) {
            return name;
        }
    }
    return std::nullopt;
}

} // namespace

std::string ProgramFolder() {
    const MediaState& state = State();
    if (!state.overrideFolder.empty()) {
        return state.overrideFolder;
    }
    static const std::string ownFolder = ProgramFolderFor(ExecutableFolder());
    return ownFolder;
}

std::string ProgramFolderFor(const fs::path& executableFolder) {
    // The scripts folder marks real content: a stray empty share/veltrane left
    // behind by a removed package must not hide a working copy.
    for (const char* relative : {".", "../share/veltrane"}) {
        const fs::path candidate = (executableFolder / relative).lexically_normal();
        if (ResolveMediaIn(candidate, "LScripts")) {
            return WithTrailingSlash(candidate.string());
        }
    }
    return WithTrailingSlash(executableFolder.lexically_normal().string());
}

void SetProgramFolder(const std::string& folder) {
    MediaState& state = State();
    state.overrideFolder = folder.empty() ? std::string() : WithTrailingSlash(folder);
}

std::optional<fs::path> ResolveMedia(std::string_view relative) {
    return ResolveMediaIn(ProgramFolder(), relative);
}

std::optional<fs::path> ResolveMediaIn(const fs::path& root, std::string_view relative) {
    const auto parts = SplitRelative(relative);
    if (!parts) {
        return std::nullopt;
    }
    MediaState& state = State();
    fs::path current = root;
    for (const std::string& wanted : *parts) {
        auto spelling = FindComponent(Listing(state, current, false), wanted);
        if (!spelling) {
            // A file may have arrived within the folder's clock tick: look once more.
            spelling = FindComponent(Listing(state, current, true), wanted);
        }
        if (!spelling) {
            return std::nullopt;
        }
        current /= *spelling;
    }
    return current;
}

void ClearMediaCache() {
    State().listings.clear();
}

} // namespace veltrane
