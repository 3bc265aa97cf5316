#include "framework/CFont.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CFontBase, CGDIObject)
RVK_IMPLEMENT_RUNTIME_CLASS(CFont, CFontBase)

CFontBase::CFontBase() : m_hFont(nullptr) {}

CFontBase::~CFontBase() = default;

HGDIOBJ CFontBase::GetSafeHandle() const { return m_hFont; }

BOOL CFontBase::DeleteObject() {
    const BOOL deleted = CGDIObject::DeleteObject();
    if (deleted) {
        m_hFont = nullptr;
    }
    return deleted;
}

HFONT CFontBase::GetHandle() const { return m_hFont; }

HFONT CFontBase::GetHFont() const { return static_cast<HFONT>(GetSafeHandle()); }

HFONT CFontBase::CreateFont(int height, int width, int escapement, int orientation, int weight,
                            DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                            DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                            DWORD pitchAndFamily, const char* face) {
    m_hFont =
        ::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                      charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face);
    return m_hFont;
}

CFont::CFont() : m_bAutoDelete(true) {}

CFont::CFont(int height, const char* face, bool autoDelete) : m_bAutoDelete(autoDelete) {
    CreateFont(height, face, 0, 0, 0, 0);
}

CFont::~CFont() {
    if (m_bAutoDelete) {
        DeleteObject();
    }
}

// A font this object deletes when destroyed is its own: replacing it must not leave the
// old one behind.
HFONT CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                        DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                        DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                        DWORD pitchAndFamily, const char* face) {
    if (m_bAutoDelete) {
        DeleteObject();
        m_hFont = nullptr;
    }
    return CFontBase::CreateFont(height, width, escapement, orientation, weight, italic, underline,
                                 strikeOut, charSet, outPrecision, clipPrecision, quality,
                                 pitchAndFamily, face);
}

HFONT CFont::CreateFont(int height, const char* face, int weight, int italic, int underline,
                        int strikeOut) {
    return CreateFont(height, 0, 0, 0, weight, italic, underline, strikeOut, DEFAULT_CHARSET, 0, 0,
                      0, 0, face);
}

} // namespace RVK
