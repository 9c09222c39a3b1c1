// Reading back a PDF the program wrote, through poppler-utils: its page count and a page's text.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace voriel::test {

// What a shell command prints on its standard output.
inline std::string Capture(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buf[4096];
    while (pipe && fgets(buf, sizeof buf, pipe.get())) out += buf;
    return out;
}

// The page count pdfinfo gives, -1 when it reads no PDF.
inline int PdfPages(const std::string& pdf) {
    const std::string info = Capture("pdfinfo '" + pdf + "' 2>/dev/null");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// The text of one page (1-based) as pdftotext lays it out, each run of blanks made one blank and
// no blank at the start or end of a line, so that tests can look for phrases.
inline std::string PdfPageText(const std::string& pdf, int page) {
    const std::string p = std::to_string(page);
    const std::string raw =
        Capture("pdftotext -layout -f " + p + " -l " + p + " '" + pdf + "' - 2>/dev/null");
    std::string out;
    for (const char c : raw) {
        const bool blank = c == ' ' || c == '\t';
        if (blank && (out.empty() || out.back() == ' ' || out.back() == '\n')) continue;
        if (c == '\n' && !out.empty() && out.back() == ' ') out.pop_back();
        out += blank ? ' ' : c;
    }
    return out;
}

}  // namespace voriel::test
