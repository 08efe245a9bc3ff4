#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Design climate of the warm period for Russian cities, from the text table
// data/cities-warm-period.csv built into the program. Every value is kept as
// the text written in the table ("." as the decimal separator).

struct City {
    std::string name;
    std::string region;          // as written in the source
    std::string latitude;        // decimal degrees north of the city centre
    std::string julyMean;        // tн.ср: mean air temperature of July, °С
    std::string dailyAmplitude;  // Atн: mean daily amplitude of the warmest month, °С
    std::string warmPeriod095;   // air temperature of the warm period at 0.95, °С
    std::string edition;         // edition of the climate code the values come from
    std::string confidence;      // "M" (a transcription, values plausible), "L" (doubtful) or "X" (left out)
    std::string flags;           // why a row is doubtful or left out, or empty
    std::string source;          // where the climate values were read; the user's words for an own row
    std::string latitudeSource;  // where the coordinates were read
    bool own = false;            // a row of the user's own table of cities, not of the climate table
};

// Figures of a city that are plausible at all, °С: tн.ср and Atн.
inline constexpr double kJulyMeanLow = 0;
inline constexpr double kJulyMeanHigh = 35;
inline constexpr double kAmplitudeLow = 1;
inline constexpr double kAmplitudeHigh = 25;

// A row of confidence L: offered, and always shown with kDoubtMark.
bool IsDoubtful(const City& city);
inline constexpr std::string_view kDoubtMark = "проверьте по СП";
// What stands after a city's line in a list and after its source line:
// " · проверьте по СП" for a doubtful row, " · мой" for an own row, else empty.
std::string CityMark(const City& city);

// The rows of a table in the form of data/cities-warm-period.csv: lines
// starting with "#" are remarks, the first other line names the columns,
// fields are comma-separated with "..." quoting. A malformed row throws
// std::runtime_error naming its line; so does a confidence other than M or
// L or X, so that a row marked otherwise is never left out of the offer unseen;
// a row of X must say in its flags why it is left out.
std::vector<City> ParseCities(std::string_view text);

// Every row of the built-in table, in its order.
const std::vector<City>& CityTable();

// The cities of the climate table offered to the user: rows of confidence M
// and L (never X), the first row of each name, in alphabetical order.
const std::vector<const City*>& OfferedCities();

// The user's own cities, offered with those of the table (marked «мой») and
// looked up by the functions below, until replaced. Set and read on the
// program's one user-interface thread; the command-line tool sets none. The
// pointers those functions return stay valid until the next call.
void SetOwnCities(std::vector<City> cities);
const std::vector<City>& OwnCities();

// Offered cities, the table's and the user's own, whose name starts with /
// contains the text, ignoring case, "ё" and blanks around the text; all of
// them for an empty text. Alphabetical.
std::vector<const City*> CitiesStartingWith(std::string_view prefix);
std::vector<const City*> CitiesContaining(std::string_view text);

// The offered city of that name, ignoring case and "ё"; nullptr when none.
// The table's city wins over an own city of the same name.
const City* FindCity(std::string_view name);
// The same among the cities of the table alone.
const City* FindTableCity(std::string_view name);

// The offered cities nearest to a name by edit distance of the folded names,
// nearest first (alphabetical among equals), at most `count`.
std::vector<const City*> ClosestCities(std::string_view name, std::size_t count = 3);

// The offered city of that name, or a CalcError "Город «…» не найден в
// таблице климата; ближайшие: …".
const City& CityNamed(std::string_view name);

// The latitude rounded to the nearest whole degree, .5 upwards, computed on
// the written decimal digits ("55.5" → 56, "55.49" → 55). Throws
// std::runtime_error for a text that is not digits with an optional fraction.
int RoundedLatitude(std::string_view written);

// The input texts a chosen city sets: the latitude in whole degrees and tн.ср
// and Atн as written in the table, with the line naming their source.
struct CityChoice {
    std::string latitude;
    std::string julyMean;
    std::string dailyAmplitude;
    std::string sourceLabel;
};

// The texts for a city, or a CalcError explaining that the method covers
// 40–60° north when the rounded latitude lies outside.
CityChoice ChooseCity(const City& city);

// The input controls a chosen city sets, each with the text of the choice it
// takes: the program assigns them, the project document fills them.
struct CityInput {
    std::string_view key;  // the input it fills
    std::string CityChoice::*text;
};
inline constexpr std::array<CityInput, 3> kCityInputs{{
    {"Latitude", &CityChoice::latitude},
    {"OutdoorMeanTemp", &CityChoice::julyMean},
    {"OutdoorAmplitude", &CityChoice::dailyAmplitude},
}};

// Where a city's climate figures come from: "СП 131.13330 (редакции
// 2018/2020), по общедоступной расшифровке" for the rows of the main edition.
std::string CityClimateSource(const City& city);

// The line shown beside the chosen figures: "Климат: <CityClimateSource>;
// широта — центр города", followed by CityMark; for an own city "Мой город:
// <source>".
std::string CitySourceLabel(const City& city);

// What the command-line tool says on standard error when a document names a
// doubtful city: the figures are taken, and should be checked.
std::string CityDoubtNote(const City& city);
