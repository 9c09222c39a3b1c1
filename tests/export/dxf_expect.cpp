// Test support: expected DXF records.
#include "export/dxf_expect.h"

namespace voriel::test {

namespace {

std::string colour(int c) {
    return std::string(6, ' ') + std::to_string(c);  // right-justified in seven characters
}

}  // namespace

void ExpectDxfHead(ExpectedFile& e, const std::string& comment) {
    for (const char* l : {"999"}) e.line(l);
    e.line(comment);
    for (const char* l : {"  0", "SECTION", "  2", "ENTITIES"}) e.line(l);
}

void ExpectDxfEnd(ExpectedFile& e) {
    for (const char* l : {"  0", "ENDSEC", "  0", "EOF"}) e.line(l);
}

void ExpectDxfPolyline(ExpectedFile& e, int c) {
    for (const char* l : {"  0", "POLYLINE", "  8", "1", " 62"}) e.line(l);
    e.line(colour(c));
    for (const char* l : {" 66", "      1", "  6", "CONTINUOUS", " 70", "      8"}) e.line(l);
}

void ExpectDxfVertex(ExpectedFile& e, int c, double x, double y, double z) {
    for (const char* l : {"  0", "VERTEX", "  8", "1", " 62"}) e.line(l);
    e.line(colour(c));
    for (const char* l : {"  6", "CONTINUOUS", " 70", "     32", " 10"}) e.line(l);
    e.numbers("@D", {x});
    e.line(" 20");
    e.numbers("@D", {y});
    e.line(" 30");
    e.numbers("@D", {z});
}

void ExpectDxfSeqEnd(ExpectedFile& e, bool printedZero) {
    e.line(printedZero ? " 0 " : "  0");
    e.line("SEQEND");
}

}  // namespace voriel::test

#include <charconv>

namespace voriel::test {

namespace {

std::string trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    const auto b = s.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

double number(const std::string& s) {
    const std::string t = trimmed(s);
    double v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

}  // namespace

std::vector<ReadPolyline> ReadDxfPolylines(const std::string& text) {
    std::vector<std::string> lines;
    SplitCrLf(text, lines);
    std::vector<ReadPolyline> out;
    bool inVertex = false;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const int code = static_cast<int>(number(lines[i]));
        const std::string value = trimmed(lines[i + 1]);
        if (code == 0) {
            inVertex = value == "VERTEX";
            if (value == "POLYLINE") out.emplace_back();
            if (inVertex && !out.empty()) out.back().vertices.push_back({0, 0, 0});
        } else if (code == 62 && !out.empty() && !inVertex) {
            out.back().colour = static_cast<int>(number(value));
        } else if (inVertex && (code == 10 || code == 20 || code == 30)) {
            out.back().vertices.back()[static_cast<std::size_t>(code / 10 - 1)] = number(value);
        }
    }
    return out;
}

}  // namespace voriel::test
