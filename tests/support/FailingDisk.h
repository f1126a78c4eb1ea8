#pragma once
// Makes one step of replacing a file fail as a failing disk does (EIO), for the life of one scope.

#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
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

// `spared`: the step works that many times first, so that a later replacement of the same operation fails.
class FailingDisk {
public:
    explicit FailingDisk(DiskStep step, int spared = 0) {
        sparedCalls = spared;
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

private:
    static bool Spare() { return sparedCalls-- > 0; }
    static int Fail() {
        errno = EIO;
        return -1;
    }
    static inline int sparedCalls = 0;
};

} // namespace tallix::test
