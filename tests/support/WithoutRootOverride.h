#pragma once
// Root writes into any folder, whatever its permissions say. For a test of a folder the user may not write, the
// calling thread gives up that right (CAP_DAC_OVERRIDE) for the life of one scope; for other users nothing changes.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tallix::test {

class WithoutRootOverride {
public:
    WithoutRootOverride() {
        if (::syscall(SYS_capget, &header, saved) != 0 || (saved[0].effective & Override) == 0)
            return;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~Override;
        dropped = ::syscall(SYS_capset, &header, lowered) == 0;
    }
    ~WithoutRootOverride() {
        if (dropped)
            ::syscall(SYS_capset, &header, saved);
    }
    WithoutRootOverride(const WithoutRootOverride&) = delete;
    WithoutRootOverride& operator=(const WithoutRootOverride&) = delete;

    // False when the permissions still do not bind this thread (root that could not give the right up).
    bool Binds() const { return dropped || (saved[0].effective & Override) == 0; }

private:
    static constexpr __u32 Override = 1u << CAP_DAC_OVERRIDE;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
    bool dropped = false;
};

} // namespace tallix::test
