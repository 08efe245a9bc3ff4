#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "Decimal4.h"
#include "InputControls.h"
#include "LayerEditor.h"
#include "Materials.h"
#include "ProjectFile.h"
#include "ProjectState.h"
#include "Totals.h"
#include "WindowHourTable.h"

// The project document: the inputs of a project as a user types them, the
// whole calculation from those inputs, and both written as JSON. The program,
// the command-line tool, the tests and the fuzzers share it.

// ---- Inputs -------------------------------------------------------------------

// The texts of the windows page's inputs are equal when each of the nineteen is.
bool operator==(const WindowInputTexts& a, const WindowInputTexts& b);

// The inputs of a project: the texts a user would type into the controls of
// the input page, the three element check boxes, the orientation check boxes,
// the window kind and the layers of the wall and the roof. A key left out of
// the document keeps the input page's default.
struct ProjectInputs {
    // The nineteen inputs of the windows page, in their reading order, as the
    // document gives them or with their default texts. RunProject derives the
    // opening area and the outer coefficients the document leaves out, as the
    // input page does (see GivenGlazingArea and below).
    WindowInputTexts Window = DefaultWindowInputTexts();
    std::string WindowCount = DefaultTextOf("WindowCount");  // n

    // The city of the field «Город» as chosen or typed; empty for none. The
    // reader fills from it the latitude, tн.ср and Atн the document leaves out
    // (see ReadProjectInputs); afterwards it only names the site.
    std::string City;

    // Which of the texts the document gave; the others follow the typing as
    // the input page derives them (and are not written back).
    bool GivenShadeHorizLength = false;
    bool GivenShadeVertLength = false;
    bool GivenGlazingArea = false;
    bool GivenWindowOuterCoeff = false;
    bool GivenEnvelopeOuterCoeff = false;
    bool GivenWindSpeed = false;

    WindowKind Kind = WindowKind::Vertical;

    // Element check boxes "Окна", "Стены", "Покрытие".
    bool Windows = true;
    bool Walls = false;
    bool Roof = false;
    // Orientation check boxes, index 0..7 for С .. СЗ.
    std::array<bool, kOrientationCount> WindowOrientations{};
    std::array<bool, kOrientationCount> WallOrientations{};

    // Wall group "Для стен".
    std::string WallArea = DefaultTextOf("WallArea");                        // F, m²
    std::string WallAbsorptance = DefaultTextOf("WallAbsorptance");          // ρст
    std::string WallInnerResistance = DefaultTextOf("WallInnerResistance");  // Rв.пр. (read and checked, unused)
    std::optional<std::string> WallLayerCount;                               // absent: the length of the list
    LayerList WallLayers;                                                    // from the room side outwards

    // Roof group "Для покрытий".
    std::string RoofArea = DefaultTextOf("RoofArea");                // F, m²
    std::string RoofAbsorptance = DefaultTextOf("RoofAbsorptance");  // ρ
    std::string UnderRoofTemp = DefaultTextOf("UnderRoofTemp");      // tпокр, °C
    std::optional<std::string> RoofLayerCount;                       // absent: the length of the list
    LayerList RoofLayers;

    // Operating conditions А or Б of the layers' materials: which λ and s the
    // material list fills in. No computation reads it.
    Conditions OperatingConditions = Conditions::A;

    friend bool operator==(const ProjectInputs&, const ProjectInputs&);
};

// The project's texts besides the nineteen of the windows page and the layer
// counts, each with the input it is typed into.
struct OtherInputText {
    std::string_view key;
    std::string ProjectInputs::*text;
};
// clang-format off
inline constexpr std::array<OtherInputText, 7> kOtherInputTexts{{
    {"WindowCount",         &ProjectInputs::WindowCount},
    {"WallArea",            &ProjectInputs::WallArea},
    {"WallAbsorptance",     &ProjectInputs::WallAbsorptance},
    {"WallInnerResistance", &ProjectInputs::WallInnerResistance},
    {"RoofArea",            &ProjectInputs::RoofArea},
    {"RoofAbsorptance",     &ProjectInputs::RoofAbsorptance},
    {"UnderRoofTemp",       &ProjectInputs::UnderRoofTemp},
}};
// clang-format on

// The longest text a document may give, in characters (a list holds at most
// kMaxLayers layers).
inline constexpr std::size_t kMaxInputTextLength = 1000;

// Reads the inputs from a bare inputs document (a JSON object of named
// inputs). Keys are the field names of ProjectInputs; values are texts (a JSON
// number is taken as it is written), booleans for the check boxes, lists of
// orientation names ("С" .. "СЗ" or "N" .. "NW") and lists of layer objects or
// null. Raises CalcError with a Russian message that names the key for a
// document that is not JSON, is not an object, has an unknown or repeated key,
// a value of the wrong type, an unknown name, a text over 1,000 characters or
// a list of more than 50 layers.
// A document that gives a City and leaves out Latitude, OutdoorMeanTemp or
// OutdoorAmplitude gets them from the city's row of the climate table, as
// choosing the city on the input page sets them (kCityInputs); the texts it
// gives win. Such a document is refused with the message of CityNamed for a
// city not in the table (naming the closest), or of ChooseCity for one
// outside 40–60° north. A city with all three given is not looked up.
ProjectInputs ReadProjectInputs(std::string_view document);

// The inputs as a bare inputs document, every key in its fixed order: the
// texts as given (a derived text and a layer count only when the document
// gave them), the kind, the check boxes, the orientation lists with their
// Cyrillic names and the layer lists (null for a gap). Reads back equal.
nlohmann::ordered_json WriteProjectInputsJson(const ProjectInputs& inputs);

// The orientation 1..8 of a name, Cyrillic or Latin; 0 when unknown.
int OrientationByName(std::string_view name);

// "Vertical", "Inclined" or "Horizontal".
std::string_view WindowKindName(WindowKind kind);

// ---- Results ------------------------------------------------------------------

// What the windows page showed: the kind caption of the insolation row and,
// per orientation, the 17 displayed fields of the ten hours and the peak.
struct ProjectWindowResults {
    WindowKind Kind = WindowKind::Vertical;
    std::string InsolationCaption;
    WindowHourTable Table;  // fields 1..17 as displayed, 18 and 19 as computed
    OrientationValues PeakGain;
    IndexedArray<std::int32_t, 1, kOrientationCount> PeakHour;
};

// Thermal figures of a layered construction that its hourly gains rest on.
struct ConstructionFigures {
    Decimal4 Resistance;      // R₀, m²·°C/W
    Decimal4 Inertia;         // D
    std::int32_t Lag = 0;     // ε, whole hours
    Decimal4 DampingProduct;  // P
    Decimal4 Damping;         // ν
};

struct ProjectWallResults {
    OrientationHourValues HourGain;  // W, [orientation][hour]
    ConstructionFigures Figures;
};

struct ProjectRoofResults {
    HourValues HourGain;  // W, before the totals page rounds it to whole watts
    ConstructionFigures Figures;
};

// The four rows of the totals page and the hours of their maxima (1..10; an
// excluded element kind has none).
struct ProjectTotals {
    HourValues WindowHourTotal;
    HourValues WallHourTotal;
    HourValues RoofHourGain;
    HourValues GrandHourTotal;
    std::optional<int> WindowMaxHour;
    std::optional<int> WallMaxHour;
    std::optional<int> RoofMaxHour;
    std::optional<int> GrandMaxHour;    // none for a day without any gain
    std::optional<std::string> NoGain;  // and then why
};

struct ProjectResults {
    std::optional<ProjectWindowResults> Windows;  // empty when "Окна" is not checked
    std::optional<ProjectWallResults> Walls;      // empty when "Стены" is not checked
    std::optional<ProjectRoofResults> Roof;       // empty when "Покрытие" is not checked
    ProjectTotals Totals;
};

// The whole calculation of one project from the program's start-up state:
// the typing on the input page (derived texts, layer counts, layers entered
// with the Enter button; kept layers above the count stored as they are),
// then the windows page when "Окна" is checked, then the totals page. The
// functions are the ones the pages call, with their inputs in the same order.
// The calculation works on a project state of its own, so that any number of
// them may run at once, each on its own thread. Raises the CalcError the
// program would show.
ProjectResults RunProject(const ProjectInputs& inputs);
// The same on `state`, put back to the start-up state first, which then holds
// what the pages left in it (also after a refusal).
ProjectResults RunProject(const ProjectInputs& inputs, ProjectState& state);

// The texts of the window and site controls once the inputs are typed: the
// given texts, and the derived ones (opening area, shading lengths, outer
// coefficients) as the input page shows them. What RunProject computes with.
WindowInputTexts ShownWindowInputTexts(const ProjectInputs& inputs);

// A calculation that was refused: the message as the error box shows it,
// and as the command-line tool says it, naming the document's key
// (DocumentRefusalText; empty when not known).
struct ProjectError {
    std::string Message;
    std::string DocumentMessage = {};
};

// A refusal as the command-line tool says it: a refusal of an input's text
// names the key of the document that gave it, then the field and the reason:
// "WindowHeight (Высота окна Н): «abc» — не число", "WallLayers, слой 2,
// Thickness (Толщина слоя стены δ): должна быть больше 0 (введено 0)". Any
// other error keeps its message.
std::string DocumentRefusalText(const CalcError& error);
using ProjectOutcome = std::variant<ProjectResults, ProjectError>;

// What the totals page reads of the inputs.
TotalsInputTexts TotalsInputsOf(const ProjectInputs& inputs);

// The results as `state` holds them after the windows page (when "Окна" is
// checked) and the totals page computed them from `inputs`, with the hours of
// the maxima `view` shows: RunProject's results, and the program's when it
// saves.
ProjectResults ProjectResultsOfState(const ProjectState& state, const ProjectInputs& inputs, const TotalsView& view);

// RunProject, with a refusal kept as its message instead of raised.
ProjectOutcome ComputeProject(const ProjectInputs& inputs);

// The field name of a shown field 1..17 of the window hour table
// ("GainDirect" .. "HeatGain"); std::out_of_range for another field.
std::string_view WindowFieldName(WindowField field);

// The results as JSON, keys in a fixed order, every Decimal4 as the text the
// program shows for it (FormatDecimal4): {"windows", "walls", "roof", "totals"}.
nlohmann::ordered_json WriteProjectResultsJson(const ProjectResults& results);
// {"error": message}
nlohmann::ordered_json ErrorJson(const std::string& message);
// The results, or {"error": message} for a refused calculation.
nlohmann::ordered_json WriteProjectOutcomeJson(const ProjectOutcome& outcome);

// A JSON document as it is written: indented by two, a final newline; bytes
// that are not UTF-8 (only possible in an echoed error) are replaced.
std::string JsonDocumentText(const nlohmann::ordered_json& document);

// ---- The project file -----------------------------------------------------------

// {"format": "solargain-project", "version": 1, "inputs": {...}, "results": {...}}
inline constexpr std::string_view kProjectFormat = "solargain-project";
inline constexpr int kProjectFormatVersion = 1;

// The full project file of the inputs and what their calculation gave.
std::string WriteProjectFile(const ProjectInputs& inputs, const ProjectOutcome& outcome);

// Reads either a full project file or a bare inputs document (one without a
// "format" key) and returns the inputs. The results of a full file are not
// read (they are computed again), but the file must have the shape above:
// "format" and "version" as written, "inputs" an object, "results" (if
// present) an object, no other key, no key twice. Raises CalcError with a
// Russian message otherwise, and for everything ReadProjectInputs refuses.
ProjectInputs ReadProjectDocument(std::string_view document);

// Whether a file's text is a JSON document: after an optional UTF-8 byte
// order mark and blanks it starts with "{". Anything else is taken for the
// 1379-line window table file.
bool IsJsonDocumentText(std::string_view text);

// The inputs a window table file holds: the window and site texts of its
// header lines, each as the line gives it, the kind of glazing its table was
// computed with (TableFileKind), everything else at its default. Runs the
// calculation, so it leaves the project state as RunProject does.
ProjectInputs InputsOfTableFile(const ProjectFileContents& contents);

// The kind of glazing of a window table file, which the file does not name:
// the first of vertical, inclined and horizontal glazing whose table computed
// from `inputs` (the file's header) is the table the file stores; vertical
// when none is.
WindowKind TableFileKind(ProjectInputs inputs, const ProjectFileContents& contents);

// A project from a file's text: a JSON document (ReadProjectDocument) or a
// window table file (ParseProjectFile, then InputsOfTableFile).
ProjectInputs ReadAnyProject(std::string_view text);

// ---- The program's files --------------------------------------------------------

// A file the program opens: a JSON document's inputs, or a window table
// file's header and table.
struct OpenedProject {
    std::optional<ProjectInputs> Document;
    std::optional<ProjectFileContents> Table;
    // The "results" of a full project file, as stored; they are never shown,
    // only held against the results computed from the inputs.
    std::optional<nlohmann::ordered_json> StoredResults;
};

// The largest JSON document opened, in bytes; a project file of 50 layers
// per construction with texts of 1,000 characters and its results is far
// smaller.
inline constexpr std::size_t kMaxProjectDocumentBytes = 16 * 1024 * 1024;

// The whole text of the project file at `path`, read once: a regular file of
// at most kMaxProjectDocumentBytes. A device, a FIFO (never waited on), a
// folder or a larger file is refused, as is a file that cannot be read.
std::string ReadProjectText(const std::string& path);
// The same from a stream (the tool's standard input), with the same cap.
std::string ReadProjectStream(std::istream& in);

// Reads the file at `path` (ReadProjectText) and recognises it by its
// content (IsJsonDocumentText): a JSON document is read with
// ReadProjectDocument, anything else as a window table file with
// ParseProjectFile. Raises the file error (FileErrorMessage) or the reader's
// refusal; nothing is returned half read.
OpenedProject OpenProjectFile(const std::string& path);

// A file's text recognised as OpenProjectFile recognises it.
OpenedProject OpenProjectText(std::string_view text);

// The stored "results" of a full project file against the outcome computed
// from its inputs: every value that differs, named by its key
// ("results.windows.orientations[Ю].hours.12-13.HeatGain"), and every key
// one has and the other lacks. A refusal stored and a refusal computed
// agree whatever their wording; a refusal against results is one difference.
// The same between stored results and the computed ones as JSON (either may
// be a refusal {"error": …}).
std::vector<StoredResultDifference> StoredJsonDifferences(const nlohmann::ordered_json& stored,
                                                          const nlohmann::ordered_json& computed);
std::vector<StoredResultDifference> StoredResultsDifferences(const nlohmann::ordered_json& stored,
                                                             const ProjectOutcome& computed);

// The differences between what an opened file stores and `computed`, the
// outcome of its inputs: the table of a window table file (when the windows
// were computed) or the results of a full project file.
std::vector<StoredResultDifference> StoredDifferences(const OpenedProject& opened, const ProjectOutcome& computed);

// Whether saving `shown` as a window table file keeps the whole project: all
// that file leaves out (the walls, the roof, the kind, the check boxes, the
// layers) is as `startUp` has it, so that opening the file gives the same
// inputs; αн of horizontal surfaces, not saved either, must be what the
// saved wind speed brings back. Otherwise the project stays unsaved.
bool TableFileHoldsAll(const ProjectInputs& shown, const ProjectInputs& startUp);
