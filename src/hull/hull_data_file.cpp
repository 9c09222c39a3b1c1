// Writing and reading the hull data file.
#include "hull/hull_data_file.h"

#include <sys/stat.h>

#include <cmath>

#include "files/bounded_read.h"
#include "files/message_text.h"
#include "files/safe_file.h"
#include "hull/chine1.h"
#include "hull/chines23.h"
#include "hydro/hull_finite.h"
#include "text/number_text.h"

namespace voriel {

namespace {

const char* const kCrLf = "\r\n";

std::string fileNamePart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string cutAtFirstPoint(const std::string& name) {
    const auto point = name.find('.');
    return point == std::string::npos || point == 0 ? name : name.substr(0, point);
}

std::string withoutControls(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 32 && u != 127) out += c;
    }
    return out;
}

}  // namespace

std::string HullNameFromPath(const std::string& path) {
    return withoutControls(cutAtFirstPoint(fileNamePart(path)));
}

std::string PathWithExtension(const std::string& path, const std::string& extension) {
    const std::string name = fileNamePart(path);
    return path.substr(0, path.size() - name.size()) + cutAtFirstPoint(name) + extension;
}

std::string TurnInLetters(const Hull& h) {
    std::string s = "&";
    for (const int16_t flag :
         {h.StemTurnIn[2], h.TransomTurnIn[2], h.StemTurnIn[3], h.TransomTurnIn[3]})
        s += flag == 1 ? 'N' : 'R';
    return s;
}

namespace {

using LineField = LineArray Hull::*;
using PlaneField = PlaneArray Hull::*;
const LineField kLineFields[] = {&Hull::XFwd, &Hull::YFwd, &Hull::ZFwd, &Hull::XMax, &Hull::YMax,
                                 &Hull::ZMax, &Hull::XAft, &Hull::YAft, &Hull::ZAft};
const PlaneField kPlaneFields[] = {&Hull::PlaneZ0, &Hull::PlaneZX, &Hull::PlaneZY};

// Str never writes a comma, but a line must never carry a locale's decimal comma.
std::string numberLine(double v) {
    return CommaToPoint(Str(v)) + kCrLf;
}

}  // namespace

std::string HullDataText(const Hull& h) {
    // A line break in the name would shift every value of the file by a line.
    std::string out = withoutControls(h.HullFileName) + " - Voriel 2000" + kCrLf;
    out += TurnInLetters(h) + kCrLf;
    for (const double v : {h.PowerFwd, h.PowerAft, h.ShapeSAft, h.ShapeSFwd}) out += numberLine(v);
    for (const int16_t v : {h.KeelAdvance, h.StemAngle, h.TransomAngle}) out += numberLine(v);
    for (int i = 0; i <= 4; ++i) {
        out += "LINE " + Str(i) + kCrLf;
        out += numberLine(h.PlankAngle[i]);
        for (const LineField f : kLineFields) out += numberLine((h.*f)[i]);
        for (const PlaneField f : kPlaneFields) out += numberLine((h.*f)[i]);
    }
    out += std::string("EOF ") + kCrLf;
    return out;
}

SaveTarget HullDataSaveTarget(const std::string& chosenPath) {
    SaveTarget t;
    if (chosenPath.empty()) {
        t.error = "no file name given";
        return t;
    }
    const std::string name = fileNamePart(chosenPath);
    // "dir/" or ".D50" would write a hidden ".D50" with no hull name before its point.
    if (name.empty() || name[0] == '.') {
        t.error = EscapeControls(chosenPath) +
                  ": a hull data file needs a name before the first \".\" of its file name";
        return t;
    }
    t.path = PathWithExtension(chosenPath, ".D50");
    struct stat st {};
    t.replacesOther = t.path != chosenPath && ::lstat(t.path.c_str(), &st) == 0;
    return t;
}

std::optional<std::string> SaveHullData(Hull& h, const std::string& chosenPath) {
    const SaveTarget target = HullDataSaveTarget(chosenPath);
    if (!target.error.empty()) return target.error;
    Hull saved = h;
    saved.HullFileName = HullNameFromPath(chosenPath);
    saved.TurnInFlags = TurnInLetters(saved);
    if (auto err = WriteFileSafely(target.path, HullDataText(saved))) return err;
    h = std::move(saved);
    return std::nullopt;
}

namespace {

// Sequential reading of the file's lines with the failures that stop it.
class DataReader {
public:
    explicit DataReader(std::string_view content) : content_(content) {}

    // The next line without its control characters, every "," turned into "."; false at the end
    // of the file.
    bool readLine(std::string& line, bool commasToPoints = true) {
        if (pos_ >= content_.size()) return false;
        line.clear();
        while (pos_ < content_.size()) {
            const char c = content_[pos_++];
            if (c == '\n') break;
            if (static_cast<unsigned char>(c) >= 32) line += c == ',' && commasToPoints ? '.' : c;
        }
        ++lineNumber_;
        return true;
    }

    int lineNumber() const { return lineNumber_; }

private:
    std::string_view content_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
};

struct ReadError {
    std::string reason;
};

class HullReader {
public:
    HullReader(std::string_view content, Hull& hull) : in_(content), h_(hull) {}

    std::string line(const char* what, bool commasToPoints = true) {
        std::string s;
        if (!in_.readLine(s, commasToPoints))
            throw ReadError{"the file ends too early (line " +
                            std::to_string(in_.lineNumber() + 1) + ", " + what + ", is missing)"};
        return s;
    }

    double number(const std::string& text, const char* what) const {
        const double v = Val(text);
        if (!std::isfinite(v))
            throw ReadError{"line " + std::to_string(in_.lineNumber()) + " (" + what +
                            ") is not a finite number: " + QuoteForMessage(text)};
        return v;
    }

    double real(const char* what) { return number(line(what), what); }

    int16_t integer(const char* what) { return integerFrom(line(what), what); }

    int16_t integerFrom(const std::string& text, const char* what) const {
        const double v = RoundHalfEven(number(text, what));
        if (v < -32768 || v > 32767)
            throw ReadError{"line " + std::to_string(in_.lineNumber()) + " (" + what +
                            ") is outside the range of a 16-bit integer: " + QuoteForMessage(text)};
        return static_cast<int16_t>(v);
    }

    void read(bool oldFormat) {
        readTurnInField();
        h_.PowerFwd = real("PowerFwd");
        h_.PowerAft = real("PowerAft");
        h_.ShapeSAft = real("ShapeSAft");
        h_.ShapeSFwd = oldFormat ? 0.0 : real("ShapeSFwd");
        h_.KeelAdvance = integer("KeelAdvance");
        h_.StemAngle = integer("StemAngle");
        h_.TransomAngle = integer("TransomAngle");
        for (int i = 0; i <= 4; ++i)
            if (!readBlock(i)) break;
    }

private:
    // The first comma-delimited field holds the turn-in letters, unless the line is the header.
    void readTurnInField() {
        // The whole header line is skipped, even when the hull's name holds a comma.
        std::string first = line("turn-in letters", false);
        if (first.find("Voriel 2000") != std::string::npos) first = line("turn-in letters", false);
        h_.TurnInFlags = first.substr(0, first.find(','));
    }

    ReadError notTheMarker(const std::string& text, int i) const {
        return {"line " + std::to_string(in_.lineNumber()) + " is " + QuoteForMessage(text) +
                " where the marker \"LINE  " + std::to_string(i) + "\" of block " +
                std::to_string(i) + " belongs"};
    }

    // Block i; false when the file ended early with "EOF". The block must open with its own
    // marker: a file whose lines have shifted (a line break in a header, a line lost) would
    // otherwise be read as another hull.
    bool readBlock(int i) {
        std::string first = line("LINE");
        const auto marker = first.find("LINE");
        if (marker != std::string::npos) {
            if (Val(first.substr(marker + 4)) != i) throw notTheMarker(first, i);
            first = line("PlankAngle");
        } else if (first.find("EOF") == std::string::npos) {
            throw notTheMarker(first, i);
        } else {
            if (i < 2)
                throw ReadError{"the file ends (\"EOF\") in the block of line " +
                                std::to_string(i) + ", before the first chine is complete"};
            h_.PlankAngle[i - 1] = h_.PlankAngle[i - 2];
            h_.PlankAngle[i] = h_.PlankAngle[i - 1];
            for (const LineField f : kLineFields) (h_.*f)[i] = (h_.*f)[i - 1];
            for (const PlaneField f : kPlaneFields) (h_.*f)[i] = (h_.*f)[i - 1];
            return false;
        }
        h_.PlankAngle[i] = integerFrom(first, "PlankAngle");
        for (const LineField f : kLineFields) (h_.*f)[i] = real("line value");
        for (const PlaneField f : kPlaneFields) (h_.*f)[i] = real("height plane");
        return true;
    }

    DataReader in_;
    Hull& h_;
};

void applyTurnInLetters(Hull& h) {
    const auto amp = h.TurnInFlags.find('&');
    if (amp == std::string::npos) {
        h.StemTurnIn[2] = h.TransomTurnIn[2] = h.StemTurnIn[3] = h.TransomTurnIn[3] = 1;
        return;
    }
    h.TurnInFlags = h.TurnInFlags.substr(amp + 1);
    int16_t* const flags[] = {&h.StemTurnIn[2], &h.TransomTurnIn[2], &h.StemTurnIn[3],
                              &h.TransomTurnIn[3]};
    for (std::size_t k = 0; k < 4; ++k)
        *flags[k] = k < h.TurnInFlags.size() && h.TurnInFlags[k] == 'N' ? 1 : -1;
}

}  // namespace

HullReadResult ReadHullData(std::string_view content, const std::string& path,
                            const Hull& current) {
    Hull h = current;
    h.HullFileName = HullNameFromPath(path);
    const bool oldFormat = path.size() >= 2 && path.compare(path.size() - 2, 2, "51") == 0;
    const std::string named = EscapeControls(path) + ": ";
    try {
        HullReader(content, h).read(oldFormat);
    } catch (const ReadError& e) {
        return {std::nullopt, named + e.reason};
    }
    applyTurnInLetters(h);
    // The file does not store the grid index of the max-beam station: without it every bottom
    // ruling would be placed, and the bottom plate oriented, from index 0.
    h.MaxBeamIndex = MaxBeamIndexOfShown(h.XFwd[0], h.XMax[1]);
    ComputeKeelChine1Points(h);
    ComputeBottomRulings(h);
    for (int i = Chine2; i <= Sheer; ++i) ComputeUpperLinePoints(h, i);
    // Values no screen could produce may leave the lines finite and still a development, a
    // station or an area NaN: the whole hull is checked, not only its lines.
    if (!AllResultsFinite(h))
        return {std::nullopt,
                named +
                    "the values of this file do not describe a hull (its lines cannot be "
                    "computed)"};
    return {std::move(h), {}};
}

HullReadResult OpenHullData(const std::string& path, const Hull& current) {
    FileContent file = ReadRegularFile(path, kMaxHullFileSize, "a hull data file");
    if (file.error) return {std::nullopt, *file.error};
    return ReadHullData(file.content, path, current);
}

}  // namespace voriel
