#pragma once
// Makes one step of replacing a file fail as a failing disk does (EIO), for the life of one scope.

#include "platform/AtomicFile.h"

#include <cerrno>

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

class FailingDisk {
public:
    explicit FailingDisk(DiskStep step) {
        platform::AtomicFileCalls calls;
        switch (step) {
        case DiskStep::Write:
            calls.write = [](int, const void*, size_t) -> ssize_t { return Fail(); };
            break;
        case DiskStep::SyncFile:
            calls.syncFile = [](int) { return Fail(); };
            break;
        case DiskStep::Rename:
            calls.rename = [](const char*, const char*) { return Fail(); };
            break;
        case DiskStep::SyncFolder:
            calls.syncFolder = [](int) { return Fail(); };
            break;
        }
        platform::SetAtomicFileCallsForTesting(calls);
    }
    ~FailingDisk() { platform::SetAtomicFileCallsForTesting({}); }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

private:
    static int Fail() {
        errno = EIO;
        return -1;
    }
};

} // namespace tallix::test
