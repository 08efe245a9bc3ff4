#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

// A fixed array indexed from First to Last inclusive, as the tables of the
// method are (orientations 1..8, hours 1..10, lags 0..24). An index outside
// the range is a programming error and throws std::out_of_range.
template <class T, int First, int Last>
struct IndexedArray {
    static_assert(Last >= First);
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;
    static constexpr std::size_t kSize = static_cast<std::size_t>(Last - First + 1);

    std::array<T, kSize> items{};

    constexpr T& operator[](int index) { return items[Slot(index)]; }
    constexpr const T& operator[](int index) const { return items[Slot(index)]; }

    constexpr void Fill(const T& value) { items.fill(value); }
    friend constexpr bool operator==(const IndexedArray&, const IndexedArray&) = default;

private:
    static constexpr std::size_t Slot(int index) {
        if (index < First || index > Last) throw std::out_of_range("table index out of range");
        return static_cast<std::size_t>(index - First);
    }
};
