// Bounded reading of a whole file: regular files only, never blocking, never larger than asked.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace voriel {

struct FileContent {
    std::string content;
    std::optional<std::string> error;  // the path and what is wrong; content is then empty
};

// Reads the whole file at `path`. Anything that is not a regular file (a folder, FIFO, device or
// socket) is refused before it is opened, so that reading never waits for a writer; a file
// larger than `maxSize` bytes is refused as too large to be `what` ("a hull data file").
FileContent ReadRegularFile(const std::string& path, std::size_t maxSize, const std::string& what);

}  // namespace voriel
