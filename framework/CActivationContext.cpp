#include "framework/CActivationContext.h"

namespace RVK {

namespace {

// Characters for the module's path: the program refuses paths this long at start-up.
constexpr DWORD kModulePathRoom = 2 * MAX_PATH;

} // namespace

CActivationContext::CActivationContext(WORD manifestId) : m_hContext(nullptr) {
    wchar_t modulePath[kModulePathRoom] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, modulePath, kModulePathRoom);
    if (length == 0 || length >= kModulePathRoom) {
        return;
    }
    ACTCTXW request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.lpSource = modulePath;
    request.lpResourceName = MAKEINTRESOURCEW(manifestId);
    request.hModule = ::GetModuleHandleW(nullptr);
    const HANDLE context = ::CreateActCtxW(&request);
    if (context != INVALID_HANDLE_VALUE) {
        m_hContext = context;
    }
}

CActivationContext::~CActivationContext() {
    if (m_hContext != nullptr) {
        ::ReleaseActCtx(m_hContext);
    }
}

CActivationScope::CActivationScope(const CActivationContext* context)
    : m_cookie(0), m_bActive(false) {
    if (context != nullptr && context->GetHandle() == nullptr) {
        return;
    }
    const HANDLE handle = context != nullptr ? context->GetHandle() : nullptr;
    m_bActive = ::ActivateActCtx(handle, &m_cookie) != FALSE;
}

CActivationScope::~CActivationScope() {
    if (m_bActive) {
        ::DeactivateActCtx(0, m_cookie);
    }
}

} // namespace RVK
