#pragma once

// A fingerprint of many stored results at once: FNV-1a (64 bit) over the
// counts of ten-thousandths, so that one changed count anywhere changes the
// digest. The digest tests keep the fingerprints of the current results as
// literals; a mismatch prints the new value in hex.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "Decimal4.h"
#include "IndexedArray.h"

class ResultDigest {
public:
    void Add(std::uint64_t word) {
        for (int byte = 0; byte < 8; ++byte) {
            hash_ ^= (word >> (8 * byte)) & 0xFFu;
            hash_ *= 0x100000001B3ull;
        }
    }
    void Add(std::int64_t value) { Add(static_cast<std::uint64_t>(value)); }
    void Add(int value) { Add(static_cast<std::int64_t>(value)); }
    void Add(Decimal4 value) { Add(value.Count()); }
    void Add(std::string_view text) {
        for (char c : text) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 0x100000001B3ull;
        }
        Add(static_cast<std::uint64_t>(text.size()));
    }
    template <class T, int First, int Last>
    void Add(const IndexedArray<T, First, Last>& values) {
        for (const T& v : values.items) Add(v);
    }

    // The digest as "0x" and 16 hex digits, as the tests keep it.
    std::string Hex() const {
        char text[19];
        std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(hash_));
        return text;
    }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

// Deterministic pseudo-random numbers for the swept inputs (splitmix64), the
// same on every machine and library.
class SweepRandom {
public:
    explicit SweepRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A count of ten-thousandths in first..last inclusive.
    std::int64_t Count(std::int64_t first, std::int64_t last) {
        return first + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(last - first + 1));
    }

private:
    std::uint64_t state_;
};
