#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {
namespace {

std::string Quoted(const std::filesystem::path& path) {
    std::string quoted = "\"";
    quoted += path.string();
    quoted += '"';
    return quoted;
}

std::string SystemReason(int err) {
    return std::strerror(err);
}

// Closes the descriptor on every path out.
class FileHandle {
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

} // namespace

Result<std::string> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        return Error{"File " + Quoted(path) + " not found."};
    if (std::filesystem::is_directory(status))
        return Error{Quoted(path) + " is a folder, not a file."};

    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return Error{"Cannot open " + Quoted(path) + ": " + SystemReason(errno) + "."};

    // Read in chunks and check the limit as we go: the size on disk may change
    // under us, and a special file may report no size at all.
    std::string bytes;
    const auto size = std::filesystem::is_regular_file(status) ? std::filesystem::file_size(path, ec) : 0;
    if (!ec && size > maxBytes)
        return Error{"File " + Quoted(path) + " is too large (" + std::to_string(size) + " bytes; at most " +
                     std::to_string(maxBytes) + " are read)."};
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Error{"Cannot read " + Quoted(path) + ": " + SystemReason(errno) + "."};
        }
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            return Error{"File " + Quoted(path) + " is too large (more than " + std::to_string(maxBytes) +
                         " bytes)."};
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

Error OutOfMemoryReading(const std::filesystem::path& path) {
    return Error{"Cannot read " + Quoted(path) + ": not enough memory for its contents."};
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view data) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string hidden = ".";
    hidden += path.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (folder / hidden).string();
    FileHandle file(::mkstemp(pattern.data()));
    if (file.get() < 0)
        return Error{"Cannot write " + Quoted(path) + ": " + SystemReason(errno) + "."};
    const std::string temp = pattern;

    auto fail = [&](int err) -> Status {
        ::close(file.release());
        ::unlink(temp.c_str());
        return Error{"Cannot write " + Quoted(path) + ": " + SystemReason(err) + "."};
    };

    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t put = ::write(file.get(), p, left);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        p += put;
        left -= static_cast<std::size_t>(put);
    }
    // mkstemp makes the file private; a saved game or settings file is an ordinary one.
    ::fchmod(file.get(), 0644);
    if (::fsync(file.get()) != 0)
        return fail(errno);
    if (::close(file.release()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Error{"Cannot write " + Quoted(path) + ": " + SystemReason(err) + "."};
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Error{"Cannot write " + Quoted(path) + ": " + SystemReason(err) + "."};
    }
    return {};
}

} // namespace veltrane
