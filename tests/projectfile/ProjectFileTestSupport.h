#pragma once

// Helpers of the project file tests: a sample project, line splitting,
// scratch folders.

#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Conversions.h"
#include "ErrorMessage.h"
#include "ProjectFile.h"
#include "ProjectState.h"

namespace projectfile_test {

// A project whose every saved value is distinct: header fields as typed on
// the input page, table field f of orientation o and hour h = o·1000 + h·100 + f
// with a few fractions and negative values.
inline ProjectState SampleState() {
    ProjectState s;
    s.Latitude = 52;
    s.WindowHeight = ParseDecimal4("1.5");
    s.WindowWidth = ParseDecimal4("2");
    s.ShadeHorizLength = ParseDecimal4("0.3");
    s.ShadeVertLength = ParseDecimal4("0.35");
    s.ShadeHorizOffset = ParseDecimal4("0.05");
    s.ShadeVertOffset = ParseDecimal4("0");
    s.OutdoorMeanTemp = ParseDecimal4("22.5");
    s.IndoorTemp = ParseDecimal4("20");
    s.OutdoorAmplitude = ParseDecimal4("14.7");
    s.RelativePenetration = ParseDecimal4("0.9");
    s.GlazingAbsorptance = ParseDecimal4("0.25");
    s.GlazingResistance = ParseDecimal4("0.34");
    s.GlazingArea = ParseDecimal4("6");
    s.WindowOuterCoeff = ParseDecimal4("29");
    s.GlazingTilt = ParseDecimal4("0");
    s.FrameShading = ParseDecimal4("0.9");
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) {
            for (int f = 1; f <= kShownFieldCount; ++f) {
                std::int64_t count = (o * 1000 + h * 100 + f) * 10000LL;
                if (f == 17) count += 2500;          // 0.25
                if (f == 10) count = -count - 5000;  // -x.5
                s.WindowHours.Record(o, h).Field(f) = Decimal4::FromCount(count);
            }
        }
    }
    return s;
}

// The 19 header texts shown with SampleState, in line order.
inline ProjectHeader SampleHeader() {
    return {"52",  "1.5",  "2",    "0.3", "0.35", "0.05", "0",   "22.5", "20", "14.7",
            "0.9", "0.25", "0.34", "6",   "29",   "0",    "0.9", "2",    "4"};
}

// The header texts of the input page at start-up.
inline ProjectHeader StartUpHeader() {
    ProjectHeader header;
    for (std::size_t i = 0; i < header.size(); ++i) header[i] = HeaderInputs()[i]->defaultText;
    return header;
}

// A sample file: SampleHeader over the table of SampleState.
inline std::string SampleFile() { return ComposeProjectFile(SampleHeader(), SampleState().WindowHours); }

inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

struct TempFolder {
    std::string path;
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pf-test-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path, ignored);
    }
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace projectfile_test
