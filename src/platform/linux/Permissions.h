// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform::detail {

// Windows has a read-only attribute that binds even an administrator; its
// nearest match here is the write bit of the permission class that applies to
// us. Reading the bits, rather than asking access(), keeps the rule the same
// for root, who could write anyway.
inline bool lacksWritePermission(const struct stat& st) {
    if (st.st_uid == geteuid()) return (st.st_mode & S_IWUSR) == 0;
    bool inGroup = st.st_gid == getegid();
    if (!inGroup) {
        std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
        const int count = getgroups(static_cast<int>(groups.size()), groups.data());
        for (int k = 0; k < count && !inGroup; ++k)
            inGroup = groups[static_cast<std::size_t>(k)] == st.st_gid;
    }
    if (inGroup) return (st.st_mode & S_IWGRP) == 0;
    return (st.st_mode & S_IWOTH) == 0;
}

} // namespace platform::detail
