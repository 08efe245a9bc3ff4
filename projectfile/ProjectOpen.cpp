// Opening a project file in the program, and what the window table file keeps.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <istream>

#include "CalcError.h"
#include "DerivedInputs.h"
#include "JsonTree.h"
#include "ProjectDocument.h"
#include "QuotedText.h"

namespace {

// Closes a descriptor on every way out.
struct OpenFile {
    int fd;
    explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
};

[[noreturn]] void FailFile(int errorNumber) { throw CalcError(FileErrorMessage(errorNumber)); }

[[noreturn]] void TooLarge() {
    throw CalcError("Файл проекта больше " + std::to_string(kMaxProjectDocumentBytes / (1024 * 1024)) +
                    " МБ: это не файл проекта этой программы");
}

}  // namespace

std::string ReadProjectText(const std::string& path) {
    if (path.empty()) FailFile(ENOENT);
    // Opened without waiting, so that a FIFO with no writer cannot hold the
    // program; then only a regular file is read (a device such as /dev/zero
    // would never end).
    const OpenFile file(path);
    if (file.fd < 0) FailFile(errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) FailFile(errno);
    if (S_ISDIR(info.st_mode)) FailFile(EISDIR);
    if (!S_ISREG(info.st_mode))
        throw CalcError(QuotedPath(path) + " — не обычный файл (устройство или канал): это не файл проекта");
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxProjectDocumentBytes) TooLarge();
    const int flags = ::fcntl(file.fd, F_GETFL);
    if (flags >= 0) ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK);
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            FailFile(errno);
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > kMaxProjectDocumentBytes) TooLarge();  // a file that grows while read
    }
    RefuseNulBytes(text);
    return text;
}

std::string ReadProjectStream(std::istream& in) {
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxProjectDocumentBytes) TooLarge();
    }
    if (in.bad()) throw CalcError("Не удалось прочитать стандартный ввод");
    RefuseNulBytes(text);
    return text;
}

OpenedProject OpenProjectFile(const std::string& path) {
    OpenedProject opened;
    // The file is opened and read once; its text tells a JSON document from
    // a window table file.
    const std::string text = ReadProjectText(path);
    if (IsJsonDocumentText(text))
        opened.Document = ReadProjectDocument(text);
    else
        opened.Table = ParseProjectFile(text);
    return opened;
}

bool TableFileHoldsAll(const ProjectInputs& shown, const ProjectInputs& startUp) {
    ProjectInputs rest = shown;
    for (const InputControl* input : HeaderInputs()) {
        if (input->windowText != nullptr) rest.Window.*input->windowText = startUp.Window.*input->windowText;
    }
    rest.WindowCount = startUp.WindowCount;
    // Opening the file types the saved wind speed, which shows αн again when it
    // differs from the start-up text.
    std::string envelopeCoeff = startUp.Window.EnvelopeOuterCoeff;
    if (shown.Window.WindSpeed != startUp.Window.WindSpeed) {
        try {
            ProjectState scratch;
            const std::optional<OuterCoeffTexts> coeffs = TypeWindSpeed(shown.Window.WindSpeed, true, scratch);
            if (coeffs) envelopeCoeff = coeffs->Envelope;
        } catch (const CalcError&) {
            return false;
        }
    }
    if (shown.Window.EnvelopeOuterCoeff != envelopeCoeff) return false;
    rest.Window.EnvelopeOuterCoeff = startUp.Window.EnvelopeOuterCoeff;
    return rest == startUp;
}
