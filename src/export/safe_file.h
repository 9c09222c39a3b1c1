// The one way every file is written: a temporary file beside the target, renamed over it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voriel {

// Writes `content` to `path` through a temporary file in the same folder, flushed to disk and then
// renamed over the target, so that a failure never leaves a truncated file nor destroys the one
// already there. Returns an error message naming the path and the reason, or nothing on success.
std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view content);

// The error message of a file operation on `path` that failed with errno value `err`.
std::string FileErrorMessage(const std::string& path, int err);

}  // namespace voriel
