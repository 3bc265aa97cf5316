#pragma once

#include <windows.h>

namespace RVK {

// Something the message loop waits for besides messages: a kernel object, and what its
// owner does when it is signalled.
class CWaitable {
public:
    // The handle to wait on now; null or INVALID_HANDLE_VALUE when there is none.
    virtual HANDLE GetWaitHandle() = 0;
    // The handle is signalled. Must leave it unsignalled, or the loop would wake at once
    // again.
    virtual void OnSignalled() = 0;

protected:
    ~CWaitable() = default;
};

} // namespace RVK
