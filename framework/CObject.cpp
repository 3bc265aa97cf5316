#include "framework/CObject.h"

namespace RVK {

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* cls) const {
    for (const CRuntimeClass* record = this; record != nullptr; record = record->m_pBaseClass) {
        if (record == cls) {
            return true;
        }
    }
    return false;
}

bool CObject::IsKindOf(const CRuntimeClass* cls) const {
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

const CRuntimeClass* CObject::GetRuntimeClass() const { return CObject::ClassRecord(); }

const CRuntimeClass* CObject::ClassRecord() {
    static const CRuntimeClass record(nullptr);
    return &record;
}

} // namespace RVK
