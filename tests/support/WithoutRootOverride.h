#pragma once
// Root writes into any folder. For a test of a folder that the user may not write, the calling thread gives up
// that right (CAP_DAC_OVERRIDE) for the life of one scope; other users have nothing to give up.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tallix::test {

class WithoutRootOverride {
public:
    WithoutRootOverride() {
        ::syscall(SYS_capget, &header, saved);
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~Override;
        dropped = (saved[0].effective & Override) && ::syscall(SYS_capset, &header, lowered) == 0;
    }
    ~WithoutRootOverride() {
        if (dropped)
            ::syscall(SYS_capset, &header, saved);
    }
    // False when folder permissions still do not bind this thread.
    bool Binds() const { return dropped || !(saved[0].effective & Override); }

private:
    static constexpr __u32 Override = 1u << CAP_DAC_OVERRIDE;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
    bool dropped = false;
};

} // namespace tallix::test
