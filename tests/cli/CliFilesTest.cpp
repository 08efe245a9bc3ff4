// The tool's files: -o never puts a regular file in place of a device, a FIFO
// or a link; hostile texts give short Russian messages naming the file; a
// missing or full temporary folder is said in Russian; a process ended by a
// signal while writing leaves no temporary behind.

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliCommand.h"
#include "CliProgramTest.h"

extern char** environ;

namespace {

using cli_test::CliProgram;
using cli_test::Outcome;
using nlohmann::json;

constexpr std::size_t kShortMessage = 1024;
const std::string kProject = R"({"WindowOrientations": ["Ю"]})";

mode_t KindOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A building of many rooms, whose workbook takes a while to compose.
std::string LargeBuilding() {
    std::string rooms;
    for (int i = 0; i < 600; ++i) {
        rooms += std::string(i ? "," : "") + R"({"Name": ")" + std::to_string(i) +
                 R"(", "Windows": [{"WindowOrientations": ["Ю", "В", "З"]}], "Walls": [{"WallArea": "10",)"
                 R"( "WallAbsorptance": "0.7", "WallOrientations": ["Ю"], "WallLayers": [{"HeatAbsorption": "9.2",)"
                 R"( "Conductivity": "0.81", "Thickness": "0.38"}]}]})";
    }
    return R"({"format": "solargain-project", "version": 2, "inputs": {"Site": {"Latitude": "48"}, "Rooms": [)" +
           rooms + "]}}";
}

TEST_F(CliProgram, OutputToADeviceOrALinkToOneWritesThrough) {
    const std::string project = Write("p.json", kProject);
    const std::string toNull = dir_ + "/в никуда.csv";
    ASSERT_EQ(::symlink("/dev/null", toNull.c_str()), 0);
    const std::string fifo = dir_ + "/канал";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string toFifo = dir_ + "/к каналу";
    ASSERT_EQ(::symlink(fifo.c_str(), toFifo.c_str()), 0);
    struct Case {
        std::string target;
        std::string format;
        int status;
        std::string err;
        mode_t kind;  // of the name itself afterwards
    };
    const Case cases[] = {
        {"/dev/null", "csv", 0, "", S_IFCHR},
        {"/dev/null", "xlsx", 0, "", S_IFCHR},
        {toNull, "xlsx", 0, "", S_IFLNK},
        {"/dev/full", "csv", 1, "Не удалось записать файл «/dev/full»: на диске нет места.\n", S_IFCHR},
        {fifo, "csv", 1,
         "Не удалось записать файл «" + fifo +
             "»: это канал (FIFO), который никто не читает. Прежний файл не изменён.\n",
         S_IFIFO},
        {toFifo, "json", 1,
         "Не удалось записать файл «" + toFifo +
             "»: это канал (FIFO), который никто не читает. Прежний файл не изменён.\n",
         S_IFLNK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target + " " + c.format);
        const Outcome o = Exec("compute '" + project + "' --format " + c.format + " -o '" + c.target + "'");
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.err, c.err);
        EXPECT_EQ(KindOf(c.target), c.kind);
    }
    EXPECT_EQ(KindOf(fifo), static_cast<mode_t>(S_IFIFO));
    EXPECT_EQ(NamesIn(dir_), (std::vector<std::string>{"err", "out", "p.json", "в никуда.csv", "к каналу", "канал"}));
}

// The reader opens the FIFO first; the results fit its buffer.
TEST_F(CliProgram, OutputToAFifoWithAReaderGivesItTheResults) {
    const std::string fifo = dir_ + "/канал";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = dir_ + "/ссылка";
    ASSERT_EQ(::symlink(fifo.c_str(), link.c_str()), 0);
    std::istringstream project(kProject);
    std::ostringstream expected;
    std::ostringstream ignored;
    ASSERT_EQ(RunCli({"compute", "--format=csv"}, project, expected, ignored), 0);
    for (const std::string& target : {fifo, link}) {
        SCOPED_TRACE(target);
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        std::istringstream in(kProject);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli({"compute", "--format=csv", "-o", target}, in, out, err), 0) << err.str();
        std::string got(65536, '\0');
        const ssize_t n = ::read(reader, got.data(), got.size());
        ::close(reader);
        ASSERT_GT(n, 0);
        got.resize(static_cast<std::size_t>(n));
        EXPECT_EQ(got, expected.str());
        EXPECT_EQ(KindOf(target), target == fifo ? static_cast<mode_t>(S_IFIFO) : static_cast<mode_t>(S_IFLNK));
    }
}

// Whatever the length of a hostile text, standard error and the JSON error
// stay short, and a NUL byte or an empty file is said as such, naming the file.
TEST_F(CliProgram, HostileTextsGiveShortMessagesNamingTheFile) {
    const std::string number(15 * 1024 * 1024, '7');
    const std::string key(1024 * 1024, 'k');
    const std::string nul = std::string("{\"Latitude\":\"50\"}") + '\0' + "garbage";
    struct Case {
        const char* name;
        std::string arguments;  // after the program's name
        int status;
        std::string start;  // of standard error
    };
    const Case cases[] = {
        {"a 15 MB number", "compute '" + Write("n.json", "{\"WindowHeight\": " + number + "}") + "'", 2,
         "Файл «" + dir_ + "/n.json»: ошибка в строке 1, столбце 15728657: число слишком велико"},
        {"a 15 MB number as text", "compute '" + Write("t.json", "{\"WindowHeight\": \"" + number + "\"}") + "'", 2,
         "Ключ \"WindowHeight\" содержит текст длиннее 1000 знаков"},
        {"a 1 MB key", "compute - <'" + Write("k.json", "{\"" + key + "\": 1}") + "'", 2,
         "Неизвестный ключ \"" + std::string(40, 'k') + "…\""},
        {"a 1 MB key not closed", "compute '" + Write("u.json", "{\"" + key) + "'", 2,
         "Файл «" + dir_ + "/u.json»: ошибка в строке 1, столбце 1048579: строка не закрыта кавычкой; прочитано: «\"" +
             std::string(39, 'k') + "…»"},
        {"a NUL byte in a file", "compute '" + Write("z.json", nul) + "'", 1,
         "Не удалось прочитать «" + dir_ + "/z.json»: в строке 1, столбце 18 стоит нулевой байт: это не текст."},
        {"a NUL byte on standard input", "compute <'" + dir_ + "/z.json'", 1,
         "Не удалось прочитать стандартный ввод: в строке 1, столбце 18 стоит нулевой байт: это не текст."},
        {"an empty file", "convert '" + Write("e.json", "") + "'", 2,
         "Файл «" + dir_ + "/e.json»: в нём нет ни одной строки (файл пуст)\n"},
        {"empty standard input", "compute </dev/null", 2, "Стандартный ввод: в нём нет ни одной строки (файл пуст)\n"},
        {"a long city search", "cities --search '" + std::string(100000, 'x') + "'", 0,
         "Ни одно название города в таблице климата не содержит «" + std::string(40, 'x') + "…»"},
        {"a long unknown option", "compute --" + std::string(100000, 'o'), 2,
         "solargain-cli: unknown option «--" + std::string(38, 'o') + "…»"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = Exec(c.arguments);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.err.rfind(c.start, 0), 0u) << o.err.substr(0, 300);
        EXPECT_LT(o.err.size(), kShortMessage);
        if (c.status != 0 && !o.out.empty()) {  // the JSON error
            ASSERT_TRUE(json::accept(o.out)) << o.out.substr(0, 300);
            EXPECT_LT(o.out.size(), kShortMessage);
        }
    }
}

TEST_F(CliProgram, AMissingTemporaryFolderIsSaidInRussian) {
    const std::string project = Write("p.json", kProject);
    const std::string missing = dir_ + "/нет папки";
    const Outcome o = Shell("TMPDIR='" + missing + "' '" + SOLARGAIN_CLI + "' compute '" + project +
                            "' --format xlsx -o '" + dir_ + "/итоги.xlsx'");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "Не удалось создать временный файл книги в папке временных файлов «" + missing +
                         "» (TMPDIR): файл или папка не найдены.\n");
    EXPECT_EQ(KindOf(dir_ + "/итоги.xlsx"), 0u);
}

// A temporary folder with no room left: a small tmpfs, which only root may
// mount.
TEST_F(CliProgram, AFullTemporaryFolderIsSaidInRussian) {
    const std::string tiny = dir_ + "/мало места";
    ASSERT_EQ(::mkdir(tiny.c_str(), 0700), 0);
    if (::geteuid() != 0 || ::mount("tmpfs", tiny.c_str(), "tmpfs", 0, "size=24k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here";
    const std::string project = Write("b.json", LargeBuilding());
    const Outcome o = Shell("TMPDIR='" + tiny + "' '" + SOLARGAIN_CLI + "' compute '" + project +
                            "' --format xlsx -o '" + dir_ + "/итоги.xlsx'");
    const std::vector<std::string> left = NamesIn(tiny);
    ::umount(tiny.c_str());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err.rfind("Не удалось составить книгу во временном файле «" + tiny + "/solargain-tmp-", 0), 0u)
        << o.err;
    EXPECT_NE(o.err.find(".xlsx»: на диске нет места."), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("ERROR"), std::string::npos) << o.err;
    EXPECT_EQ(left, std::vector<std::string>{});
    EXPECT_EQ(KindOf(dir_ + "/итоги.xlsx"), 0u);
}

// SIGTERM or SIGINT at any moment of a long export: the process ends by the
// signal (or has finished) and no temporary is left, neither beside the
// target nor in the temporary folder.
TEST_F(CliProgram, ASignalDuringAnExportLeavesNoTemporary) {
    const std::string project = Write("b.json", LargeBuilding());
    const std::string target = dir_ + "/итоги.xlsx";
    const std::string temporaries = dir_ + "/tmp";
    ASSERT_EQ(::mkdir(temporaries.c_str(), 0700), 0);
    const std::string tmpdir = "TMPDIR=" + temporaries;
    std::vector<char*> environment;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("TMPDIR=", 0) != 0) environment.push_back(*e);
    environment.push_back(const_cast<char*>(tmpdir.c_str()));
    environment.push_back(nullptr);
    const std::vector<std::string> args = {SOLARGAIN_CLI, "compute", project, "--format", "xlsx", "-o", target};
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    int signalled = 0;
    for (const int delayMs : {5, 20, 60, 120, 200, 300, 400, 600}) {
        for (const int signalNumber : {SIGTERM, SIGINT}) {
            SCOPED_TRACE(std::to_string(delayMs) + " ms, signal " + std::to_string(signalNumber));
            pid_t child = 0;
            ASSERT_EQ(::posix_spawn(&child, SOLARGAIN_CLI, nullptr, nullptr, argv.data(), environment.data()), 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            ::kill(child, signalNumber);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            if (WIFSIGNALED(status)) {
                EXPECT_EQ(WTERMSIG(status), signalNumber);
                ++signalled;
            } else {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
            }
            EXPECT_EQ(NamesIn(temporaries), std::vector<std::string>{});
            for (const std::string& name : NamesIn(dir_))
                EXPECT_EQ(name.find("solargain-tmp"), std::string::npos) << name;
        }
    }
    EXPECT_GT(signalled, 0);  // some runs were ended while writing
}

}  // namespace
