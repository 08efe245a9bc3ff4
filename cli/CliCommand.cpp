#include "CliCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>
#include <string_view>

#include "BuildingDocument.h"
#include "BuildingReport.h"
#include "CalcError.h"
#include "Cities.h"
#include "CliOutput.h"
#include "CliRadiation.h"
#include "ProjectDocument.h"
#include "ProjectReport.h"
#include "QuotedText.h"
#include "ReportFile.h"
#include "ReportWorkbook.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUnreadable = 1;
constexpr int kExitRefused = 2;

// A wrong command line.
struct UsageError {
    std::string message;
};

struct CommandLine {
    std::string command;              // "compute", "convert", "radiation" or "cities"
    std::optional<std::string> file;  // compute, convert: FILE or "-"
    std::optional<std::string> latitude;
    std::optional<std::string> search;  // cities: part of the name
    std::optional<std::string> output;  // compute: the file written instead of standard output
    OutputFormat format = OutputFormat::Json;
    bool help = false;
    bool version = false;
};

OutputFormat FormatNamed(std::string_view name) {
    if (name == "json") return OutputFormat::Json;
    if (name == "csv") return OutputFormat::Csv;
    if (name == "xlsx") return OutputFormat::Xlsx;
    throw UsageError{"--format must be json, csv or xlsx, not " + QuotedText(name)};
}

// An option's value: "--name=value" or "--name value".
std::string OptionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
    if (i + 1 >= args.size()) throw UsageError{std::string(name) + " needs a value"};
    return args[++i];
}

bool IsOption(const std::string& arg, std::string_view name) {
    return arg == name ||
           (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=');
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            cl.help = true;
        } else if (arg == "--version") {
            cl.version = true;
        } else if (IsOption(arg, "--format")) {
            cl.format = FormatNamed(OptionValue(args, i, "--format"));
        } else if (IsOption(arg, "--latitude")) {
            cl.latitude = OptionValue(args, i, "--latitude");
        } else if (IsOption(arg, "--search")) {
            cl.search = OptionValue(args, i, "--search");
        } else if (IsOption(arg, "-o") || IsOption(arg, "--output")) {
            cl.output = OptionValue(args, i, arg.rfind("--output", 0) == 0 ? "--output" : "-o");
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + QuotedText(arg)};
        } else if (cl.command.empty()) {
            cl.command = arg;
        } else if ((cl.command == "compute" || cl.command == "convert") && !cl.file) {
            cl.file = arg;
        } else {
            throw UsageError{"unexpected argument " + QuotedText(arg)};
        }
    }
    if (cl.help || cl.version) return cl;
    if (cl.command.empty()) throw UsageError{"a command is needed: compute, convert, radiation or cities"};
    if (cl.command != "compute" && cl.command != "convert" && cl.command != "radiation" && cl.command != "cities") {
        throw UsageError{"unknown command " + QuotedText(cl.command)};
    }
    if (cl.command == "convert" && cl.format != OutputFormat::Json) throw UsageError{"convert writes JSON only"};
    if (cl.command != "radiation" && cl.latitude) throw UsageError{"--latitude belongs to the radiation command"};
    if (cl.command != "cities" && cl.search) throw UsageError{"--search belongs to the cities command"};
    if (cl.command == "radiation" && !cl.latitude) throw UsageError{"radiation needs --latitude N"};
    if (cl.command != "compute" && cl.format == OutputFormat::Xlsx) throw UsageError{"only compute writes xlsx"};
    if (cl.command != "compute" && cl.output) throw UsageError{"-o belongs to the compute command"};
    if (cl.format == OutputFormat::Xlsx && !cl.output) throw UsageError{"--format xlsx needs -o FILE"};
    return cl;
}

bool IsStandardInput(const std::optional<std::string>& file) { return !file || *file == "-"; }

// The project's text from a file, or from standard input for "-" or no file.
// Empty on failure, with the operating system's reason in `reason`.
std::optional<std::string> ReadDocument(const std::optional<std::string>& file, std::istream& in, std::string& reason) {
    const bool standardInput = IsStandardInput(file);
    try {
        return standardInput ? ReadProjectStream(in) : ReadProjectText(*file);
    } catch (const CalcError& e) {
        reason = "Не удалось прочитать " + (standardInput ? std::string("стандартный ввод") : QuotedPath(*file)) +
                 ": " + e.what();
        return std::nullopt;
    }
}

// Reads the document's text with `read`; a refusal of the text as a whole
// (empty, not JSON) names the file it came from.
template <class Read>
auto ReadingDocument(const std::optional<std::string>& file, const Read& read) {
    try {
        return read();
    } catch (const DocumentTextError& e) {
        throw CalcError((IsStandardInput(file) ? std::string("Стандартный ввод") : "Файл " + QuotedPath(*file)) + ": " +
                        e.what());
    }
}

// A failure: the message on standard error, and as {"error": ...} on standard
// output when the output is JSON.
int Fail(int status, const std::string& message, OutputFormat format, std::ostream& out, std::ostream& err) {
    err << message << '\n';
    if (format == OutputFormat::Json) out << JsonDocumentText(ErrorJson(message));
    return status;
}

// The results written to the file of -o, replacing it only once complete:
// the workbook by `writeWorkbook`, or `text`.
template <class WriteWorkbook>
int WriteOutput(const CommandLine& cl, const WriteWorkbook& writeWorkbook, const std::string& text, std::ostream& err) {
    try {
        if (cl.format == OutputFormat::Xlsx) {
            writeWorkbook(*cl.output);
        } else {
            WriteReportFile(*cl.output, text);
        }
    } catch (const CalcError& e) {
        err << ErrorBoxText(e.what()) << '\n';
        return kExitUnreadable;
    }
    return kExitOk;
}

// Results a file stores that differ from those computed from its inputs are
// said on standard error, as the program says them on opening; the results
// written are the computed ones.
void NoteStoredResults(std::string_view text, const ProjectResults& results, std::ostream& err) {
    try {
        const std::string note = StoredResultsMessage(StoredDifferences(OpenProjectText(text), results));
        if (!note.empty()) err << note << '\n';
    } catch (const CalcError&) {
        // Not a file of one project: nothing stored to hold against.
    }
}

// A project's results, as the totals page computes them.
int ComputeProject(const CommandLine& cl, const ProjectInputs& inputs, std::string_view file, std::ostream& out,
                   std::ostream& err) {
    const ProjectResults results = RunProject(inputs);
    NoteStoredResults(file, results, err);
    const std::string text = cl.format == OutputFormat::Xlsx   ? std::string()
                             : cl.format == OutputFormat::Json ? JsonDocumentText(WriteProjectResultsJson(results))
                                                               : ResultsCsv(results);
    if (!cl.output) {
        out << text;
        return kExitOk;
    }
    const auto workbook = [&](const std::string& path) {
        WriteReportWorkbook(MakeProjectReport(inputs, results), path);
    };
    return WriteOutput(cl, workbook, text, err);
}

// A building's results: every room and the building's sums.
int ComputeBuildingResults(const CommandLine& cl, const BuildingInputs& building, std::ostream& out,
                           std::ostream& err) {
    const BuildingResults results = ComputeBuilding(building);
    const std::string text = cl.format == OutputFormat::Xlsx   ? std::string()
                             : cl.format == OutputFormat::Json ? BuildingResultsJsonText(results)
                                                               : BuildingResultsCsv(results);
    if (!cl.output) {
        out << text;
        return kExitOk;
    }
    const auto workbook = [&](const std::string& path) { WriteBuildingWorkbook(results, path); };
    return WriteOutput(cl, workbook, text, err);
}

// A document naming a doubtful city of the climate table is read as any
// other; standard error says to check its figures.
void NoteDoubtfulCity(const ProjectInputs& inputs, std::ostream& err) {
    const City* city = FindCity(inputs.City);
    if (city != nullptr && IsDoubtful(*city)) err << CityDoubtNote(*city) << '\n';
}

int Compute(const CommandLine& cl, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string reason;
    const std::optional<std::string> text = ReadDocument(cl.file, in, reason);
    if (!text) return Fail(kExitUnreadable, ErrorBoxText(reason), cl.format, out, err);
    const AnyProject project = ReadingDocument(cl.file, [&text] { return ReadAnyProjectOrBuilding(*text); });
    NoteDoubtfulCity(project.Building ? project.Building->Site.Inputs : *project.Project, err);
    if (project.Building) return ComputeBuildingResults(cl, *project.Building, out, err);
    return ComputeProject(cl, *project.Project, *text, out, err);
}

// The building document of a project in any form (a project becomes a
// building of one room). It is printed even when the calculation is refused
// (its results then hold the error), so that the inputs are never lost; the
// refusal still sets the exit status.
int Convert(const CommandLine& cl, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string reason;
    const std::optional<std::string> text = ReadDocument(cl.file, in, reason);
    if (!text) return Fail(kExitUnreadable, ErrorBoxText(reason), cl.format, out, err);
    const BuildingInputs building = ReadingDocument(cl.file, [&text] { return ReadAnyBuilding(*text); });
    NoteDoubtfulCity(building.Site.Inputs, err);
    const BuildingOutcome outcome = ComputeBuildingOutcome(building);
    out << WriteBuildingFile(building, outcome);
    if (const ProjectError* error = std::get_if<ProjectError>(&outcome)) {
        err << error->DocumentMessage << '\n';
        return kExitRefused;
    }
    return kExitOk;
}

// The latitude of the radiation command, its refusal naming the option as a
// document's refusal names its key.
CliRadiationTable RadiationTableOf(const std::string& latitudeText) {
    try {
        return ReadingInput("Latitude", [&latitudeText] { return ComputeRadiationTable(latitudeText); });
    } catch (const CalcError& e) {
        throw CalcError("--latitude (" + InputName(InputControlOf("Latitude")) + "): " + e.ReasonOrMessage());
    }
}

int Radiation(const CommandLine& cl, std::ostream& out) {
    const CliRadiationTable table = RadiationTableOf(*cl.latitude);
    out << (cl.format == OutputFormat::Json ? JsonDocumentText(RadiationJson(table)) : RadiationCsv(table));
    return kExitOk;
}

// The columns of the cities command, in their order.
struct CityField {
    const char* name;
    std::string (*value)(const City&);
};
// clang-format off
constexpr CityField kCityFields[] = {
    {"City",             [](const City& c) { return c.name; }},
    {"Region",           [](const City& c) { return c.region; }},
    {"Latitude",         [](const City& c) { return c.latitude; }},
    {"LatitudeRounded",  [](const City& c) { return std::to_string(RoundedLatitude(c.latitude)); }},
    {"OutdoorMeanTemp",  [](const City& c) { return c.julyMean; }},
    {"OutdoorAmplitude", [](const City& c) { return c.dailyAmplitude; }},
    {"WarmPeriod095",    [](const City& c) { return c.warmPeriod095; }},
    {"Confidence",       [](const City& c) { return c.confidence; }},
    {"Source",           [](const City& c) { return CityClimateSource(c); }},
};
// clang-format on

std::string CitiesCsv(const std::vector<const City*>& cities) {
    std::string text;
    for (const CityField& f : kCityFields) text += (&f == kCityFields ? "" : ",") + std::string(f.name);
    text += '\n';
    for (const City* city : cities) {
        for (const CityField& f : kCityFields) text += (&f == kCityFields ? "" : ",") + CsvField(f.value(*city));
        text += '\n';
    }
    return text;
}

nlohmann::ordered_json CitiesJson(const std::vector<const City*>& cities) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const City* city : cities) {
        nlohmann::ordered_json entry;
        for (const CityField& f : kCityFields) entry[f.name] = f.value(*city);
        list.push_back(entry);
    }
    return {{"cities", list}};
}

// The offered cities of the climate table whose name contains the searched
// text, in alphabetical order. Finding none is not an error: the list is
// empty and the nearest names are suggested on standard error.
int Cities(const CommandLine& cl, std::ostream& out, std::ostream& err) {
    const std::string search = cl.search.value_or("");
    const std::vector<const City*> cities = CitiesContaining(search);
    out << (cl.format == OutputFormat::Json ? JsonDocumentText(CitiesJson(cities)) : CitiesCsv(cities));
    if (cities.empty()) {
        err << "Ни одно название города в таблице климата не содержит " << QuotedText(search) << "; ближайшие:";
        const std::vector<const City*> closest = ClosestCities(search);
        for (std::size_t i = 0; i < closest.size(); ++i) err << (i ? ", " : " ") << closest[i]->name;
        err << '\n';
    }
    return kExitOk;
}

}  // namespace

std::string CliUsage() {
    return "Usage:\n"
           "  solargain-cli compute [FILE | -] [--format json|csv|xlsx] [-o OUT]\n"
           "      Computes the project in FILE (standard input when FILE is - or absent):\n"
           "      the windows of the eight orientations when \"Windows\" is true, the\n"
           "      walls and the roof, and the hourly totals. FILE is a project file, a\n"
           "      bare inputs document (JSON) or a 1379-line window table file. A\n"
           "      building (version 2: rooms of window groups, wall groups and a roof)\n"
           "      gives each room's results and the building's hourly total, its\n"
           "      maximum and the sum of the rooms' maxima. A\n"
           "      \"City\" of the climate table (see cities) gives Latitude,\n"
           "      OutdoorMeanTemp and OutdoorAmplitude where the document does not.\n"
           "      Results the file stores are never printed: those that differ from\n"
           "      the computed ones are named on standard error.\n"
           "      With -o the results go to the file OUT, which is replaced only once\n"
           "      complete; xlsx (the program's export workbook: inputs, totals, the\n"
           "      windows of each orientation, the walls) is written only with -o.\n"
           "  solargain-cli convert [FILE | -]\n"
           "      Prints the building document (version 2) of FILE (any form above):\n"
           "      its inputs and the results computed from them. A project becomes a\n"
           "      building of one room; a window table file gives the window and site\n"
           "      inputs of its header, all else at default.\n"
           "  solargain-cli radiation --latitude N [--format json|csv]\n"
           "      Prints the solar data generated for the latitude N (40 to 60): the\n"
           "      vertical facade and horizontal surface radiation and the sun position\n"
           "      of every orientation and hour.\n"
           "  solargain-cli cities [--search TEXT] [--format json|csv]\n"
           "      Lists the cities of the built-in climate table in alphabetical order:\n"
           "      region, latitude as written and rounded to whole degrees, tн.ср (mean\n"
           "      July temperature), Atн (mean daily amplitude of the warmest month),\n"
           "      t 0.95, confidence and source. --search keeps the cities whose name\n"
           "      contains TEXT, ignoring case and ё.\n"
           "\n"
           "Options:\n"
           "  --format json|csv|xlsx  output format (default json)\n"
           "  -o, --output OUT    compute: write the results to OUT\n"
           "  --latitude N        latitude of the radiation table, whole degrees north\n"
           "  --search TEXT       part of a city name (cities)\n"
           "  -h, --help          this text\n"
           "  --version           the program's version\n"
           "\n"
           "Exit status: 0 success, 1 the project file cannot be read or OUT cannot be\n"
           "written (an existing OUT is left as it was), 2 the project or\n"
           "the command line is refused (the message is on standard error, and for JSON\n"
           "output also as {\"error\": ...} on standard output; convert still prints the\n"
           "project file, its results being {\"error\": ...}).\n";
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    CommandLine cl;
    try {
        cl = ParseCommandLine(args);
    } catch (const UsageError& e) {
        err << "solargain-cli: " << e.message << "\nTry 'solargain-cli --help'.\n";
        return kExitRefused;
    }
    if (cl.help) {
        out << CliUsage();
        return kExitOk;
    }
    if (cl.version) {
        out << "solargain-cli " << SOLARGAIN_VERSION << '\n';  // the project's version, set by the build
        return kExitOk;
    }
    try {
        if (cl.command == "cities") return Cities(cl, out, err);
        if (cl.command == "convert") return Convert(cl, in, out, err);
        return cl.command == "compute" ? Compute(cl, in, out, err) : Radiation(cl, out);
    } catch (const CalcError& e) {
        return Fail(kExitRefused, ErrorBoxText(DocumentRefusalText(e)), cl.format, out, err);
    } catch (const std::exception& e) {
        // Not a message of the program: a fault of the tool itself, reported
        // rather than left to end the process.
        return Fail(kExitRefused, ErrorBoxText(std::string("Internal error: ") + e.what()), cl.format, out, err);
    }
}
