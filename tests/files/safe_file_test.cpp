// The safe writer: every kind of target, through both temporary files, and a killed save.
#include "files/safe_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>
#include <sstream>

#include "support/temp_dir.h"
#include "support/test_data.h"

namespace voriel {
namespace {

using test::TempDir;

const auto readFile = test::Slurp;

void writeFile(const std::string& path, const std::string& text, mode_t mode) {
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

std::string linkOf(const std::string& path) {
    char buf[4096];
    const ssize_t n = readlink(path.c_str(), buf, sizeof buf);
    return n < 0 ? "" : std::string(buf, static_cast<std::size_t>(n));
}

mode_t currentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// access(2) as an ordinary user who owns every file sees it: the owner's bits decide. The
// superuser may write anything, so this is how a read-only target is refused in a test run as
// root.
int ordinaryUserAccess(const char* path, int mode) {
    struct stat st {};
    if (stat(path, &st) != 0) return -1;
    if (((mode & W_OK) && !(st.st_mode & S_IWUSR)) || ((mode & X_OK) && !(st.st_mode & S_IXUSR))) {
        errno = EACCES;
        return -1;
    }
    return 0;
}

const char* const kNew = "the new content\r\n";
const char* const kOld = "what the builder had\r\n";

// One situation of a target: how the folder is laid out, where the save goes, and what must
// follow. `refusal` empty: the save succeeds and `written` holds the new content.
struct TargetCase {
    const char* what;
    std::function<void(const TempDir&)> lay;
    std::string target;   // relative to the folder
    std::string written;  // the file that must hold the new content (relative), when accepted
    std::string refusal;  // the end of the error message, when refused
    std::function<void(const TempDir&)> check;  // what else must hold afterwards
    AccessCheck access = nullptr;
    std::vector<std::string> entries;  // the folder's entries afterwards: no temporary left
};

std::vector<TargetCase> targetCases() {
    const bool root = geteuid() == 0;
    return {
        {"a new file gets the usual mode",
         [](const TempDir&) {},
         "boat.txt",
         "boat.txt",
         "",
         [](const TempDir& d) { EXPECT_EQ(modeOf(d / "boat.txt") & 0777, 0666 & ~currentUmask()); },
         nullptr,
         {"boat.txt"}},
        {"a replaced file keeps its mode",
         [](const TempDir& d) { writeFile(d / "boat.txt", kOld, 0640); },
         "boat.txt",
         "boat.txt",
         "",
         [](const TempDir& d) { EXPECT_EQ(modeOf(d / "boat.txt") & 0777, 0640u); },
         nullptr,
         {"boat.txt"}},
        {"a symbolic link: the file it leads to is replaced, the link stays",
         [](const TempDir& d) {
             ASSERT_EQ(mkdir((d / "sub").c_str(), 0755), 0);
             writeFile(d / "sub/real.txt", kOld, 0600);
             ASSERT_EQ(symlink("sub/real.txt", (d / "link.txt").c_str()), 0);
         },
         "link.txt",
         "sub/real.txt",
         "",
         [](const TempDir& d) {
             EXPECT_TRUE(S_ISLNK(modeOf(d / "link.txt")));
             EXPECT_EQ(linkOf(d / "link.txt"), "sub/real.txt");
             EXPECT_EQ(modeOf(d / "sub/real.txt") & 0777, 0600u);
             EXPECT_EQ(TempDir::List(d / "sub"), std::vector<std::string>{"real.txt"});
         },
         nullptr,
         {"link.txt", "sub"}},
        {"a link to a file not there yet creates that file",
         [](const TempDir& d) {
             ASSERT_EQ(mkdir((d / "sub").c_str(), 0755), 0);
             ASSERT_EQ(symlink("sub/new.txt", (d / "link.txt").c_str()), 0);
         },
         "link.txt",
         "sub/new.txt",
         "",
         [](const TempDir& d) { EXPECT_TRUE(S_ISLNK(modeOf(d / "link.txt"))); },
         nullptr,
         {"link.txt", "sub"}},
        {"a read-only file under an ordinary user's rights",
         [](const TempDir& d) { writeFile(d / "boat.txt", kOld, 0444); },
         "boat.txt",
         "",
         "boat.txt: Permission denied",
         [](const TempDir& d) { EXPECT_EQ(modeOf(d / "boat.txt") & 0777, 0444u); },
         ordinaryUserAccess,
         {"boat.txt"}},
        // The kernel's own answer: the superuser may write a read-only file, anyone else may not.
        {"a read-only file under the running user's rights",
         [](const TempDir& d) { writeFile(d / "boat.txt", kOld, 0444); },
         "boat.txt",
         root ? "boat.txt" : "",
         root ? "" : "boat.txt: Permission denied",
         [](const TempDir& d) { EXPECT_EQ(modeOf(d / "boat.txt") & 0777, 0444u); },
         nullptr,
         {"boat.txt"}},
        {"a folder that an ordinary user may not write",
         [](const TempDir& d) { ASSERT_EQ(mkdir((d / "ro").c_str(), 0555), 0); },
         "ro/boat.txt",
         "",
         "ro/boat.txt: Permission denied",
         nullptr,
         ordinaryUserAccess,
         {"ro"}},
        {"a FIFO is never replaced by a file",
         [](const TempDir& d) { ASSERT_EQ(mkfifo((d / "pipe").c_str(), 0644), 0); },
         "pipe",
         "",
         "pipe: this is not a regular file",
         [](const TempDir& d) { EXPECT_TRUE(S_ISFIFO(modeOf(d / "pipe"))); },
         nullptr,
         {"pipe"}},
        {"a folder",
         [](const TempDir& d) { ASSERT_EQ(mkdir((d / "boat").c_str(), 0755), 0); },
         "boat",
         "",
         "boat: Is a directory",
         nullptr,
         nullptr,
         {"boat"}},
        {"a missing folder",
         [](const TempDir&) {},
         "none/boat.txt",
         "",
         "none/boat.txt: No such file or directory",
         nullptr,
         nullptr,
         {}},
        {"a line break in the name",
         [](const TempDir&) {},
         "my\nboat.txt",
         "my\nboat.txt",
         "",
         nullptr,
         nullptr,
         {"my\nboat.txt"}},
    };
}

// true: through the unnamed temporary file; false: through the named one it falls back to.
class SafeWrite : public ::testing::TestWithParam<bool> {};

TEST_P(SafeWrite, EveryKindOfTarget) {
    for (const TargetCase& c : targetCases()) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.lay(dir);
        const std::string before = readFile(dir / c.target);
        WriteOptions options;
        options.access = c.access;
        options.unnamedTemporary = GetParam();
        const auto err = WriteFileSafely(dir / c.target, kNew, options);
        if (c.refusal.empty()) {
            EXPECT_FALSE(err.has_value()) << *err;
            EXPECT_EQ(readFile(dir / c.written), kNew);
        } else {
            ASSERT_TRUE(err.has_value());
            EXPECT_EQ(*err, dir.path() + "/" + c.refusal);
            EXPECT_EQ(readFile(dir / c.target), before);
            // The check alone gives the same answer, before anything is written.
            EXPECT_EQ(CheckWriteTarget(dir / c.target, options), err);
        }
        if (c.check) c.check(dir);
        EXPECT_EQ(dir.entries(), c.entries);
    }
}

INSTANTIATE_TEST_SUITE_P(UnnamedAndNamedTemporary, SafeWrite, ::testing::Bool());

TEST(SafeWrite, ErrorsNameThePathOnOneLine) {
    TempDir dir;
    const auto err = WriteFileSafely(dir / "no\nfolder/boat\x01.txt", kNew);
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(*err, dir.path() + "/no\\nfolder/boat\\x01.txt: No such file or directory");
}

// A disk that takes a few bytes at a time and is interrupted by signals: every byte lands once,
// in order, through both temporary files. A write that fails or takes nothing leaves the old file.
TEST_P(SafeWrite, ShortAndInterruptedWritesAndAFullDisk) {
    std::string content;
    for (int i = 0; content.size() < 5000; ++i) content += "line " + std::to_string(i) + "\r\n";
    const struct {
        const char* what;
        int step;       // bytes taken per call at most
        int interrupt;  // every n-th call fails with EINTR (0: never)
        int failAfter;  // calls before the disk is full with `failure` (0: never)
        int failure;    // errno of the full disk, 0: the write takes nothing
        const char* error;
    } cases[] = {
        {"short writes", 7, 0, 0, 0, nullptr},
        {"short and interrupted writes", 13, 3, 0, 0, nullptr},
        {"every other write interrupted", 4096, 2, 0, 0, nullptr},
        {"the disk fills", 100, 0, 5, ENOSPC, "No space left on device"},
        {"a write that takes nothing", 100, 0, 5, 0, "No space left on device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        writeFile(dir / "boat.txt", kOld, 0644);
        int calls = 0;
        WriteOptions options;
        options.unnamedTemporary = GetParam();
        options.write = [&](int fd, const void* data, size_t size) -> ssize_t {
            ++calls;
            if (c.interrupt && calls % c.interrupt == 0) {
                errno = EINTR;
                return -1;
            }
            if (c.failAfter && calls > c.failAfter) {
                errno = c.failure;
                return c.failure ? -1 : 0;
            }
            return ::write(fd, data, std::min(size, static_cast<size_t>(c.step)));
        };
        const auto err = WriteFileSafely(dir / "boat.txt", content, options);
        if (c.error) {
            ASSERT_TRUE(err.has_value());
            EXPECT_EQ(*err, dir / "boat.txt: " + c.error);
            EXPECT_EQ(readFile(dir / "boat.txt"), kOld);
        } else {
            EXPECT_FALSE(err.has_value()) << *err;
            EXPECT_EQ(readFile(dir / "boat.txt"), content);
            EXPECT_GT(calls, static_cast<int>(content.size()) / c.step);
        }
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"boat.txt"});
    }
}

// A save killed at any moment leaves the folder as it was or holding the whole new file, and
// never a temporary file.
TEST(SafeWrite, AKilledSaveLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string content(24 << 20, 'x');  // long enough to be killed while writing
    for (const int delayMs : {1, 2, 4, 7, 11, 16, 25, 40, 60}) {
        const std::string target = dir / ("boat" + std::to_string(delayMs));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) _exit(WriteFileSafely(target, content) ? 1 : 0);
        usleep(static_cast<useconds_t>(delayMs) * 1000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    for (const std::string& name : dir.entries()) {
        EXPECT_EQ(name.rfind("boat", 0), 0u) << name;
        EXPECT_EQ(readFile(dir / name).size(), content.size()) << name;
    }
}

}  // namespace
}  // namespace voriel
