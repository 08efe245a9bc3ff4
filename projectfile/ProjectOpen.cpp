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

OpenedProject OpenProjectText(std::string_view text) {
    OpenedProject opened;
    if (!IsJsonDocumentText(text)) {
        opened.Table = ParseProjectFile(text);
        return opened;
    }
    opened.Document = ReadProjectDocument(text);
    // The document was read above, so it parses; only a full project file
    // (with "format") stores results.
    const nlohmann::ordered_json root = nlohmann::ordered_json::parse(text, nullptr, false);
    if (root.is_object() && root.contains("format") && root.contains("results") && root["results"].is_object())
        opened.StoredResults = root["results"];
    return opened;
}

// The file is opened and read once; its text tells a JSON document from a
// window table file.
OpenedProject OpenProjectFile(const std::string& path) { return OpenProjectText(ReadProjectText(path)); }

namespace {

using nlohmann::ordered_json;

// A value as a message quotes it: a text as it is, anything else as JSON,
// at most a few dozen characters.
std::string QuotedValue(const ordered_json& value) {
    constexpr std::size_t kLongest = 40;
    const std::string text = value.is_string() ? value.get<std::string>()
                                               : value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == kLongest) return text.substr(0, i) + "…";
    }
    return text;
}

const std::string kAbsent = "ничего";

// An item of a list named by its "name" (the orientations), else by its index.
std::string ItemLabel(const ordered_json& item, std::size_t index) {
    if (item.is_object() && item.contains("name") && item["name"].is_string()) return item["name"].get<std::string>();
    return std::to_string(index);
}

void CompareJson(const ordered_json& stored, const ordered_json& computed, const std::string& key,
                 std::vector<StoredResultDifference>& out) {
    const auto differ = [&out](const std::string& at, const std::string& was, const std::string& is) {
        out.push_back({"в ключе " + at, was, is});
    };
    if (stored.is_object() && computed.is_object()) {
        for (const auto& [name, value] : computed.items()) {
            const auto it = stored.find(name);
            if (it == stored.end()) {
                differ(key + "." + name, kAbsent, QuotedValue(value));
            } else {
                CompareJson(*it, value, key + "." + name, out);
            }
        }
        for (const auto& [name, value] : stored.items()) {
            if (!computed.contains(name)) differ(key + "." + name, QuotedValue(value), kAbsent);
        }
        return;
    }
    if (stored.is_array() && computed.is_array() && stored.size() == computed.size()) {
        for (std::size_t i = 0; i < computed.size(); ++i)
            CompareJson(stored[i], computed[i], key + "[" + ItemLabel(computed[i], i) + "]", out);
        return;
    }
    if (stored != computed) differ(key, QuotedValue(stored), QuotedValue(computed));
}

}  // namespace

std::vector<StoredResultDifference> StoredJsonDifferences(const ordered_json& stored, const ordered_json& computed) {
    std::vector<StoredResultDifference> differences;
    const bool storedRefusal = stored.is_object() && stored.contains("error");
    const bool computedRefusal = computed.is_object() && computed.contains("error");
    if (storedRefusal && computedRefusal) return differences;
    if (storedRefusal || computedRefusal) {
        const auto said = [](const std::string& message) { return "отказ «" + message + "»"; };
        const std::string results = "результаты расчёта";
        differences.push_back({"в ключе results", storedRefusal ? said(QuotedValue(stored["error"])) : results,
                               computedRefusal ? said(computed["error"].get<std::string>()) : results});
        return differences;
    }
    CompareJson(stored, computed, "results", differences);
    return differences;
}

std::vector<StoredResultDifference> StoredResultsDifferences(const ordered_json& stored,
                                                             const ProjectOutcome& computed) {
    return StoredJsonDifferences(stored, WriteProjectOutcomeJson(computed));
}

WindowKind TableFileKind(ProjectInputs inputs, const ProjectFileContents& contents) {
    for (const WindowKind kind : {WindowKind::Vertical, WindowKind::Inclined, WindowKind::Horizontal}) {
        inputs.Kind = kind;
        inputs.Windows = true;
        try {
            const ProjectResults results = RunProject(inputs);
            if (StoredTableDifferences(contents, results.Windows->Table).empty()) return kind;
        } catch (const CalcError&) {
            // Not computed with this kind.
        }
    }
    return WindowKind::Vertical;
}

std::vector<StoredResultDifference> StoredDifferences(const OpenedProject& opened, const ProjectOutcome& computed) {
    if (opened.StoredResults) return StoredResultsDifferences(*opened.StoredResults, computed);
    const ProjectResults* results = std::get_if<ProjectResults>(&computed);
    if (!opened.Table || results == nullptr || !results->Windows) return {};
    return StoredTableDifferences(*opened.Table, results->Windows->Table);
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
