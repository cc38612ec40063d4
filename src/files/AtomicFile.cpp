#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kb {
namespace {

// An open descriptor, closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false when the close reports an error (a late write error).
    bool close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

  private:
    int fd_;
};

FileResult failure(const std::filesystem::path& path, const char* step, int error) {
    return {FileStatus::WriteFailed,
            path.string() + ": " + step + " failed: " + std::strerror(error)};
}

// One fixed name per target: saves of one file are serialised by its owner, and a file left
// behind by an interrupted save is simply replaced by the next one.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

// Creates a new, empty temporary file, never following a link planted under its name.
Descriptor createTemporary(const std::filesystem::path& temporary) {
    ::unlink(temporary.c_str());
    return Descriptor(::open(temporary.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
}

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Gives the new file the permission bits of the file it replaces, when there is one.
bool keepPermissions(int fd, const std::filesystem::path& target) {
    struct stat previous {};
    if (::stat(target.c_str(), &previous) != 0) return errno == ENOENT;
    return ::fchmod(fd, previous.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void syncFolder(const std::filesystem::path& folder) {
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
}

// Writes, flushes and closes the temporary file; on failure sets step and error.
bool fillTemporary(Descriptor& file, const std::filesystem::path& target,
                   std::string_view contents, const char*& step, int& error) {
    auto fail = [&](const char* what) {
        step = what;
        error = errno;
        return false;
    };
    if (!writeAll(file.get(), contents)) return fail("write");
    if (!keepPermissions(file.get(), target)) return fail("chmod");
    if (::fsync(file.get()) != 0) return fail("fsync");
    if (!file.close()) return fail("close");
    return true;
}

} // namespace

FileResult replaceFileAtomically(const std::filesystem::path& target, std::string_view contents) {
    const std::filesystem::path folder = target.parent_path();
    std::error_code folderError;
    if (!folder.empty()) std::filesystem::create_directories(folder, folderError);
    if (folderError) return failure(folder, "create folder", folderError.value());

    const std::filesystem::path temporary = temporaryPathFor(target);
    Descriptor file = createTemporary(temporary);
    if (!file.valid()) return failure(temporary, "create", errno);

    const char* step = nullptr;
    int error = 0;
    if (fillTemporary(file, target, contents, step, error) &&
        ::rename(temporary.c_str(), target.c_str()) == 0) {
        syncFolder(folder);
        return {};
    }
    if (!step) {
        step = "rename";
        error = errno;
    }
    file.close();
    ::unlink(temporary.c_str());
    return failure(target, step, error);
}

} // namespace kb
