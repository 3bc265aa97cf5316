#include "framework/CBrush.h"

#include <utility>

namespace RVK {

namespace {

// The platform brush style and hatch of each of the framework's numbered styles.
struct BrushStyle {
    UINT style;
    ULONG_PTR hatch;
};
constexpr BrushStyle kBrushStyles[] = {
    {BS_NULL, 0},
    {BS_SOLID, 0},
    {BS_HATCHED, HS_BDIAGONAL},
    {BS_HATCHED, HS_CROSS},
    {BS_HATCHED, HS_DIAGCROSS},
    {BS_HATCHED, HS_FDIAGONAL},
    {BS_HATCHED, HS_HORIZONTAL},
    {BS_HATCHED, HS_VERTICAL},
};
constexpr int kBrushStyleCount = sizeof(kBrushStyles) / sizeof(kBrushStyles[0]);

constexpr int kSolidStyle = 1;

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CBrushBase, CGDIObject)
RVK_IMPLEMENT_RUNTIME_CLASS(CBrush, CBrushBase)

CBrushBase::CBrushBase(HBRUSH brush) : m_hBrush(brush) {}

CBrushBase::~CBrushBase() { DeleteObject(); }

HGDIOBJ CBrushBase::GetSafeHandle() const { return m_hBrush; }

BOOL CBrushBase::DeleteObject() {
    const BOOL deleted = CGDIObject::DeleteObject();
    if (deleted) {
        m_hBrush = nullptr;
    }
    return deleted;
}

HBRUSH CBrushBase::GetHandle() const { return m_hBrush; }

HBRUSH CBrushBase::CreateSolidBrush(COLORREF color) {
    Replace(::CreateSolidBrush(color));
    return m_hBrush;
}

HBRUSH CBrushBase::CreateHatchBrush(int hatch, COLORREF color) {
    Replace(::CreateHatchBrush(hatch, color));
    return m_hBrush;
}

HBRUSH CBrushBase::CreateBrushIndirect(const LOGBRUSH* logBrush) {
    Replace(::CreateBrushIndirect(logBrush));
    return m_hBrush;
}

void CBrushBase::Replace(HBRUSH brush) {
    if (m_hBrush != nullptr) {
        DeleteObject();
    }
    m_hBrush = brush;
}

CBrush::CBrush() : CBrush(kSolidStyle, RGB(255, 255, 255)) {}

CBrush::CBrush(int style, COLORREF color) : m_nStyle(style), m_crColor(color) {
    Create(style, color);
}

CBrush::CBrush(const CBrush& other) : CBrush(other.m_nStyle, other.m_crColor) {}

CBrush::~CBrush() = default;

CBrush& CBrush::operator=(const CBrush& other) {
    m_nStyle = other.m_nStyle;
    m_crColor = other.m_crColor;
    Create(m_nStyle, m_crColor);
    return *this;
}

HBRUSH CBrush::Create(int style, COLORREF color) {
    if (style < 0 || style >= kBrushStyleCount) {
        Replace(nullptr);
        return nullptr;
    }
    LOGBRUSH logBrush = {};
    logBrush.lbStyle = kBrushStyles[style].style;
    logBrush.lbColor = color;
    logBrush.lbHatch = kBrushStyles[style].hatch;
    return CreateBrushIndirect(&logBrush);
}

void CBrush::Swap(CBrush& other) {
    std::swap(m_hBrush, other.m_hBrush);
    std::swap(m_nStyle, other.m_nStyle);
    std::swap(m_crColor, other.m_crColor);
}

} // namespace RVK
