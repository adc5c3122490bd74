#include "ScriptLookup.h"

#include "persist/ProfileFile.h"

#include <list>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <time.h>
#include <vector>

namespace veltrane {
namespace {

// What tells us a file is still the one we parsed.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return stamp;
}

struct CachedScript {
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const TProfileFile> profile;
};

// File times move in coarse steps: a file changed twice within one step keeps
// its stamp. A parse is kept only when the file had been quiet for this long
// before we read it, so a change inside one step is never missed.
constexpr std::int64_t kQuietNs = 2'000'000'000;

std::int64_t NowNs() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// A few scripts at most are in use (the current one, the one being chosen).
constexpr std::size_t kCachedScripts = 8;

class ScriptCache {
  public:
    std::shared_ptr<const TProfileFile> Get(const std::string& path) {
        const auto stamp = StampOf(path);
        if (!stamp)
            return nullptr;
        std::lock_guard lock(mutex_);
        for (auto it = scripts_.begin(); it != scripts_.end(); ++it) {
            if (it->path != path)
                continue;
            if (it->stamp == *stamp) {
                scripts_.splice(scripts_.begin(), scripts_, it);
                return it->profile;
            }
            scripts_.erase(it);
            break;
        }
        const std::int64_t readAt = NowNs();
        // Unreadable counts as missing, and so does a script too large for
        // memory: every lookup gives its default.
        auto loaded = TProfileFile::Load(path);
        if (!loaded)
            return nullptr;
        // Stamp again after reading: a file replaced while we read is parsed anew next time.
        const auto after = StampOf(path);
        auto profile = std::make_shared<const TProfileFile>(std::move(*loaded));
        const bool quiet = stamp->modifiedNs + kQuietNs < readAt;
        if (after && *after == *stamp && quiet) {
            scripts_.push_front({path, *stamp, profile});
            if (scripts_.size() > kCachedScripts)
                scripts_.pop_back();
        }
        return profile;
    }

  private:
    std::mutex mutex_;
    std::list<CachedScript> scripts_;
};

ScriptCache& Cache() {
    static ScriptCache cache;
    return cache;
}

struct Pin {
    std::string path;
    std::shared_ptr<const TProfileFile> profile; // null: the script could not be read
};
thread_local std::vector<Pin> pins;

const Pin* PinOf(const std::string& path) {
    for (auto it = pins.rbegin(); it != pins.rend(); ++it)
        if (it->path == path)
            return &*it;
    return nullptr;
}

std::mutex& LanguageMutex() {
    static std::mutex m;
    return m;
}
std::string& LanguagePath() {
    static std::string path;
    return path;
}

} // namespace

void SetLanguageFile(std::string path) {
    std::lock_guard lock(LanguageMutex());
    LanguagePath() = std::move(path);
}

std::string LanguageFile() {
    std::lock_guard lock(LanguageMutex());
    return LanguagePath();
}

std::optional<std::string> LookupScript(const std::string& path, std::string_view section,
                                        std::string_view key) {
    if (path.empty())
        return std::nullopt;
    const Pin* pin = PinOf(path);
    const auto profile = pin ? pin->profile : Cache().Get(path);
    if (!profile)
        return std::nullopt;
    return profile->Read(section, key);
}

TScriptPin::TScriptPin(std::string path) {
    auto profile = Cache().Get(path);
    pins.push_back({std::move(path), std::move(profile)});
}

TScriptPin::~TScriptPin() {
    pins.pop_back();
}

std::string LangText(std::string_view section, std::string_view key) {
    auto v = LookupScript(LanguageFile(), section, key);
    return v ? std::move(*v) : std::string(key);
}

std::string LangTextDef(std::string_view section, std::string_view key, std::string_view def) {
    auto v = LookupScript(LanguageFile(), section, key);
    return v ? std::move(*v) : std::string(def);
}

std::optional<std::string> TScriptFile::Lookup(std::string_view section, std::string_view key) const {
    return LookupScript(path_, section, key);
}

} // namespace veltrane
