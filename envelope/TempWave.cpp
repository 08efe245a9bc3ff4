#include "TempWave.h"

#include <array>

namespace {

struct TempWaveRow {
    int lag;
    std::array<int, kHourCount> hundredths;
};

// β in hundredths, row = lag ε in hours, columns = hours 8-9 .. 17-18. Each
// row is the daily cycle shifted ε hours later, except four cells that hold
// their own values: ε 2 at 13-14 and ε 3 at 14-15 (0.61), ε 8 and ε 20 at
// 8-9 (-0.78 and 0.78).
// clang-format off
constexpr std::array<TempWaveRow, 25> kTempWaveRows{{
    //  ε     8-9  9-10 10-11 11-12 12-13 13-14 14-15 15-16 16-17 17-18
    {   0, { -13,   13,   38,   60,   79,   92,   99,   99,   92,   79 } },
    {   1, { -38,  -13,   13,   38,   60,   79,   92,   99,   99,   92 } },
    {   2, { -60,  -38,  -13,   13,   38,   61,   79,   92,   99,   99 } },
    {   3, { -79,  -60,  -38,  -13,   13,   38,   61,   79,   92,   99 } },
    {   4, { -92,  -79,  -60,  -38,  -13,   13,   38,   60,   79,   92 } },
    {   5, { -99,  -92,  -79,  -60,  -38,  -13,   13,   38,   60,   79 } },
    {   6, { -99,  -99,  -92,  -79,  -60,  -38,  -13,   13,   38,   60 } },
    {   7, { -92,  -99,  -99,  -92,  -79,  -60,  -38,  -13,   13,   38 } },
    {   8, { -78,  -92,  -99,  -99,  -92,  -79,  -60,  -38,  -13,   13 } },
    {   9, { -60,  -79,  -92,  -99,  -99,  -92,  -79,  -60,  -38,  -13 } },
    {  10, { -38,  -60,  -79,  -92,  -99,  -99,  -92,  -79,  -60,  -38 } },
    {  11, { -13,  -38,  -60,  -79,  -92,  -99,  -99,  -92,  -79,  -60 } },
    {  12, {  13,  -13,  -38,  -60,  -79,  -92,  -99,  -99,  -92,  -79 } },
    {  13, {  38,   13,  -13,  -38,  -60,  -79,  -92,  -99,  -99,  -92 } },
    {  14, {  60,   38,   13,  -13,  -38,  -60,  -79,  -92,  -99,  -99 } },
    {  15, {  79,   60,   38,   13,  -13,  -38,  -60,  -79,  -92,  -99 } },
    {  16, {  92,   79,   60,   38,   13,  -13,  -38,  -60,  -79,  -92 } },
    {  17, {  99,   92,   79,   60,   38,   13,  -13,  -38,  -60,  -79 } },
    {  18, {  99,   99,   92,   79,   60,   38,   13,  -13,  -38,  -60 } },
    {  19, {  92,   99,   99,   92,   79,   60,   38,   13,  -13,  -38 } },
    {  20, {  78,   92,   99,   99,   92,   79,   60,   38,   13,  -13 } },
    {  21, {  60,   79,   92,   99,   99,   92,   79,   60,   38,   13 } },
    {  22, {  38,   60,   79,   92,   99,   99,   92,   79,   60,   38 } },
    {  23, {  13,   38,   60,   79,   92,   99,   99,   92,   79,   60 } },
    {  24, { -13,   13,   38,   60,   79,   92,   99,   99,   92,   79 } },
}};
// clang-format on

constexpr bool RowsAreInLagOrder() {
    for (int i = 0; i < static_cast<int>(kTempWaveRows.size()); ++i)
        if (kTempWaveRows[static_cast<std::size_t>(i)].lag != i) return false;
    return true;
}
static_assert(RowsAreInLagOrder());

}  // namespace

TempWaveRows TempWaveTableValues() {
    TempWaveRows table;
    for (const TempWaveRow& row : kTempWaveRows)
        for (int h = 1; h <= kHourCount; ++h)
            table[row.lag][h] = Decimal4::FromCount(row.hundredths[static_cast<std::size_t>(h - 1)] * 100);
    return table;
}

void FillTempWaveTable(ProjectState& state) { state.TempWaveTable = TempWaveTableValues(); }
