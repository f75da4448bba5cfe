// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VirtualStore.h"

namespace platform {

std::optional<std::string> virtualStoreFolder(std::string_view) {
    return std::nullopt; // Wine redirects no writes: every program reads the real files
}

} // namespace platform
