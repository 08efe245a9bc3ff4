#include "MarkerPositions.h"

#include <array>
#include <stdexcept>

namespace {

struct ColumnLeft {
    int column;  // 0..9
    int left;    // px
};

// clang-format off
constexpr std::array<ColumnLeft, 10> kPeakMarkerLefts{{
    // column  left
    {  0,      152 },
    {  1,      232 },
    {  2,      312 },
    {  3,      400 },
    {  4,      480 },
    {  5,      568 },
    {  6,      648 },
    {  7,      736 },
    {  8,      816 },
    {  9,      896 },
}};

constexpr std::array<ColumnLeft, 10> kGrandMaximumLefts{{
    // column  left
    {  0,       32 },
    {  1,      128 },
    {  2,      232 },
    {  3,      328 },
    {  4,      424 },
    {  5,      528 },
    {  6,      624 },
    {  7,      728 },
    {  8,      824 },
    {  9,      920 },
}};
// clang-format on

int LeftOf(const std::array<ColumnLeft, 10>& places, int column) {
    for (const ColumnLeft& place : places)
        if (place.column == column) return place.left;
    throw std::out_of_range("grid column out of range");
}

}  // namespace

int PeakMarkerLeft(int column) { return LeftOf(kPeakMarkerLefts, column); }

int GrandMaximumLeft(int column) { return LeftOf(kGrandMaximumLefts, column); }
