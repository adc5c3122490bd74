#pragma once

// The running game's commands and ticks as text, one a line: a bug report
// carries it, and "veltrane-tool play --replay" plays the game again from it.
// It starts with how the game began (the seed of a new game, or the loaded
// file's name and SHA-256), and every line is on disk as soon as its command
// runs, so a crash leaves the journal whole.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace veltrane {

class TJournal {
  public:
    static constexpr std::size_t kMaxBytes = std::size_t{4} << 20;
    static constexpr const char* kFirstLine = "# Veltrane journal 1";

    // Where the journal is kept; empty: in memory only. Takes effect at the next Restart.
    void SetFile(std::filesystem::path path) { path_ = std::move(path); }
    const std::filesystem::path& File() const { return path_; }

    // A new game or a load: the old journal is replaced by one starting with `header`.
    void Restart(const std::vector<std::string>& header);
    // One command line; past kMaxBytes the journal stops with a note.
    void Record(const std::string& line);

    const std::string& Text() const { return text_; }
    bool Stopped() const { return stopped_; }

  private:
    void Write(const std::string& line);

    std::filesystem::path path_;
    std::ofstream file_;
    std::string text_;
    bool stopped_ = false;
};

} // namespace veltrane
