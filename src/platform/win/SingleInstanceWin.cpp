// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"
#include "platform/win/WideText.h"

#include <windows.h>

namespace platform {
namespace {

// Holds the named mutex. Windows closes the handle when the process ends,
// however it ends, and the name is free again once no handle is left.
class MutexClaim : public InstanceClaim {
  public:
    explicit MutexClaim(HANDLE mutex) : m_mutex(mutex) {}
    ~MutexClaim() override { CloseHandle(m_mutex); }
    MutexClaim(const MutexClaim&) = delete;
    MutexClaim& operator=(const MutexClaim&) = delete;

  private:
    HANDLE m_mutex;
};

} // namespace

std::unique_ptr<InstanceClaim> InstanceClaim::tryClaim(const std::string& name) {
    // An empty name would make an unnamed mutex, which anyone can "claim".
    const std::wstring wideName = win::wide(name);
    if (wideName.empty()) return nullptr;
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexW(nullptr, TRUE, wideName.c_str());
    // ERROR_ALREADY_EXISTS: the name is held, and the handle we got is to that
    // other mutex. Any other error means the name cannot be claimed either.
    if (mutex == nullptr) return nullptr;
    if (GetLastError() != ERROR_SUCCESS) {
        CloseHandle(mutex);
        return nullptr;
    }
    return std::make_unique<MutexClaim>(mutex);
}

} // namespace platform
