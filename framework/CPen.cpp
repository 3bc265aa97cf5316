#include "framework/CPen.h"

#include <utility>

namespace RVK {

namespace {

// The platform pen style of each of the framework's numbered styles.
constexpr UINT kPenStyles[] = {PS_NULL,    PS_SOLID,      PS_DASH,       PS_DOT,
                               PS_DASHDOT, PS_DASHDOTDOT, PS_INSIDEFRAME};
constexpr int kPenStyleCount = sizeof(kPenStyles) / sizeof(kPenStyles[0]);

constexpr int kSolidStyle = 1;

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CPenBase, CGDIObject)
RVK_IMPLEMENT_RUNTIME_CLASS(CPen, CPenBase)

CPenBase::CPenBase(HPEN pen) : m_hPen(pen) {}

CPenBase::~CPenBase() { DeleteObject(); }

HGDIOBJ CPenBase::GetSafeHandle() const { return m_hPen; }

BOOL CPenBase::DeleteObject() {
    const BOOL deleted = CGDIObject::DeleteObject();
    if (deleted) {
        m_hPen = nullptr;
    }
    return deleted;
}

HPEN CPenBase::GetHandle() const { return m_hPen; }

HPEN CPenBase::CreatePen(int style, int width, COLORREF color) {
    Replace(::CreatePen(style, width, color));
    return m_hPen;
}

HPEN CPenBase::CreatePenIndirect(const LOGPEN* logPen) {
    Replace(::CreatePenIndirect(logPen));
    return m_hPen;
}

void CPenBase::Replace(HPEN pen) {
    if (m_hPen != nullptr) {
        DeleteObject();
    }
    m_hPen = pen;
}

CPen::CPen() : CPen(kSolidStyle, 0, RGB(0, 0, 0)) {}

CPen::CPen(int style, int width, COLORREF color)
    : m_nStyle(style), m_nWidth(width), m_crColor(color) {
    Create(style, width, color);
}

CPen::CPen(const CPen& other) : CPen(other.m_nStyle, other.m_nWidth, other.m_crColor) {}

CPen::~CPen() = default;

CPen& CPen::operator=(const CPen& other) {
    m_nStyle = other.m_nStyle;
    m_nWidth = other.m_nWidth;
    m_crColor = other.m_crColor;
    Create(m_nStyle, m_nWidth, m_crColor);
    return *this;
}

HPEN CPen::Create(int style, int width, COLORREF color) {
    if (style < 0 || style >= kPenStyleCount) {
        Replace(nullptr);
        return nullptr;
    }
    LOGPEN logPen = {};
    logPen.lopnStyle = kPenStyles[style];
    logPen.lopnWidth.x = width;
    logPen.lopnColor = color;
    return CreatePenIndirect(&logPen);
}

void CPen::Swap(CPen& other) {
    std::swap(m_hPen, other.m_hPen);
    std::swap(m_nStyle, other.m_nStyle);
    std::swap(m_nWidth, other.m_nWidth);
    std::swap(m_crColor, other.m_crColor);
}

} // namespace RVK
