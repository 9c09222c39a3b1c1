// The one way every file is written: a complete temporary file in the target's folder, then put
// in the target's place.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace voriel {

// How the writer asks whether the user may write a path: the signature of access(2). Tests put
// a rule of their own in its place (the superuser may write any file, so a read-only target can
// only be refused under an ordinary user's rule).
using AccessCheck = int (*)(const char* path, int mode);

// How the writer hands bytes to the temporary file: the signature of write(2). A disk may take
// fewer bytes than asked or be interrupted by a signal; tests put a writer of their own in its
// place to make that happen.
using WriteCall = std::function<ssize_t(int fd, const void* data, size_t size)>;

struct WriteOptions {
    AccessCheck access = nullptr;  // nullptr: the kernel's own access(2)
    // false: skip the unnamed temporary file and use the named one, as on a file system that
    // has no unnamed temporary files.
    bool unnamedTemporary = true;
    WriteCall write;  // empty: the kernel's own write(2)
};

// Where a write to `path` lands and whether it may: a symbolic link is followed to the file it
// leads to (which need not exist yet); the folder must exist and be writable; an existing target
// must be a regular file the user may write. Returns the error naming `path`, or nothing.
std::optional<std::string> CheckWriteTarget(const std::string& path,
                                            const WriteOptions& options = {});

// Writes `content` to `path` once CheckWriteTarget allows it: the content goes into a temporary
// file in the target's folder (unnamed where the file system allows it, so that a killed save
// leaves nothing behind), is flushed to disk and only then linked or renamed over the target. A
// replaced file keeps its mode (and its owner, where the user may keep it). A failure never
// leaves a truncated file nor destroys the one already there. Returns an error message naming
// the path and the reason, or nothing on success.
std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view content,
                                           const WriteOptions& options = {});

// The error message of a file operation on `path` that failed with errno value `err`; the path's
// control characters are escaped so that the message stays on one line.
std::string FileErrorMessage(const std::string& path, int err);

// "PATH: this is not a regular file", for a FIFO, device or socket met where a file should be.
std::string NotARegularFileMessage(const std::string& path);

}  // namespace voriel
