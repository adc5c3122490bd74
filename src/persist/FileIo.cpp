#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
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

    // Without O_NONBLOCK opening a pipe waits for a writer that may never come.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        return Error{"Cannot open " + Quoted(path) + ": " + SystemReason(errno) + "."};
    // Asked of the open file, so what we read is what we checked.
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return Error{"Cannot read " + Quoted(path) + ": " + SystemReason(errno) + "."};
    if (S_ISDIR(st.st_mode))
        return Error{Quoted(path) + " is a folder, not a file."};
    if (!S_ISREG(st.st_mode))
        return Error{Quoted(path) + " is not a regular file (a pipe, a device or a socket)."};
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);

    // Read in chunks and check the limit as we go: the size on disk may change under us.
    std::string bytes;
    const auto size = static_cast<std::uintmax_t>(st.st_size);
    if (size > maxBytes)
        return Error{"File " + Quoted(path) + " is too large (" + std::to_string(size) + " bytes; at most " +
                     std::to_string(maxBytes) + " are read)."};
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

namespace {

// Temporary files carry this mark, so one left by a killed write is known for what
// it is; the name does not grow with the target's, which may be near the limit.
constexpr std::string_view kTempPrefix = ".veltrane-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr int kMaxLinkHops = 40;

bool IsTempName(std::string_view name) {
    return name.size() == kTempPrefix.size() + 6 + kTempSuffix.size() && name.starts_with(kTempPrefix) &&
           name.ends_with(kTempSuffix);
}

// The file a save lands in: a symbolic link is followed to its target (which
// need not exist yet), so the link stays a link.
std::filesystem::path FinalTarget(std::filesystem::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)))
            return path;
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path; // a loop of links: rename reports it
}

// Every writer holds a lock on its temporary file until it has been renamed; a
// temporary file nobody holds was left by a write that was killed.
void RemoveAbandonedTempFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsTempName(name))
            continue;
        FileHandle stale(::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        if (stale.get() < 0)
            continue;
        struct stat st {};
        if (::fstat(stale.get(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(stale.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
    }
}

// A locked temporary file in `folder` that no cleaner has removed.
int CreateLockedTemp(const std::filesystem::path& folder, std::string& name) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string pattern =
            (folder / (std::string(kTempPrefix) + "XXXXXX" + std::string(kTempSuffix))).string();
        FileHandle file(::mkstemps(pattern.data(), static_cast<int>(kTempSuffix.size())));
        if (file.get() < 0)
            return -1;
        struct stat st {};
        // A cleaner may have taken it between its creation and our lock: then it is gone.
        if (::flock(file.get(), LOCK_EX) == 0 && ::fstat(file.get(), &st) == 0 && st.st_nlink > 0) {
            name = pattern;
            return file.release();
        }
    }
    errno = EAGAIN;
    return -1;
}

} // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view data) {
    const std::filesystem::path target = FinalTarget(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    RemoveAbandonedTempFiles(folder);
    std::string temp;
    FileHandle file(CreateLockedTemp(folder, temp));
    if (file.get() < 0)
        return Error{"Cannot write " + Quoted(path) + ": " + SystemReason(errno) + "."};

    auto fail = [&](int err) -> Status {
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
    // mkstemp makes the file private: a replaced file keeps its own permissions,
    // a new saved game or settings file is an ordinary one.
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(file.get(), mode);
    if (::fsync(file.get()) != 0)
        return fail(errno);
    // The lock is held until the rename, so no cleaner takes the file from under us.
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    return {};
}

} // namespace veltrane
