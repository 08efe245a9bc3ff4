#include "Cities.h"

#include <algorithm>
#include <set>

#include "CalcError.h"
#include "EmbeddedTables.h"
#include "QuotedText.h"
#include "RussianText.h"
#include "TableText.h"
#include "WindowHourTable.h"

namespace {

constexpr std::string_view kTableName = "cities-warm-period.csv";

// The columns read, by the header's first word, and where each goes.
struct Column {
    std::string_view header;
    std::string City::*field;
};
// clang-format off
constexpr Column kColumns[] = {
    {"city",                 &City::name},
    {"region_as_in_source",  &City::region},
    {"lat_deg_N",            &City::latitude},
    {"t_jul_mean_C",         &City::julyMean},
    {"A_mean_daily_C",       &City::dailyAmplitude},
    {"t_095_C",              &City::warmPeriod095},
    {"edition",              &City::edition},
    {"confidence",           &City::confidence},
    {"flags",                &City::flags},
    {"source",               &City::source},
    {"lat_source",           &City::latitudeSource},
};
// clang-format on

// Plausible ranges of the figures for the cities of the table.
struct Range {
    std::string City::*field;
    std::string_view what;
    double low;
    double high;
};
// clang-format off
constexpr Range kRanges[] = {
    {&City::latitude,       "latitude",        35, 75},
    {&City::julyMean,       "July mean",       kJulyMeanLow,  kJulyMeanHigh},
    {&City::dailyAmplitude, "daily amplitude", kAmplitudeLow, kAmplitudeHigh},
    {&City::warmPeriod095,  "t 0.95",           5, 40},
};
// clang-format on

std::string_view HeaderWord(std::string_view header) { return Trimmed(header.substr(0, header.find(' '))); }

void CheckRow(const City& city) {
    if (city.name.empty()) throw std::runtime_error("no city name");
    for (const Range& r : kRanges) CheckFigure(r.what, city.*r.field, r.low, r.high, r.field != &City::latitude);
    if (city.confidence != "M" && city.confidence != "L" && city.confidence != "X") {
        throw std::runtime_error("confidence '" + city.confidence + "' is not M, L or X");
    }
    if (city.confidence == "X" && city.flags.empty()) throw std::runtime_error("a row left out says not why");
    if (city.edition.empty() || city.source.empty() || city.latitudeSource.empty()) {
        throw std::runtime_error("the edition or a source is missing");
    }
}

std::vector<City>& OwnRows() {
    static std::vector<City> rows;
    return rows;
}

// The table's offered cities and the own ones, alphabetical; of two of one
// name the table's comes first.
std::vector<const City*> PickableCities() {
    std::vector<const City*> list = OfferedCities();
    for (const City& city : OwnRows()) list.push_back(&city);
    std::stable_sort(list.begin(), list.end(),
                     [](const City* a, const City* b) { return RussianLess(a->name, b->name); });
    return list;
}

const City* FindAmong(const std::vector<const City*>& cities, std::string_view name) {
    const std::u32string folded = FoldedName(Trimmed(name));
    for (const City* city : cities) {
        if (FoldedName(city->name) == folded) return city;
    }
    return nullptr;
}

std::vector<const City*> OfferedWhere(bool (*matches)(std::string_view, std::string_view), std::string_view text) {
    std::vector<const City*> found;
    for (const City* city : PickableCities()) {
        if (matches(city->name, Trimmed(text))) found.push_back(city);
    }
    return found;
}

}  // namespace

std::vector<City> ParseCities(std::string_view text) {
    std::vector<City> cities;
    std::vector<std::size_t> positions;  // of each read column in a line
    int number = 0;
    for (const std::string_view line : TextLines(text)) {
        ++number;
        if (Trimmed(line).empty() || line.starts_with('#')) continue;
        try {
            const std::vector<std::string> fields = CsvFields(line);
            if (positions.empty()) {
                for (const Column& c : kColumns) {
                    const auto at = std::find_if(fields.begin(), fields.end(),
                                                 [&](const std::string& f) { return HeaderWord(f) == c.header; });
                    if (at == fields.end()) throw std::runtime_error("no column " + std::string(c.header));
                    positions.push_back(static_cast<std::size_t>(at - fields.begin()));
                }
                continue;
            }
            City city;
            for (std::size_t i = 0; i < std::size(kColumns); ++i) {
                if (positions[i] >= fields.size()) throw std::runtime_error("too few fields");
                city.*kColumns[i].field = std::string(Trimmed(fields[positions[i]]));
            }
            CheckRow(city);
            cities.push_back(std::move(city));
        } catch (const std::runtime_error& e) {
            throw TableError(kTableName, number, e.what());
        }
    }
    if (cities.empty()) throw TableError(kTableName, number, "no rows");
    return cities;
}

const std::vector<City>& CityTable() {
    static const std::vector<City> table = ParseCities(EmbeddedCitiesTable());
    return table;
}

const std::vector<const City*>& OfferedCities() {
    static const std::vector<const City*> offered = [] {
        std::vector<const City*> list;
        std::set<std::u32string> names;
        for (const City& city : CityTable()) {
            if (city.confidence != "X" && names.insert(FoldedName(city.name)).second) {
                list.push_back(&city);
            }
        }
        std::sort(list.begin(), list.end(), [](const City* a, const City* b) { return RussianLess(a->name, b->name); });
        return list;
    }();
    return offered;
}

std::vector<const City*> CitiesStartingWith(std::string_view prefix) { return OfferedWhere(StartsWithFolded, prefix); }

std::vector<const City*> CitiesContaining(std::string_view text) { return OfferedWhere(ContainsFolded, text); }

void SetOwnCities(std::vector<City> cities) {
    for (City& city : cities) city.own = true;
    OwnRows() = std::move(cities);
}

const std::vector<City>& OwnCities() { return OwnRows(); }

bool IsDoubtful(const City& city) { return !city.own && city.confidence == "L"; }

std::string CityMark(const City& city) {
    if (city.own) return std::string(kOwnRowMark);
    return IsDoubtful(city) ? " · " + std::string(kDoubtMark) : std::string();
}

const City* FindCity(std::string_view name) { return FindAmong(PickableCities(), name); }

const City* FindTableCity(std::string_view name) { return FindAmong(OfferedCities(), name); }

std::vector<const City*> ClosestCities(std::string_view name, std::size_t count) {
    std::vector<std::pair<std::size_t, const City*>> ranked;
    for (const City* city : PickableCities()) ranked.emplace_back(FoldedEditDistance(name, city->name), city);
    // The offered list is alphabetical, so a stable sort keeps equals in that order.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const City*> closest;
    for (std::size_t i = 0; i < ranked.size() && i < count; ++i) closest.push_back(ranked[i].second);
    return closest;
}

const City& CityNamed(std::string_view name) {
    if (const City* city = FindCity(name)) return *city;
    std::string message = "Город " + QuotedText(Trimmed(name)) + " не найден в таблице климата";
    const std::vector<const City*> closest = ClosestCities(Trimmed(name));
    for (std::size_t i = 0; i < closest.size(); ++i) message += (i == 0 ? "; ближайшие: " : ", ") + closest[i]->name;
    throw CalcError(message);
}

int RoundedLatitude(std::string_view written) {
    const std::size_t point = written.find('.');
    if (!IsDecimalText(written) || written.substr(0, point).size() > 3) {
        throw std::runtime_error("latitude '" + std::string(written) + "' is not a decimal number of degrees");
    }
    int degrees = 0;
    for (const char digit : written.substr(0, point)) degrees = degrees * 10 + (digit - '0');
    // Half a degree or more rounds up: only the first decimal decides.
    if (point != std::string_view::npos && written[point + 1] >= '5') ++degrees;
    return degrees;
}

CityChoice ChooseCity(const City& city) {
    const int latitude = RoundedLatitude(city.latitude);
    if (latitude < kFirstLatitude || latitude > kLastLatitude) {
        throw CalcError("Метод рассчитан на широты от " + std::to_string(kFirstLatitude) + " до " +
                        std::to_string(kLastLatitude) + "° с. ш.; " + city.name + " лежит на " +
                        std::to_string(latitude) + "° с. ш.");
    }
    return {std::to_string(latitude), city.julyMean, city.dailyAmplitude, CitySourceLabel(city)};
}

std::string CityClimateSource(const City& city) {
    if (city.own) return city.source.empty() ? std::string("источник не указан") : city.source;
    // The main edition is not named by the transcription; its columns match 2018/2020.
    const bool mainEdition = city.edition.starts_with("СП 131.13330 (редакция не указана");
    return (mainEdition ? std::string("СП 131.13330 (редакции 2018/2020)") : city.edition) +
           ", по общедоступной расшифровке";
}

std::string CitySourceLabel(const City& city) {
    if (city.own) return "Мой город: " + CityClimateSource(city);
    return "Климат: " + CityClimateSource(city) + "; широта — центр города" + CityMark(city);
}

std::string CityDoubtNote(const City& city) {
    return "Город " + QuotedText(city.name) + ": строка таблицы климата сомнительна" +
           (city.flags.empty() ? std::string(" (город не найден в списках метеостанций)") : " (" + city.flags + ")") +
           ": " + std::string(kDoubtMark) + " широту, tн.ср и Aтн";
}
