#pragma once

#include "framework/CGDIObject.h"

namespace RVK {

// Owns one brush handle and deletes it when destroyed or replaced.
class CBrushBase : public CGDIObject {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CBrushBase(HBRUSH brush = nullptr);
    CBrushBase(const CBrushBase&) = delete;
    CBrushBase& operator=(const CBrushBase&) = delete;
    ~CBrushBase() override;

    HGDIOBJ GetSafeHandle() const override;
    // Forgets the handle once deleted, so that nothing deletes it again.
    BOOL DeleteObject() override;
    virtual HBRUSH GetHandle() const;
    // CreateSolidBrush.
    virtual HBRUSH CreateSolidBrush(COLORREF color);
    // CreateHatchBrush.
    virtual HBRUSH CreateHatchBrush(int hatch, COLORREF color);
    // CreateBrushIndirect.
    virtual HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush);

protected:
    // Deletes the held brush, then holds `brush`.
    void Replace(HBRUSH brush);

    HBRUSH m_hBrush;
};

// A brush made from the framework's numbered styles: 0 hollow, 1 solid, 2-7 hatched
// (back diagonal, cross, diagonal cross, forward diagonal, horizontal, vertical).
// A copy makes a brush of its own.
class CBrush : public CBrushBase {
    RVK_DECLARE_RUNTIME_CLASS()

    CBrush();
    CBrush(int style, COLORREF color);
    CBrush(const CBrush& other);
    ~CBrush() override;

    virtual CBrush& operator=(const CBrush& other);
    virtual HBRUSH Create(int style, COLORREF color);

    int GetStyle() const { return m_nStyle; }
    COLORREF GetColor() const { return m_crColor; }
    // Exchanges brushes and parameters, so a brush can be selected before the old one is
    // deleted.
    void Swap(CBrush& other);

protected:
    int m_nStyle;
    COLORREF m_crColor;
};

} // namespace RVK
