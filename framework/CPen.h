#pragma once

#include "framework/CGDIObject.h"

namespace RVK {

// Owns one pen handle and deletes it when destroyed or replaced.
class CPenBase : public CGDIObject {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CPenBase(HPEN pen = nullptr);
    CPenBase(const CPenBase&) = delete;
    CPenBase& operator=(const CPenBase&) = delete;
    ~CPenBase() override;

    HGDIOBJ GetSafeHandle() const override;
    // Forgets the handle once deleted, so that nothing deletes it again.
    BOOL DeleteObject() override;
    virtual HPEN GetHandle() const;
    // CreatePen.
    virtual HPEN CreatePen(int style, int width, COLORREF color);
    // CreatePenIndirect.
    virtual HPEN CreatePenIndirect(const LOGPEN* logPen);

protected:
    // Deletes the held pen, then holds `pen`.
    void Replace(HPEN pen);

    HPEN m_hPen;
};

// A pen made from the framework's numbered styles: 0 null, 1 solid, 2 dash, 3 dot,
// 4 dash-dot, 5 dash-dot-dot, 6 inside frame. A copy makes a pen of its own.
class CPen : public CPenBase {
    RVK_DECLARE_RUNTIME_CLASS()

    CPen();
    CPen(int style, int width, COLORREF color);
    CPen(const CPen& other);
    ~CPen() override;

    virtual CPen& operator=(const CPen& other);
    virtual HPEN Create(int style, int width, COLORREF color);

    int GetStyle() const { return m_nStyle; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_crColor; }
    // Exchanges pens and parameters, so a pen can be selected before the old one is deleted.
    void Swap(CPen& other);

protected:
    int m_nStyle;
    int m_nWidth;
    COLORREF m_crColor;
};

} // namespace RVK
