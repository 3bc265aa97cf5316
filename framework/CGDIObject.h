#pragma once

#include <windows.h>

#include "framework/CObject.h"

namespace RVK {

// Root of the drawing objects: each concrete class answers the handle it holds.
class CGDIObject : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    virtual HGDIOBJ GetSafeHandle() const = 0;
    // DeleteObject on the held handle; 0 when there is none.
    virtual BOOL DeleteObject();
};

} // namespace RVK
