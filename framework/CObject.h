#pragma once

namespace RVK {

// Identity of one class in the class tree. Records are compared by address only;
// each knows the record of its direct base.
class CRuntimeClass {
public:
    explicit CRuntimeClass(const CRuntimeClass* pBaseClass) : m_pBaseClass(pBaseClass) {}
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;
    virtual ~CRuntimeClass() = default;

    virtual bool IsDerivedFrom(const CRuntimeClass* cls) const;

    const CRuntimeClass* const m_pBaseClass;
};

// Root of the framework's and the application's classes.
class CObject {
public:
    virtual ~CObject() = default;

    virtual bool IsKindOf(const CRuntimeClass* cls) const;
    virtual const CRuntimeClass* GetRuntimeClass() const;

    static const CRuntimeClass* ClassRecord();
};

} // namespace RVK

// Gives a class its own run-time class record. Leaves the class body public.
#define RVK_DECLARE_RUNTIME_CLASS()                                                                \
public:                                                                                            \
    static const ::RVK::CRuntimeClass* ClassRecord();                                              \
    const ::RVK::CRuntimeClass* GetRuntimeClass() const override;

// Defines the record of `cls`, chained to the record of `base`. The record is built once,
// on first use, and lives until the process exits.
#define RVK_IMPLEMENT_RUNTIME_CLASS(cls, base)                                                     \
    const ::RVK::CRuntimeClass* cls::ClassRecord() {                                               \
        static const ::RVK::CRuntimeClass record(base::ClassRecord());                             \
        return &record;                                                                            \
    }                                                                                              \
    const ::RVK::CRuntimeClass* cls::GetRuntimeClass() const { return cls::ClassRecord(); }
