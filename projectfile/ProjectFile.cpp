#include "ProjectFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "CalcError.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "TemporaryFile.h"
#include "WindowComputation.h"
#include "WindowResultsView.h"

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string LineNote(int line) { return " (строка " + std::to_string(line) + " файла проекта)"; }

// Where a table line comes from, for messages: "Ю, 12-13, Qост", the field
// named by the symbol of its row on the windows page.
std::string TablePlace(int tableIndex) {
    static const auto captions = WindowRowCaptions(InsolationKindCaption(WindowKind::Vertical));
    const int record = tableIndex / kShownFieldCount;
    const int field = tableIndex % kShownFieldCount + 1;
    const int orientation = record / kHourCount + 1;
    const int hour = record % kHourCount + 1;
    return std::string(OrientationAt(orientation).name) + ", " + std::string(HourLabel(hour)) + ", " +
           captions[static_cast<std::size_t>(field - 1)].Symbol();
}

void CheckWidth(const std::string& text, int line, const std::string& what) {
    if (text.size() <= kProjectLineWidth) return;
    throw CalcError("Значение " + text + " (" + what + ", строка " + std::to_string(line) +
                    ") длиннее 15 знаков строки файла проекта; файл не записан");
}

// A header line: the text shown in its control in its shortest form, a
// whole number for the latitude and the window count. The count and the wind
// speed are checked against their ranges as the opening area and the
// coefficients would check them, so that no file is written that opening
// would refuse.
std::string HeaderLineText(const InputControl& input, const std::string& shown) {
    if (input.key == "WindowCount") {
        const std::int32_t count = ReadingInput(input.key, [&shown] { return ParseInteger(shown); });
        CheckInputRange(input, Decimal4::FromInt(count));
        return FormatInteger(count);
    }
    if (input.field.integer != nullptr) return FormatInteger(ParseInteger(shown));
    if (input.key == "WindSpeed") return FormatDecimal4(ReadInputValue(input, shown));
    return FormatDecimal4(ParseDecimal4(shown));
}

// Closes a descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error of close (a delayed write error).
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

[[noreturn]] void FailFile(int errorNumber) { throw CalcError(FileErrorMessage(errorNumber)); }

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names once every symbolic link is followed, so that saving
// replaces the file a link points to and leaves the link itself in place; a
// link to a name that does not exist yet gives that name.
std::string ResolveTarget(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n < 0) FailFile(errno);
        link.resize(static_cast<std::size_t>(n));
        current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
    }
    FailFile(ELOOP);
}

// Writes `contents` with every signal that a reader closing the other end
// would raise held back, so that the process is not ended by it. Raises the
// file error, or «канал закрыт читающей стороной» for a pipe closed early.
void WriteAllTo(int fd, std::string_view contents) {
    sigset_t pipeSignal;
    sigset_t previous;
    ::sigemptyset(&pipeSignal);
    ::sigaddset(&pipeSignal, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    int failure = 0;
    for (std::size_t written = 0; written < contents.size() && failure == 0;) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n >= 0) {
            written += static_cast<std::size_t>(n);
        } else if (errno != EINTR) {
            failure = errno;
        }
    }
    if (failure == EPIPE) {
        // The signal it raised is taken off this thread, unless one was pending already.
        sigset_t pending;
        ::sigpending(&pending);
        if (!::sigismember(&previous, SIGPIPE) && ::sigismember(&pending, SIGPIPE)) {
            const timespec noWait{0, 0};
            ::sigtimedwait(&pipeSignal, nullptr, &noWait);
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (failure == EPIPE) throw CalcError("канал закрыт читающей стороной раньше конца записи");
    if (failure != 0) FailFile(failure);
}

// A target that is not a regular file is never replaced by one: a character
// device (/dev/null, a terminal) or a FIFO that someone reads is written
// directly; a block device, a socket and a FIFO that no one reads are refused.
void WriteInPlace(const std::string& path, const struct stat& info, std::string_view contents, bool* inPlace) {
    if (S_ISBLK(info.st_mode)) throw CalcError("это дисковое устройство, а не файл: в него не пишут");
    if (S_ISSOCK(info.st_mode)) throw CalcError("это сокет, а не файл");
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO) throw CalcError("это канал (FIFO), который никто не читает");
    if (fd < 0) FailFile(errno);
    FileDescriptor file(fd);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (inPlace != nullptr) *inPlace = true;
    WriteAllTo(fd, contents);
    if (file.close() != 0) FailFile(errno);
}

}  // namespace

int ProjectTableLine(int orientation, int hour, int field) {
    return kProjectHeaderLines + ((orientation - 1) * kHourCount + (hour - 1)) * kShownFieldCount + field;
}

std::string FileErrorMessage(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "файл или папка не найдены";
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
        case EILSEQ:
            return "недопустимое имя файла";
        case EMFILE:
        case ENFILE:
            return "слишком много открытых файлов";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
        case EBUSY:
        case EEXIST:
            return "нет доступа к файлу";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "на диске нет места";
        default:
            return "ошибка ввода-вывода (код " + std::to_string(errorNumber) + ")";
    }
}

// ---- Saving -------------------------------------------------------------------

std::string ComposeProjectFile(const ProjectHeader& shown, const WindowHourTable& table) {
    std::vector<std::string> lines;
    lines.reserve(kProjectFileLines);
    for (std::size_t i = 0; i < shown.size(); ++i) lines.push_back(HeaderLineText(*HeaderInputs()[i], shown[i]));
    for (int line = 1; line <= kProjectHeaderLines; ++line) {
        CheckWidth(lines[static_cast<std::size_t>(line - 1)], line, "заголовок");
    }

    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) {
            const WindowHourRecord& record = table.Record(o, h);
            for (int f = 1; f <= kShownFieldCount; ++f) lines.push_back(FormatDecimal4(record.Field(f)));
        }
    }
    for (int i = 0; i < kProjectTableLines; ++i) {
        const int line = kProjectHeaderLines + 1 + i;
        CheckWidth(lines[static_cast<std::size_t>(line - 1)], line, TablePlace(i));
    }

    std::string text;
    text.reserve(kProjectFileLines * 8);
    for (const std::string& line : lines) {
        text += line;
        text += kCrLf;
    }
    return text;
}

void WriteProjectFileAtomically(const std::string& path, std::string_view contents, bool* inPlace) {
    if (inPlace != nullptr) *inPlace = false;
    if (path.empty() || path.back() == '/') FailFile(EINVAL);
    // What the name leads to, links followed (also the links of /proc that
    // name no file, as /dev/stdout to a pipe).
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) FailFile(EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) return WriteInPlace(path, existing, contents, inPlace);
    const std::string target = ResolveTarget(path);
    struct stat resolved {};
    if (exists && (::stat(target.c_str(), &resolved) != 0 || resolved.st_ino != existing.st_ino ||
                   resolved.st_dev != existing.st_dev)) {
        // A regular file reached through a link that names no path (a
        // deleted file behind /dev/stdout): written where it is.
        return WriteInPlace(path, existing, contents, inPlace);
    }

    // The temporary «.NAME.solargain-tmp-<pid>-<n>» beside the target, the
    // name cut so that the whole stays within a file name's 255 bytes.
    TemporaryFile file(FolderOf(target), "." + BaseNameOf(target).substr(0, 200) + ".solargain-tmp-", "");
    if (exists && ::fchmod(file.Descriptor(), existing.st_mode & 07777) != 0) FailFile(errno);
    WriteAllTo(file.Descriptor(), contents);
    if (::fsync(file.Descriptor()) != 0 && errno != EINVAL && errno != EROFS) FailFile(errno);
    if (file.Close() != 0) FailFile(errno);
    if (::rename(file.Path().c_str(), target.c_str()) != 0) FailFile(errno);
    file.Kept();
}

// ---- Opening ------------------------------------------------------------------

namespace {

// How many characters of an overlong line a message quotes.
constexpr std::size_t kQuotedCharacters = 30;

bool StartsCharacter(unsigned char c) { return (c & 0xC0) != 0x80; }

}  // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += StartsCharacter(static_cast<unsigned char>(c)) ? 1 : 0;
    return count;
}

void ProjectLineSplitter::EndLine() {
    if (currentLength_ > kProjectLineWidth && longLine_ == 0) {
        longLine_ = static_cast<int>(lines_.size()) + 1;
        longLength_ = currentLength_;
        longStart_ = currentStart_;
    }
    lines_.push_back(std::move(current_));
    current_.clear();
    currentStart_.clear();
    currentLength_ = 0;
    lineStarted_ = false;
}

bool ProjectLineSplitter::Feed(std::string_view chunk) {
    std::size_t i = 0;
    while (atStart_ && i < chunk.size()) {
        if (chunk[i] != kBom[bomMatched_]) {
            // Not a byte order mark after all: the bytes matched so far are text.
            const std::string held(kBom.substr(0, bomMatched_));
            atStart_ = false;
            bomMatched_ = 0;
            Feed(held);
            break;
        }
        ++i;
        if (++bomMatched_ == 3) atStart_ = false;
    }
    for (; i < chunk.size(); ++i) {
        if (lines_.size() >= static_cast<std::size_t>(kProjectFileLines)) return false;
        const auto c = static_cast<unsigned char>(chunk[i]);
        if (c == '\n') {
            EndLine();
            continue;
        }
        if (c == '\r') continue;
        lineStarted_ = true;
        if ((c < 0x20 || c == 0x7F) && badLine_ == 0) {
            badLine_ = static_cast<int>(lines_.size()) + 1;
            badChar_ = c;
        }
        if (StartsCharacter(c)) ++currentLength_;
        if (currentLength_ <= kProjectLineWidth) current_ += static_cast<char>(c);
        if (currentLength_ <= kQuotedCharacters) currentStart_ += static_cast<char>(c);
    }
    return lines_.size() < static_cast<std::size_t>(kProjectFileLines);
}

void ProjectLineSplitter::Finish() {
    if (atStart_ && bomMatched_ > 0) {
        const std::string held(kBom.substr(0, bomMatched_));
        atStart_ = false;
        bomMatched_ = 0;
        Feed(held);
    }
    if (lineStarted_ && lines_.size() < static_cast<std::size_t>(kProjectFileLines)) EndLine();
}

namespace {

ProjectFileContents ContentsOf(const ProjectLineSplitter& splitter) {
    if (splitter.BadCharLine() != 0) {
        throw CalcError("Файл не является файлом проекта: в строке " + std::to_string(splitter.BadCharLine()) +
                        " стоит управляющий знак с кодом " + std::to_string(splitter.BadChar()) + "; файл не загружен");
    }
    if (splitter.LongLine() != 0) {
        const bool cut = splitter.LongLineLength() > kQuotedCharacters;
        throw CalcError("Строка " + std::to_string(splitter.LongLine()) + ": значение длиннее " +
                        std::to_string(kProjectLineWidth) + " знаков: «" + splitter.LongLineStart() + (cut ? "…" : "") +
                        "» (длина " + std::to_string(splitter.LongLineLength()) + "); файл не загружен");
    }
    const std::vector<std::string>& lines = splitter.Lines();
    const int count = static_cast<int>(lines.size());
    if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return line.empty(); }))
        throw DocumentTextError(kEmptyFileMessage);

    ProjectFileContents contents;
    for (int i = 0; i < kProjectHeaderLines && i < count; ++i) {
        contents.header[static_cast<std::size_t>(i)] = lines[static_cast<std::size_t>(i)];
    }
    for (int i = 0; i < kProjectTableLines; ++i) {
        const int line = kProjectHeaderLines + 1 + i;
        if (line > count) {
            throw CalcError("Нет строки " + std::to_string(line) + " файла проекта: файл кончается " + "на строке " +
                            std::to_string(count) + " из " + std::to_string(kProjectFileLines));
        }
        try {
            contents.table[static_cast<std::size_t>(i)] = ParseDecimal4(lines[static_cast<std::size_t>(line - 1)]);
        } catch (const CalcError& e) {
            throw CalcError(e.what() + LineNote(line));
        }
    }
    return contents;
}

}  // namespace

ProjectFileContents ParseProjectFile(std::string_view text) {
    ProjectLineSplitter splitter;
    splitter.Feed(text);
    splitter.Finish();
    return ContentsOf(splitter);
}

ProjectFileContents ReadProjectFile(const std::string& path) {
    if (path.empty()) FailFile(ENOENT);
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) FailFile(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) FailFile(errno);
    if (S_ISDIR(info.st_mode)) FailFile(EISDIR);

    // Only the first 1379 lines matter, so a huge file is not read whole; the
    // kept text of a line is at most 15 characters.
    ProjectLineSplitter splitter;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            FailFile(errno);
        }
        if (n == 0) break;
        if (!splitter.Feed(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
    }
    splitter.Finish();

    return ContentsOf(splitter);
}

void CheckHeaderAssignment(const ProjectHeader& loaded, const ProjectHeader& shown) {
    ProjectHeader texts = shown;
    const auto text = [&texts](std::string_view control) -> const std::string& {
        return texts[static_cast<std::size_t>(InputControlOf(control).headerLine - 1)];
    };
    ProjectState scratch;  // what the handlers store goes here: a check changes nothing
    for (int line = 1; line <= kProjectHeaderLines; ++line) {
        const std::string_view control = HeaderInputs()[static_cast<std::size_t>(line - 1)]->key;
        std::string& target = texts[static_cast<std::size_t>(line - 1)];
        const std::string& value = loaded[static_cast<std::size_t>(line - 1)];
        if (target == value) continue;  // an equal text runs no handler
        target = value;
        try {
            if (control == "WindowHeight" || control == "WindowWidth" || control == "WindowCount") {
                OpeningAreaText(text("WindowHeight"), text("WindowWidth"), text("WindowCount"));
            } else if (control == "WindSpeed") {
                TypeWindSpeed(value, true, scratch);
            }
        } catch (const CalcError& e) {
            throw CalcError(e.what() + LineNote(line));
        }
    }
}

std::vector<StoredResultDifference> StoredTableDifferences(const ProjectFileContents& contents,
                                                           const WindowHourTable& computed) {
    std::vector<StoredResultDifference> differences;
    for (int i = 0; i < kProjectTableLines; ++i) {
        const int record = i / kShownFieldCount;
        const Decimal4 stored = contents.table[static_cast<std::size_t>(i)];
        const Decimal4 value =
            computed.Record(record / kHourCount + 1, record % kHourCount + 1).Field(i % kShownFieldCount + 1);
        if (stored == value) continue;
        differences.push_back({"в строке " + std::to_string(kProjectHeaderLines + 1 + i) + " (" + TablePlace(i) + ")",
                               FormatDecimal4(stored), FormatDecimal4(value)});
    }
    return differences;
}

std::string StoredResultsMessage(const std::vector<StoredResultDifference>& differences) {
    constexpr std::size_t kNamed = 3;
    if (differences.empty()) return {};
    std::string text = "В файле записано ";
    for (std::size_t i = 0; i < differences.size() && i < kNamed; ++i) {
        const StoredResultDifference& d = differences[i];
        if (i > 0) text += "; ";
        text += d.Stored + " " + d.Where + ", расчёт даёт " + d.Computed;
    }
    if (differences.size() > kNamed) text += "; всего расхождений с расчётом: " + std::to_string(differences.size());
    return text + "; показан расчёт.";
}

void StoreProjectTable(const ProjectFileContents& contents, WindowHourTable& table) {
    for (int i = 0; i < kProjectTableLines; ++i) {
        const int record = i / kShownFieldCount;
        const int field = i % kShownFieldCount + 1;
        table.Record(record / kHourCount + 1, record % kHourCount + 1).Field(field) =
            contents.table[static_cast<std::size_t>(i)];
    }
}
