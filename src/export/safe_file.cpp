// Safe file writing through a temporary file and a rename.
#include "export/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace voriel {

std::string FileErrorMessage(const std::string& path, int err) {
    return path + ": " + std::strerror(err);
}

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A new temporary file beside the target, created with the usual permissions (the kernel applies
// the user's mask); its name is the target's with a suffix no other file there has.
int createTemporary(const std::string& path, std::string& tmp) {
    const std::string stem = folderOf(path) + "/.voriel-" + std::to_string(::getpid()) + "-";
    for (int n = 0; n < 1000; ++n) {
        tmp = stem + std::to_string(n) + ".tmp";
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself durable, so that a power cut cannot bring the old file back.
void syncFolder(const std::string& path) {
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}

}  // namespace

std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view content) {
    if (path.empty() || path.back() == '/') return FileErrorMessage(path, EISDIR);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return FileErrorMessage(path, EISDIR);

    std::string tmp;
    const int fd = createTemporary(path, tmp);
    if (fd < 0) return FileErrorMessage(path, errno);

    int err = 0;
    if (!writeAll(fd, content) || ::fsync(fd) != 0) err = errno;
    // A replaced file keeps its own permissions.
    if (err == 0 && exists && ::fchmod(fd, st.st_mode & 07777) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return FileErrorMessage(path, err);
    }
    syncFolder(path);
    return std::nullopt;
}

}  // namespace voriel
