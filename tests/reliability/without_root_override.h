#pragma once
// Root writes into a read-only folder all the same. A test that needs the
// refusal a user would get drops root's file-permission override from its
// effective capabilities for as long as this object lives, and takes it back
// afterwards. active() is false when the override could not be dropped.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class WithoutRootOverride {
 public:
  WithoutRootOverride() {
    if (geteuid() != 0 || !get(saved_)) return;
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &=
        ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER);
    active_ = set(lowered);
  }
  ~WithoutRootOverride() {
    if (active_) set(saved_);
  }
  WithoutRootOverride(const WithoutRootOverride&) = delete;
  WithoutRootOverride& operator=(const WithoutRootOverride&) = delete;

  // True when permissions now hold for this process: not root, or root without its override.
  bool active() const { return active_ || geteuid() != 0; }

 private:
  static bool get(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, data) == 0;
  }
  static bool set(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &header, data) == 0;
  }

  __user_cap_data_struct saved_[2] = {};
  bool active_ = false;
};
