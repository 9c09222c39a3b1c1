// Bounded reading: regular files only, never waiting on a FIFO, never more than the bound.
#include "files/bounded_read.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>

#include "support/finishes_within.h"
#include "support/temp_dir.h"

namespace voriel {
namespace {

using test::TempDir;

// A socket bound to a path in the folder; the path stays when the socket is closed.
void bindSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof addr.sun_path);
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(fd);
}

struct ReadCase {
    const char* what;
    std::function<std::string(const TempDir&)> lay;  // lays the file out, returns its path
    std::string content;                             // read when accepted
    std::string refusal;                             // the end of the error, when refused
};

std::vector<ReadCase> readCases() {
    const auto file = [](const std::string& text) {
        return [text](const TempDir& d) {
            std::ofstream(d / "boat.D50", std::ios::binary) << text;
            return d / "boat.D50";
        };
    };
    return {
        {"a regular file", file("LINE  0\r\n"), "LINE  0\r\n", ""},
        {"a file of the largest size", file(std::string(64, 'x')), std::string(64, 'x'), ""},
        {"an empty file", file(""), "", ""},
        {"a file one byte too large", file(std::string(65, 'x')), "",
         ": the file is too large to be a test file"},
        {"a symbolic link to a file",
         [](const TempDir& d) {
             std::ofstream(d / "real.D50") << "x";
             symlink("real.D50", (d / "link.D50").c_str());
             return d / "link.D50";
         },
         "x", ""},
        {"a FIFO with no writer",
         [](const TempDir& d) {
             mkfifo((d / "pipe.D50").c_str(), 0644);
             return d / "pipe.D50";
         },
         "", ": this is not a regular file"},
        {"a device", [](const TempDir&) { return std::string("/dev/null"); }, "",
         ": this is not a regular file"},
        {"a socket",
         [](const TempDir& d) {
             bindSocket(d / "sock.D50");
             return d / "sock.D50";
         },
         "", ": this is not a regular file"},
        {"a folder", [](const TempDir& d) { return d.path(); }, "", ": Is a directory"},
        {"a missing file", [](const TempDir& d) { return d / "none.D50"; }, "",
         ": No such file or directory"},
    };
}

TEST(ReadRegularFile, EveryKindOfFile) {
    for (const ReadCase& c : readCases()) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = c.lay(dir);
        // Run apart, so that a read waiting on a FIFO fails the test instead of hanging it.
        EXPECT_TRUE(test::FinishesWithin(10, [&] {
            const FileContent r = ReadRegularFile(path, 64, "a test file");
            if (c.refusal.empty()) return !r.error && r.content == c.content;
            return r.error && *r.error == path + c.refusal && r.content.empty();
        }));
    }
}

TEST(ReadRegularFile, ANameWithALineBreakGivesAOneLineError) {
    TempDir dir;
    const FileContent r = ReadRegularFile(dir / "my\nboat.D50", 64, "a test file");
    ASSERT_TRUE(r.error);
    EXPECT_EQ(*r.error, dir / "my\\nboat.D50: No such file or directory");
}

}  // namespace
}  // namespace voriel
