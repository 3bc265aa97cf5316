#include "framework/CGDIObject.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CGDIObject, CObject)

BOOL CGDIObject::DeleteObject() {
    HGDIOBJ handle = GetSafeHandle();
    return handle != nullptr ? ::DeleteObject(handle) : FALSE;
}

} // namespace RVK
