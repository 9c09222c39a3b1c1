// Safe file writing through a temporary file and a rename.
#include "export/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

}  // namespace

std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view content) {
    if (path.empty() || path.back() == '/') return FileErrorMessage(path, EISDIR);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return FileErrorMessage(path, EISDIR);

    std::string tmpl = folderOf(path) + "/.voriel-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return FileErrorMessage(path, errno);
    const std::string tmp(name.data());

    int err = 0;
    if (!writeAll(fd, content) || ::fsync(fd) != 0) err = errno;
    // A new file gets the usual permissions (mkstemp makes it private); a replaced one keeps its
    // own.
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~umaskNow);
    if (err == 0 && ::fchmod(fd, mode) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return FileErrorMessage(path, err);
    }
    return std::nullopt;
}

}  // namespace voriel
