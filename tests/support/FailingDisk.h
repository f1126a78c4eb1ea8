#pragma once
// Makes one step of replacing a file fail as a failing disk does (EIO), or stops the program there as a kill does,
// for the life of one scope.

#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace tallix::test {

enum class DiskStep { Write, SyncFile, Rename, SyncFolder };

struct FailingStep {
    const char* name;
    DiskStep step;
    bool renamed; // the new file had already taken the old one's name when the step failed
};
inline constexpr FailingStep FailingSteps[] = {
    {"write", DiskStep::Write, false},
    {"file sync", DiskStep::SyncFile, false},
    {"rename", DiskStep::Rename, false},
    {"folder sync", DiskStep::SyncFolder, true},
};

// `spared`: the step works that many times first, so that a later replacement of the same operation fails. `kill`:
// instead of failing, the step calls it (which keeps the files as a kill right there would leave them) and works.
class FailingDisk {
public:
    explicit FailingDisk(DiskStep step, int spared = 0, std::function<void()> kill = {}) {
        sparedCalls = spared;
        killed = std::move(kill);
        platform::AtomicFileCalls calls;
        switch (step) {
        case DiskStep::Write:
            calls.write = [](int fd, const void* data, size_t size) -> ssize_t {
                return Spare() ? ::write(fd, data, size) : Fail();
            };
            break;
        case DiskStep::SyncFile:
            calls.syncFile = [](int fd) { return Spare() ? ::fdatasync(fd) : Fail(); };
            break;
        case DiskStep::Rename:
            calls.rename = [](const char* from, const char* to) { return Spare() ? ::rename(from, to) : Fail(); };
            break;
        case DiskStep::SyncFolder:
            calls.syncFolder = [](int fd) { return Spare() ? ::fsync(fd) : Fail(); };
            break;
        }
        platform::SetAtomicFileCallsForTesting(calls);
    }
    ~FailingDisk() { platform::SetAtomicFileCallsForTesting({}); }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // Whether the step came to fail or be killed.
    static bool Reached() { return sparedCalls < 0; }

private:
    static bool Spare() {
        if (sparedCalls-- > 0 || !killed)
            return sparedCalls >= 0;
        if (sparedCalls == -1)
            killed();
        return true;
    }
    static int Fail() {
        errno = EIO;
        return -1;
    }
    static inline int sparedCalls = 0;
    static inline std::function<void()> killed;
};

} // namespace tallix::test
