#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// Calls work(i) once for each i in 0 .. count − 1, the items shared out among
// `workers` threads (0: one per processor; never more than there are items),
// the calling thread being one of them. work must not throw, and each call
// writes only what belongs to its item.
template <class Work>
void ForEachShared(std::size_t count, unsigned workers, const Work& work) {
    if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads = std::min<std::size_t>(workers, count);
    std::atomic<std::size_t> next{0};
    const auto take = [&] {
        for (std::size_t i = next++; i < count; i = next++) work(i);
    };
    std::vector<std::jthread> others;
    for (std::size_t t = 1; t < threads; ++t) others.emplace_back(take);
    take();
}
