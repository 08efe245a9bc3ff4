// Writing a file never puts a regular file in place of a device, a FIFO or a
// link, and leaves no temporary behind: not on failure, not when the process
// is ended by a signal, not after a process killed outright (the next write
// clears what it left).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "CalcError.h"
#include "ErrorMessage.h"
#include "ProjectFile.h"
#include "ProjectFileTestSupport.h"
#include "TemporaryFile.h"

namespace {

using namespace projectfile_test;

mode_t KindOf(const std::string& path, bool followLinks) {
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    return result == 0 ? (info.st_mode & S_IFMT) : 0;
}

// What writing `contents` to `path` says: "" when it was written.
std::string WriteMessage(const std::string& path, const std::string& contents, bool* inPlace = nullptr) {
    const std::string message = MessageOf([&] { WriteProjectFileAtomically(path, contents, inPlace); });
    return message == "(no error)" ? "" : message;
}

// The number of a process that has ended.
pid_t DeadProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(FileWriting, TargetsThatAreNotRegularFilesStayWhatTheyAre) {
    TempFolder folder;
    const std::string fifo = folder.path + "/канал";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string toFifo = folder.path + "/к каналу";
    const std::string toNull = folder.path + "/в никуда";
    ASSERT_EQ(::symlink(fifo.c_str(), toFifo.c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", toNull.c_str()), 0);
    struct Case {
        const char* name;
        std::string path;
        std::string message;  // "" when written
        bool inPlace;
        mode_t kind;  // of the name itself afterwards
    };
    const Case cases[] = {
        {"the null device", "/dev/null", "", true, S_IFCHR},
        {"a link to the null device", toNull, "", true, S_IFLNK},
        {"a full device", "/dev/full", "на диске нет места", true, S_IFCHR},
        {"a FIFO no one reads", fifo, "это канал (FIFO), который никто не читает", false, S_IFIFO},
        {"a link to a FIFO no one reads", toFifo, "это канал (FIFO), который никто не читает", false, S_IFLNK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool inPlace = !c.inPlace;
        EXPECT_EQ(WriteMessage(c.path, "данные\r\n", &inPlace), c.message);
        EXPECT_EQ(inPlace, c.inPlace);
        EXPECT_EQ(KindOf(c.path, false), c.kind);
    }
    EXPECT_EQ(FilesIn(folder.path), (std::vector<std::string>{"в никуда", "к каналу", "канал"}));
}

TEST(FileWriting, AFifoWithAReaderGetsTheWholeText) {
    TempFolder folder;
    const std::string fifo = folder.path + "/канал";
    const std::string link = folder.path + "/ссылка";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(fifo.c_str(), link.c_str()), 0);
    for (const std::string& path : {fifo, link}) {
        SCOPED_TRACE(path);
        // The reader is open before the write; the text fits the pipe's buffer.
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        EXPECT_EQ(WriteMessage(path, "52\r\n1.5\r\n"), "");
        char buffer[64] = {};
        EXPECT_EQ(::read(reader, buffer, sizeof buffer), 9);
        EXPECT_EQ(std::string(buffer), "52\r\n1.5\r\n");
        ::close(reader);
        EXPECT_EQ(KindOf(fifo, false), static_cast<mode_t>(S_IFIFO));
    }
    EXPECT_EQ(KindOf(link, false), static_cast<mode_t>(S_IFLNK));
}

TEST(FileWriting, ALinkToAFileNotThereYetCreatesThatFile) {
    TempFolder folder;
    const std::string link = folder.path + "/ссылка.txt";
    ASSERT_EQ(::symlink("цель.txt", link.c_str()), 0);
    EXPECT_EQ(WriteMessage(link, "новый"), "");
    EXPECT_EQ(KindOf(link, false), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(ReadAll(folder.path + "/цель.txt"), "новый");
}

// What a process killed outright left beside the file goes at the next
// write of the same file; the temporaries of live processes and of other
// files stay.
TEST(FileWriting, TheNextWriteRemovesWhatADeadProcessLeft) {
    TempFolder folder;
    const std::string dead = std::to_string(DeadProcess());
    const std::string alive = std::to_string(::getppid());
    const std::vector<std::string> left = {
        ".p.txt.solargain-tmp-" + dead + "-0",  ".p.txt.solargain-tmp-" + dead + "-17",
        ".p.txt.solargain-tmp-" + alive + "-0", ".q.txt.solargain-tmp-" + dead + "-0",
        ".p.txt.solargain-tmp-x" + dead + "-0", ".p.txt.solargain-tmp-" + dead,
    };
    for (const std::string& name : left) WriteAll(folder.path + "/" + name, "old");
    EXPECT_EQ(WriteMessage(folder.path + "/p.txt", "new"), "");
    std::vector<std::string> kept = {"p.txt", ".p.txt.solargain-tmp-" + alive + "-0",
                                     ".q.txt.solargain-tmp-" + dead + "-0", ".p.txt.solargain-tmp-x" + dead + "-0",
                                     ".p.txt.solargain-tmp-" + dead};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(FilesIn(folder.path), kept);
}

// A process ended by SIGTERM, SIGINT or SIGHUP while a temporary exists
// removes it and still ends by that signal.
TEST(FileWriting, ASignalRemovesTheTemporariesAndEndsTheProcess) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        TempFolder folder;
        const pid_t child = ::fork();
        if (child == 0) {
            TemporaryFile first(folder.path, ".a.solargain-tmp-", "");
            TemporaryFile second(folder.path, "solargain-tmp-", ".xlsx");
            if (::write(first.Descriptor(), "x", 1) != 1 || LiveTemporaryCount() < 2) ::_exit(3);
            ::raise(signalNumber);
            ::_exit(4);  // not reached: the signal ends the process
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << status;
        if (WIFSIGNALED(status)) {
            EXPECT_EQ(WTERMSIG(status), signalNumber);
        }
        EXPECT_EQ(FilesIn(folder.path), std::vector<std::string>{});
    }
}

TEST(FileWriting, ATemporaryIsGoneOnceItEndsUnlessKept) {
    TempFolder folder;
    const int before = LiveTemporaryCount();
    {
        TemporaryFile dropped(folder.path, "x-", ".tmp");
        EXPECT_EQ(LiveTemporaryCount(), before + 1);
        EXPECT_EQ(dropped.Path().rfind(folder.path + "/x-" + std::to_string(::getpid()) + "-", 0), 0u);
    }
    EXPECT_EQ(LiveTemporaryCount(), before);
    EXPECT_EQ(FilesIn(folder.path), std::vector<std::string>{});
    std::string kept;
    {
        TemporaryFile file(folder.path, "x-", ".tmp");
        kept = file.Path();
        file.Kept();
        EXPECT_EQ(LiveTemporaryCount(), before);
    }
    EXPECT_EQ(KindOf(kept, false), static_cast<mode_t>(S_IFREG));
    EXPECT_EQ(MessageOf([&] { const TemporaryFile missing(folder.path + "/нет", "x-", ""); }),
              "файл или папка не найдены");
}

}  // namespace
