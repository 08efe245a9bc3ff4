// Opening a project file in the program, and what the window table file keeps.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "CalcError.h"
#include "DerivedInputs.h"
#include "ProjectDocument.h"

namespace {

// Closes a descriptor on every way out.
struct OpenFile {
    int fd;
    explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
};

[[noreturn]] void FailFile(int errorNumber) { throw CalcError(FileErrorMessage(errorNumber)); }

// The start of the file (enough to tell JSON from a table), or all of it.
std::string ReadText(const std::string& path, std::size_t limit) {
    if (path.empty()) FailFile(ENOENT);
    const OpenFile file(path);
    if (file.fd < 0) FailFile(errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) FailFile(errno);
    if (S_ISDIR(info.st_mode)) FailFile(EISDIR);
    std::string text;
    char buffer[65536];
    while (text.size() <= limit) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            FailFile(errno);
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

}  // namespace

OpenedProject OpenProjectFile(const std::string& path) {
    OpenedProject opened;
    if (!IsJsonDocumentText(ReadText(path, 65536))) {
        opened.Table = ReadProjectFile(path);
        return opened;
    }
    const std::string text = ReadText(path, kMaxProjectDocumentBytes);
    if (text.size() > kMaxProjectDocumentBytes) {
        throw CalcError("Файл проекта больше " + std::to_string(kMaxProjectDocumentBytes / (1024 * 1024)) +
                        " МБ: это не файл проекта этой программы");
    }
    opened.Document = ReadProjectDocument(text);
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
