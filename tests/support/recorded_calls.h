// The recording canvas's text read back into calls, each with the colour, style, width and mode in
// force when it was made.
#pragma once

#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "hull/hull.h"

namespace voriel::test {

struct RecordedCall {
    std::string op;           // clear, line, pset, circle, text or page
    std::vector<float> args;  // its numbers
    std::string text;         // the text of a text call, unescaped
    int32_t color = 0;
    int style = 0;
    int width = 1;
    bool xorMode = false;
    std::size_t line = 0;  // 1-based line of the recording
};

inline float ReadRecordedFloat(const std::string& word, bool& ok) {
    float v = 0.0f;
    const auto res = std::from_chars(word.data(), word.data() + word.size(), v);
    ok = ok && res.ec == std::errc() && res.ptr == word.data() + word.size();
    return v;
}

// The calls of a recording; ok turns false on a line that is not one the canvas writes.
inline std::vector<RecordedCall> ReadRecording(const std::string& recording, bool& ok) {
    ok = true;
    std::vector<RecordedCall> calls;
    RecordedCall state;
    std::istringstream in(recording);
    std::string line;
    while (std::getline(in, line)) {
        ++state.line;
        std::istringstream words(line);
        std::string op;
        words >> op;
        RecordedCall call = state;
        call.op = op;
        if (op == "text") {
            std::string x, y;
            words >> x >> y;
            call.args = {ReadRecordedFloat(x, ok), ReadRecordedFloat(y, ok)};
            const auto open = line.find('"');
            ok = ok && open != std::string::npos && line.back() == '"' && line.size() > open + 1;
            if (!ok) return calls;
            for (std::size_t i = open + 1; i + 1 < line.size(); ++i) {
                if (line[i] == '\\') ++i;
                call.text += line[i];
            }
            calls.push_back(call);
            continue;
        }
        std::vector<std::string> rest;
        for (std::string w; words >> w;) rest.push_back(w);
        if (op == "color" && rest.size() == 3) {
            state.color = Rgb(std::stoi(rest[0]), std::stoi(rest[1]), std::stoi(rest[2]));
        } else if (op == "style" && rest.size() == 1) {
            state.style = std::stoi(rest[0]);
        } else if (op == "width" && rest.size() == 1) {
            state.width = std::stoi(rest[0]);
        } else if (op == "mode" && rest.size() == 1 && (rest[0] == "xor" || rest[0] == "copy")) {
            state.xorMode = rest[0] == "xor";
        } else if ((op == "clear" || op == "page") && rest.empty()) {
            calls.push_back(call);
        } else if ((op == "line" && rest.size() == 4) || (op == "pset" && rest.size() == 2) ||
                   (op == "circle" && rest.size() == 3)) {
            for (const auto& w : rest) call.args.push_back(ReadRecordedFloat(w, ok));
            calls.push_back(call);
        } else {
            ok = false;
        }
        if (!ok) return calls;
    }
    return calls;
}

// Index of the first line call from (x1, y1) to (x2, y2) at or after `from`, or -1.
inline int FindLine(const std::vector<RecordedCall>& calls, float x1, float y1, float x2, float y2,
                    std::size_t from = 0) {
    for (std::size_t i = from; i < calls.size(); ++i) {
        const auto& c = calls[i];
        if (c.op == "line" && c.args[0] == x1 && c.args[1] == y1 && c.args[2] == x2 &&
            c.args[3] == y2)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace voriel::test
