#include "Journal.h"

namespace veltrane {

void TJournal::Restart(const std::vector<std::string>& header) {
    text_.clear();
    stopped_ = false;
    file_.close();
    if (!path_.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(path_.parent_path(), ec);
        // A journal that cannot be written leaves the game as it is; only the report lacks it.
        file_.open(path_, std::ios::binary | std::ios::trunc);
    }
    Write(kFirstLine);
    for (const std::string& line : header)
        Write(line);
}

void TJournal::Record(const std::string& line) {
    if (stopped_)
        return;
    static constexpr const char* kStop = "# the journal stops here: it has reached 4 MiB";
    if (text_.size() + line.size() + 1 + std::char_traits<char>::length(kStop) + 1 > kMaxBytes) {
        Write(kStop);
        stopped_ = true;
        return;
    }
    Write(line);
}

void TJournal::Write(const std::string& line) {
    text_ += line;
    text_ += '\n';
    if (file_.is_open()) {
        file_ << line << '\n';
        file_.flush();
    }
}

} // namespace veltrane
