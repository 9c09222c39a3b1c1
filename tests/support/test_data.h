// The tests' data folder (golden files, hulls) and whole-file reading, for every test program.
#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace voriel::test {

// The tests folder of the source tree: VORIEL_TEST_DATA, or the folder above this header's.
inline std::string TestData(const std::string& relative) {
    if (const char* dir = std::getenv("VORIEL_TEST_DATA")) return std::string(dir) + "/" + relative;
    const std::string here = __FILE__;  // .../tests/support/test_data.h
    return here.substr(0, here.rfind("/support/")) + "/" + relative;
}

// The whole content of a regular file; "" for a missing or special file (opening a FIFO would
// wait for a writer).
inline std::string Slurp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return "";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Whether anything (a file, a folder, a link) is at the path.
inline bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace voriel::test
