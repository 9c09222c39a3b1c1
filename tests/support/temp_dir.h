// A temporary folder for a test, removed with everything in it when the test ends.
#pragma once

#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace voriel::test {

class TempDir {
public:
    TempDir() {
        char tmpl[] = "/tmp/voriel-test-XXXXXX";
        path_ = mkdtemp(tmpl);
    }
    ~TempDir() {
        chmod(path_.c_str(), 0755);
        std::system(("rm -rf '" + path_ + "'").c_str());
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

    // The names in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        std::unique_ptr<FILE, int (*)(FILE*)> ls(popen(("ls -A '" + path_ + "'").c_str(), "r"),
                                                 pclose);
        char line[512];
        while (ls && fgets(line, sizeof line, ls.get())) {
            std::string s(line);
            if (!s.empty() && s.back() == '\n') s.pop_back();
            out.push_back(s);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::string path_;
};

}  // namespace voriel::test
