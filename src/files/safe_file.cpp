// Safe file writing: checks of the target, an unnamed (or named) temporary file, link or rename.
#include "files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "files/message_text.h"

namespace voriel {

std::string FileErrorMessage(const std::string& path, int err) {
    return EscapeControls(path) + ": " + std::strerror(err);
}

std::string NotARegularFileMessage(const std::string& path) {
    return EscapeControls(path) + ": this is not a regular file";
}

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int accessOf(const WriteOptions& options, const std::string& path, int mode) {
    return options.access ? options.access(path.c_str(), mode) : ::access(path.c_str(), mode);
}

// The target as checked: the file a save replaces or creates.
struct Target {
    std::string path;  // symbolic links followed
    bool exists = false;
    struct stat st {};
};

// Follows symbolic links from `path`: an existing file through realpath, a link to a file not
// yet there one step at a time (a direct write would create that file). 0 or an errno value.
int followLinks(const std::string& path, Target& t) {
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat ls {};
        if (::lstat(p.c_str(), &ls) != 0) {
            if (errno != ENOENT) return errno;
            t.path = p;
            return 0;
        }
        if (!S_ISLNK(ls.st_mode)) {
            t.path = p;
            return 0;
        }
        char resolved[PATH_MAX];
        if (::realpath(p.c_str(), resolved)) {
            t.path = resolved;
            return 0;
        }
        if (errno != ENOENT) return errno;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), link, sizeof link - 1);
        if (n < 0) return errno;
        const std::string next(link, static_cast<std::size_t>(n));
        p = next.front() == '/' ? next : folderOf(p) + "/" + next;
    }
    return ELOOP;
}

std::optional<std::string> checkTarget(const std::string& path, const WriteOptions& options,
                                       Target& t) {
    if (path.empty() || path.back() == '/') return FileErrorMessage(path, EISDIR);
    if (const int err = followLinks(path, t)) return FileErrorMessage(path, err);
    t.exists = ::stat(t.path.c_str(), &t.st) == 0;
    if (t.exists) {
        if (S_ISDIR(t.st.st_mode)) return FileErrorMessage(path, EISDIR);
        // Renaming over a FIFO or a device would replace it with a plain file.
        if (!S_ISREG(t.st.st_mode)) return NotARegularFileMessage(path);
        // A read-only file is refused as a direct write would refuse it, rename or not.
        if (accessOf(options, t.path, W_OK) != 0) return FileErrorMessage(path, errno);
    }
    const std::string folder = folderOf(t.path);
    struct stat fs {};
    if (::stat(folder.c_str(), &fs) != 0) return FileErrorMessage(path, errno);
    if (!S_ISDIR(fs.st_mode)) return FileErrorMessage(path, ENOTDIR);
    if (accessOf(options, folder, W_OK | X_OK) != 0) return FileErrorMessage(path, errno);
    return std::nullopt;
}

// Writes the whole content, going on after a short write from where it stopped and retrying a
// write interrupted by a signal. false with errno set on failure.
bool writeAll(int fd, std::string_view content, const WriteOptions& options) {
    std::size_t done = 0;
    while (done < content.size()) {
        const char* from = content.data() + done;
        const std::size_t left = content.size() - done;
        const ssize_t n = options.write ? options.write(fd, from, left) : ::write(fd, from, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        // A write that takes nothing and reports no error would be asked again for ever.
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the content into the temporary file and flushes it; a replaced file's owner (where the
// user may give it) and mode pass to it. 0 or an errno value.
int fill(int fd, std::string_view content, const Target& t, const WriteOptions& options) {
    if (!writeAll(fd, content, options)) return errno;
    if (t.exists) {
        if (t.st.st_uid != ::geteuid() || t.st.st_gid != ::getegid()) {
            // Only the superuser may give a file away; anyone else keeps the file as their own.
            if (::fchown(fd, t.st.st_uid, t.st.st_gid) != 0) errno = 0;
        }
        if (::fchmod(fd, t.st.st_mode & 07777) != 0) return errno;
    }
    if (::fsync(fd) != 0) return errno;
    return 0;
}

// The temporary names tried in the target's folder; none of them is ever left by the unnamed
// route, which gives a file a name only once it is complete.
std::string temporaryName(const std::string& target, int n) {
    return folderOf(target) + "/.voriel-" + std::to_string(::getpid()) + "-" + std::to_string(n) +
           ".tmp";
}

constexpr int kUnavailable = -1;  // the unnamed route cannot be used here: take the named one

// Through an unnamed temporary file: it gets the target's name directly when there is no target
// yet, else a temporary name renamed over the target at once. 0, an errno value, or kUnavailable.
int writeUnnamed(const Target& t, std::string_view content, const WriteOptions& options) {
#ifdef O_TMPFILE
    const int fd = ::open(folderOf(t.path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return kUnavailable;
    if (const int err = fill(fd, content, t, options)) {
        ::close(fd);  // the file had no name: nothing to remove
        return err;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    int result = kUnavailable;
    if (!t.exists &&
        ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, t.path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        result = 0;
    } else if (t.exists || errno == EEXIST) {
        for (int n = 0; n < 1000; ++n) {
            const std::string tmp = temporaryName(t.path, n);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tmp.c_str(), AT_SYMLINK_FOLLOW) != 0) {
                if (errno == EEXIST) continue;
                break;
            }
            result = ::rename(tmp.c_str(), t.path.c_str()) == 0 ? 0 : errno;
            if (result != 0) ::unlink(tmp.c_str());
            break;
        }
    }
    ::close(fd);
    return result;
#else
    (void)t;
    (void)content;
    (void)options;
    return kUnavailable;
#endif
}

// Through a named temporary file, removed on failure. 0 or an errno value.
int writeNamed(const Target& t, std::string_view content, const WriteOptions& options) {
    std::string tmp;
    int fd = -1;
    for (int n = 0; n < 1000 && fd < 0; ++n) {
        tmp = temporaryName(t.path, n);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;
    int err = fill(fd, content, t, options);
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmp.c_str(), t.path.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(tmp.c_str());
    return err;
}

// Makes the new name durable, so that a power cut cannot bring the old file back.
void syncFolder(const std::string& path) {
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}

}  // namespace

std::optional<std::string> CheckWriteTarget(const std::string& path, const WriteOptions& options) {
    Target t;
    return checkTarget(path, options, t);
}

std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view content,
                                           const WriteOptions& options) {
    Target t;
    if (auto err = checkTarget(path, options, t)) return err;
    int err = options.unnamedTemporary ? writeUnnamed(t, content, options) : kUnavailable;
    if (err == kUnavailable) err = writeNamed(t, content, options);
    if (err != 0) return FileErrorMessage(path, err);
    syncFolder(t.path);
    return std::nullopt;
}

}  // namespace voriel
