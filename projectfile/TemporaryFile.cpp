#include "TemporaryFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "CalcError.h"
#include "ProjectFile.h"

namespace {

// ---- The table the signal handler reads ---------------------------------------
//
// A slot is free (0), being filled (1) or holds a name (2). The handler only
// reads slots that hold a name and calls unlink on their bytes, which are
// written completely before the slot is marked: no allocation, no lock.

constexpr std::size_t kSlotCount = 32;
constexpr std::size_t kPathBytes = 4096;

enum SlotState : int { kFree = 0, kFilling = 1, kHolding = 2 };

struct Slot {
    std::atomic<int> state{kFree};
    char path[kPathBytes];
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free flags");

std::array<Slot, kSlotCount> slots;

constexpr std::array<int, 3> kEndingSignals{SIGTERM, SIGINT, SIGHUP};

extern "C" void RemoveTemporariesAndEnd(int signalNumber) {
    const int savedErrno = errno;
    for (Slot& slot : slots) {
        if (slot.state.load(std::memory_order_acquire) == kHolding) ::unlink(slot.path);
    }
    // The signal's own action: the process ends as it would have without
    // this handler (the signal is raised again once the handler returns).
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    ::sigemptyset(&byDefault.sa_mask);
    ::sigaction(signalNumber, &byDefault, nullptr);
    ::raise(signalNumber);
    errno = savedErrno;
}

// A signal that the process ignores or handles otherwise is left as it is.
void InstallHandlers() {
    for (const int signalNumber : kEndingSignals) {
        struct sigaction current {};
        if (::sigaction(signalNumber, nullptr, &current) != 0) continue;
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction ours {};
        ours.sa_handler = RemoveTemporariesAndEnd;
        ::sigemptyset(&ours.sa_mask);
        for (const int other : kEndingSignals) ::sigaddset(&ours.sa_mask, other);
        ::sigaction(signalNumber, &ours, nullptr);
    }
}

// The slot now holding `path`, or -1 when the table is full or the name too
// long (the file is then only removed when the process does not end by a signal).
int Register(const std::string& path) {
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
    if (path.size() >= kPathBytes) return -1;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].state.store(kHolding, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void Unregister(int slot) {
    if (slot >= 0) slots[static_cast<std::size_t>(slot)].state.store(kFree, std::memory_order_release);
}

// The process number of a temporary's name, 0 when it is not one.
pid_t OwnerOf(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - suffix.size()) != suffix)
        return 0;
    pid_t pid = 0;
    std::size_t i = prefix.size();
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9' && pid < 100000000; ++i)
        pid = pid * 10 + (name[i] - '0');
    return i < name.size() && name[i] == '-' ? pid : 0;
}

bool IsAlive(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

}  // namespace

void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix, const std::string& suffix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t owner = OwnerOf(entry->d_name, prefix, suffix);
        if (owner > 0 && owner != ::getpid() && !IsAlive(owner)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

TemporaryFile::TemporaryFile(const std::string& folder, const std::string& prefix, const std::string& suffix) {
    RemoveStaleTemporaries(folder, prefix, suffix);
    static std::atomic<unsigned> serial{0};
    const std::string start = folder + "/" + prefix + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = start + std::to_string(serial++) + suffix;
        // Known to the handler before it exists, so that no moment is left in
        // which the file exists unknown to it. A name of this process's own
        // that exists already is one it left itself, at an earlier life of its number.
        slot_ = Register(path_);
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) return;
        const int error = errno;
        Unregister(slot_);
        slot_ = -1;
        if (error != EEXIST) throw CalcError(FileErrorMessage(error));
    }
    throw CalcError(FileErrorMessage(EEXIST));
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
    Unregister(slot_);
}

int TemporaryFile::Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
}

void TemporaryFile::Kept() {
    Unregister(slot_);
    slot_ = -1;
    kept_ = true;
}

int LiveTemporaryCount() {
    int count = 0;
    for (const Slot& slot : slots) count += slot.state.load(std::memory_order_acquire) == kHolding ? 1 : 0;
    return count;
}
