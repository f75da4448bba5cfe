// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

namespace platform {

// A system-wide claim on a name, held until the object is destroyed or the
// process ends however it ends (Windows: a named mutex; Linux: a flock).
class InstanceClaim {
  public:
    virtual ~InstanceClaim() = default;
    // Returns nothing when another process holds the name or it cannot be claimed.
    static std::unique_ptr<InstanceClaim> tryClaim(const std::string& name);
};

} // namespace platform
