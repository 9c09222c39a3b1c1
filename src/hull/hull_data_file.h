// The hull data file (.D50 written, .D50 and the older .D51 read).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hull/hull.h"

namespace voriel {

// Files larger than this are not hull files and are refused unread (a hull file is ~1.3 kB).
constexpr std::size_t kMaxHullFileSize = 64 * 1024;

// The file name without its folder, cut before its first "." unless that is the first character,
// without control characters (a name box never accepts them, and the name is written on a line of
// its own).
std::string HullNameFromPath(const std::string& path);

// The chosen path with its file name cut as HullNameFromPath cuts it, followed by `extension`.
std::string PathWithExtension(const std::string& path, const std::string& extension);

// "&" and one letter per flag, "N" for 1 and "R" for anything else: StemTurnIn(2),
// TransomTurnIn(2), StemTurnIn(3), TransomTurnIn(3).
std::string TurnInLetters(const Hull& hull);

// The 80 lines of the .D50 file, each ended by CR LF.
std::string HullDataText(const Hull& hull);

// The file a save under the path the user chose writes, known before anything is written, so that
// the caller can ask before replacing a file the user did not name.
struct SaveTarget {
    std::string path;            // the file a save writes (name cut before its first ".", .D50)
    bool replacesOther = false;  // path is not the path the user named, and it exists
    std::string error;  // not empty: the name cannot be saved (empty, nothing before the first ".")
};
SaveTarget HullDataSaveTarget(const std::string& chosenPath);

// Saves to HullDataSaveTarget(chosenPath).path (which the caller has agreed to replace); on
// success the hull takes the file's name as HullFileName and the turn-in letters as TurnInFlags.
// Returns the error message (naming the file) on failure, or for a name HullDataSaveTarget
// refuses, with the hull and any existing file untouched.
std::optional<std::string> SaveHullData(Hull& hull, const std::string& chosenPath);

struct HullReadResult {
    std::optional<Hull> hull;  // the hull read, complete, with its points recomputed
    std::string error;         // when hull is empty: the file and what is wrong with it
};

// Reads the content of a data file chosen as `path` into a copy of `current` (the hull in memory)
// and recomputes its points. The path decides the old format (ending in "51") and the hull name.
// Each block must start with its own "LINE n" marker; a file whose values leave anything computed
// from the hull non-finite (AllResultsFinite) is refused.
HullReadResult ReadHullData(std::string_view content, const std::string& path, const Hull& current);

// Opens and reads the file at `path` as ReadHullData does; a missing, unreadable or oversized
// file, or one that is not a regular file (a FIFO, device or socket), is an error.
HullReadResult OpenHullData(const std::string& path, const Hull& current);

}  // namespace voriel
