// A temporary folder for a test, removed with everything in it when the test ends.
#pragma once

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
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

    // The names in the folder, sorted (hidden ones too; any byte but "/" in a name).
    std::vector<std::string> entries() const { return List(path_); }

    static std::vector<std::string> List(const std::string& folder) {
        std::vector<std::string> out;
        if (DIR* d = opendir(folder.c_str())) {
            while (const dirent* e = readdir(d)) {
                const std::string name = e->d_name;
                if (name != "." && name != "..") out.push_back(name);
            }
            closedir(d);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::string path_;
};

}  // namespace voriel::test
