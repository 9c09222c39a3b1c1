// Reading a regular file whole, within a size bound.
#include "files/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/message_text.h"
#include "files/safe_file.h"

namespace voriel {

namespace {

std::optional<std::string> refusedKind(const std::string& path, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return FileErrorMessage(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return NotARegularFileMessage(path);
    return std::nullopt;
}

FileContent failure(std::string message) {
    return {std::string(), std::move(message)};
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, std::size_t maxSize, const std::string& what) {
    const std::string tooLarge = EscapeControls(path) + ": the file is too large to be " + what;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return failure(FileErrorMessage(path, errno));
    if (auto err = refusedKind(path, st)) return failure(*err);
    if (static_cast<unsigned long long>(st.st_size) > maxSize) return failure(tooLarge);
    // Should a FIFO take the file's place between the two calls, opening it does not wait.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failure(FileErrorMessage(path, errno));
    FileContent out;
    if (::fstat(fd, &st) != 0) {
        out.error = FileErrorMessage(path, errno);
    } else {
        out.error = refusedKind(path, st);
    }
    out.content.resize(maxSize + 1);
    std::size_t done = 0;
    while (!out.error && done < out.content.size()) {
        const ssize_t n = ::read(fd, out.content.data() + done, out.content.size() - done);
        if (n == 0) break;
        if (n < 0) {
            if (errno != EINTR) out.error = FileErrorMessage(path, errno);
            continue;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (!out.error && done > maxSize) out.error = tooLarge;
    out.content.resize(out.error ? 0 : done);
    return out;
}

}  // namespace voriel
