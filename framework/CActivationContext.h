#pragma once

#include <windows.h>

namespace RVK {

// An activation context made from a manifest in the program's own resources
// (CreateActCtxW): while it is active, it decides which version of the system's
// libraries and control classes the thread gets. Owns its context handle.
class CActivationContext {
public:
    explicit CActivationContext(WORD manifestId);
    CActivationContext(const CActivationContext&) = delete;
    CActivationContext& operator=(const CActivationContext&) = delete;
    ~CActivationContext();

    // Null when the context could not be made.
    HANDLE GetHandle() const { return m_hContext; }

private:
    HANDLE m_hContext;
};

// Makes a context the thread's active one for the life of the scope (ActivateActCtx,
// DeactivateActCtx). Given no context, it activates the program's own manifest, over
// whatever is active below it; given a context that could not be made, it does nothing.
class CActivationScope {
public:
    explicit CActivationScope(const CActivationContext* context);
    CActivationScope(const CActivationScope&) = delete;
    CActivationScope& operator=(const CActivationScope&) = delete;
    ~CActivationScope();

private:
    ULONG_PTR m_cookie;
    bool m_bActive;
};

} // namespace RVK
