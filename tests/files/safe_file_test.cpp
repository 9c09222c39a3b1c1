// The safe writer: every kind of target, short and interrupted writes, a full disk and a killed
// save, through both temporary files.
#include "files/safe_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>

#include "support/temp_dir.h"
#include "support/test_data.h"

namespace voriel {
namespace {

using test::Slurp;
using test::TempDir;
using Lay = std::function<void(const TempDir&)>;

const char* const kNew = "the new content\r\n";
const char* const kOld = "what the builder had\r\n";

Lay file(const std::string& name, mode_t mode) {
    return [=](const TempDir& d) {
        std::ofstream(d / name) << kOld;
        ASSERT_EQ(chmod((d / name).c_str(), mode), 0);
    };
}

Lay folder(const std::string& name, mode_t mode) {
    return [=](const TempDir& d) { ASSERT_EQ(mkdir((d / name).c_str(), mode), 0); };
}

Lay link(const std::string& name, const std::string& to) {
    return [=](const TempDir& d) { ASSERT_EQ(symlink(to.c_str(), (d / name).c_str()), 0); };
}

std::string octal(mode_t mode) {
    char text[16];
    std::snprintf(text, sizeof text, "%o", static_cast<unsigned>(mode & 0777));
    return text;
}

// The folder and its subfolders, one entry per line: name, then a regular file's mode and
// content ("old", "new"), a link's target, "/" for a folder, "|" for a FIFO.
std::string tree(const std::string& dir, const std::string& prefix = "") {
    std::string out;
    for (const std::string& name : TempDir::List(dir)) {
        const std::string path = dir + "/" + name, text = Slurp(path);
        struct stat st {};
        lstat(path.c_str(), &st);
        char to[256] = {};
        out += prefix + name + " ";
        if (S_ISREG(st.st_mode))
            out += octal(st.st_mode) + (text == kNew ? " new" : text == kOld ? " old" : " ?");
        if (S_ISLNK(st.st_mode) && readlink(path.c_str(), to, sizeof to - 1) > 0) out += to;
        if (S_ISFIFO(st.st_mode)) out += "|";
        out += S_ISDIR(st.st_mode) ? "/\n" + tree(path, prefix + name + "/") : "\n";
    }
    return out;
}

// access(2) as an ordinary user who owns every file sees it: the owner's bits decide. The
// superuser may write anything, so this is how a read-only target is refused in a test run as
// root.
int ordinaryUserAccess(const char* path, int mode) {
    struct stat st {};
    if (stat(path, &st) != 0) return -1;
    const bool denied =
        ((mode & W_OK) && !(st.st_mode & S_IWUSR)) || ((mode & X_OK) && !(st.st_mode & S_IXUSR));
    if (denied) errno = EACCES;
    return denied ? -1 : 0;
}

// true: through the unnamed temporary file; false: through the named one it falls back to.
class SafeWrite : public ::testing::TestWithParam<bool> {};

TEST_P(SafeWrite, EveryKindOfTarget) {
    const mode_t mask = umask(0);
    umask(mask);
    const std::string fresh = octal(0666 & ~mask);  // a new file's mode
    const bool root = geteuid() == 0;
    const Lay sub = folder("s", 0755);
    const Lay fifo = [](const TempDir& d) { ASSERT_EQ(mkfifo((d / "pipe").c_str(), 0644), 0); };
    const std::string denied = ": Permission denied";
    const struct {
        std::vector<Lay> lay;
        std::string target;   // relative to the folder
        std::string refusal;  // the end of the error message; empty: accepted
        std::string after;    // the folder afterwards (tree): no temporary left
        AccessCheck access = nullptr;
    } cases[] = {
        // A new file (f), and a replaced file that keeps its mode.
        {{}, "f", "", "f " + fresh + " new\n"},
        {{file("f", 0640)}, "f", "", "f 640 new\n"},
        // A link (l): the file it leads to in the subfolder s is replaced or created; it stays.
        {{sub, file("s/f", 0600), link("l", "s/f")}, "l", "", "l s/f\ns /\ns/f 600 new\n"},
        {{sub, link("l", "s/new")}, "l", "", "l s/new\ns /\ns/new " + fresh + " new\n"},
        // A read-only file and folder under an ordinary user's rights, then under the kernel's
        // own (the superuser may write a read-only file, anyone else may not).
        {{file("f", 0444)}, "f", "f" + denied, "f 444 old\n", ordinaryUserAccess},
        {{folder("ro", 0555)}, "ro/f", "ro/f" + denied, "ro /\n", ordinaryUserAccess},
        {{file("f", 0444)}, "f", root ? "" : "f" + denied, root ? "f 444 new\n" : "f 444 old\n"},
        // A FIFO is never replaced by a file; a folder; a missing folder, named on one line.
        {{fifo}, "pipe", "pipe: this is not a regular file", "pipe |\n"},
        {{folder("d", 0755)}, "d", "d: Is a directory", "d /\n"},
        {{}, "no\nfolder/f\x01", "no\\nfolder/f\\x01: No such file or directory", ""},
        {{}, "my\nf", "", "my\nf " + fresh + " new\n"},  // a line break in the name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        TempDir dir;
        for (const Lay& lay : c.lay) lay(dir);
        const WriteOptions options{c.access, GetParam(), nullptr};
        const auto err = WriteFileSafely(dir / c.target, kNew, options);
        EXPECT_EQ(err.value_or(""), c.refusal.empty() ? "" : dir.path() + "/" + c.refusal);
        // The check alone gives the same answer (a refused write has written nothing).
        EXPECT_EQ(CheckWriteTarget(dir / c.target, options), err);
        EXPECT_EQ(tree(dir.path()), c.after);
    }
}

INSTANTIATE_TEST_SUITE_P(UnnamedAndNamedTemporary, SafeWrite, ::testing::Bool());

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
        file("boat.txt", 0644)(dir);
        int calls = 0;
        const auto write = [&](int fd, const void* data, size_t size) -> ssize_t {
            ++calls;
            const bool interrupted = c.interrupt && calls % c.interrupt == 0;
            if (interrupted || (c.failAfter && calls > c.failAfter)) {
                errno = interrupted ? EINTR : c.failure;
                return errno ? -1 : 0;
            }
            return ::write(fd, data, std::min(size, static_cast<size_t>(c.step)));
        };
        const auto err = WriteFileSafely(dir / "boat.txt", content, {nullptr, GetParam(), write});
        EXPECT_EQ(err.value_or(""), c.error ? dir / "boat.txt: " + c.error : "");
        EXPECT_EQ(Slurp(dir / "boat.txt"), c.error ? kOld : content);
        EXPECT_GT(calls, c.error ? c.failAfter : static_cast<int>(content.size()) / c.step);
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
        EXPECT_EQ(Slurp(dir / name).size(), content.size()) << name;
    }
}

}  // namespace
}  // namespace voriel
