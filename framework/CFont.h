#pragma once

#include "framework/CGDIObject.h"

namespace RVK {

// Holds one font handle. The base releases nothing; CFont deletes its font when asked to.
class CFontBase : public CGDIObject {
    RVK_DECLARE_RUNTIME_CLASS()

    CFontBase();
    CFontBase(const CFontBase&) = delete;
    CFontBase& operator=(const CFontBase&) = delete;
    ~CFontBase() override;

    HGDIOBJ GetSafeHandle() const override;
    // Forgets the handle once deleted, so that nothing deletes it again.
    BOOL DeleteObject() override;
    virtual HFONT GetHandle() const;
    virtual HFONT GetHFont() const;
    // CreateFontA.
    virtual HFONT CreateFont(int height, int width, int escapement, int orientation, int weight,
                             DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                             DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                             DWORD pitchAndFamily, const char* face);

protected:
    HFONT m_hFont;
};

// A font of a height and face with the platform's defaults for everything else.
class CFont : public CFontBase {
    RVK_DECLARE_RUNTIME_CLASS()

    CFont();
    CFont(int height, const char* face, bool autoDelete);
    ~CFont() override;

    // CreateFontA; with automatic deletion the font held before is deleted first.
    HFONT CreateFont(int height, int width, int escapement, int orientation, int weight,
                     DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                     DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                     const char* face) override;
    virtual HFONT CreateFont(int height, const char* face, int weight, int italic, int underline,
                             int strikeOut);

protected:
    bool m_bAutoDelete;
};

} // namespace RVK
