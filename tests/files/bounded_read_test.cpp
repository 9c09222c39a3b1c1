// Bounded reading: regular files only, never waiting on a FIFO, never more than the bound.
#include "files/bounded_read.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>

#include "files/message_text.h"
#include "support/finishes_within.h"
#include "support/temp_dir.h"

namespace voriel {
namespace {

using test::TempDir;
using Lay = std::function<std::string(const std::string&)>;  // lays a file out in a folder

Lay made(const std::function<void(const std::string&)>& make) {
    return [=](const std::string& dir) {
        make(dir + "/x");
        return dir + "/x";
    };
}

Lay file(const std::string& text) {
    return made([=](const std::string& path) { std::ofstream(path, std::ios::binary) << text; });
}

// A socket bound to a path; the path stays when the socket is closed.
void bindSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), std::min(path.size() + 1, sizeof addr.sun_path));
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(fd);
}

TEST(ReadRegularFile, EveryKindOfFile) {
    const std::string notRegular = ": this is not a regular file";
    const struct {
        const char* what;
        Lay lay;
        std::string content;  // read when accepted
        std::string refusal;  // the end of the error, when refused
    } cases[] = {
        {"a regular file", file("LINE  0\r\n"), "LINE  0\r\n", ""},
        {"a file of the largest size", file(std::string(64, 'x')), std::string(64, 'x'), ""},
        {"an empty file", file(""), "", ""},
        {"a file one byte too large", file(std::string(65, 'x')), "",
         ": the file is too large to be a test file"},
        {"a link to a file",
         [](auto d) {
             symlink(file("y")(d).c_str(), (d + "/l").c_str());
             return d + "/l";
         },
         "y", ""},
        {"a FIFO with no writer", made([](auto p) { mkfifo(p.c_str(), 0644); }), "", notRegular},
        {"a device", [](auto) { return std::string("/dev/null"); }, "", notRegular},
        {"a socket", made(bindSocket), "", notRegular},
        {"a folder", [](auto d) { return d; }, "", ": Is a directory"},
        {"a missing file, a line break in its name", [](auto d) { return d + "/my\nboat"; }, "",
         ": No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = c.lay(dir.path());
        // Run apart, so that a read waiting on a FIFO fails the test instead of hanging it.
        EXPECT_TRUE(test::FinishesWithin(10, [&] {
            const FileContent r = ReadRegularFile(path, 64, "a test file");
            if (c.refusal.empty()) return !r.error && r.content == c.content;
            // The path in the message on one line.
            return r.error && *r.error == EscapeControls(path) + c.refusal && r.content.empty();
        }));
    }
}

}  // namespace
}  // namespace voriel
