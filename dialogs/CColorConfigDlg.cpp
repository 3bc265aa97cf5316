#include "dialogs/CColorConfigDlg.h"

#include <commdlg.h>

#include <algorithm>
#include <iterator>

#include "app/CSystemData.h"
#include "calendar/CDate.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "mainwnd/MainWndLayout.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

RVK_IMPLEMENT_RUNTIME_CLASS(CColorConfigDlg, RVK::CDialog)

namespace {

using ColorGetter = COLORREF (CSystemData::*)() const;
using ColorSetter = void (CSystemData::*)(COLORREF);
using ColorButton = int (CColorConfigDlg::*)();

// Per colour, in ColorIndex order: the value before the settings are read, the
// settings getter and setter.
struct ColorSlot {
    COLORREF initial;
    ColorGetter get;
    ColorSetter set;
};
constexpr ColorSlot kColorSlots[CColorConfigDlg::kColorCount] = {
    {0xCCCCCC, &CSystemData::GetCalendarBackColor, &CSystemData::SetCalendarBackColor},
    {0x000000, &CSystemData::GetCalendarTextColor, &CSystemData::SetCalendarTextColor},
    {0x000000, &CSystemData::GetWeekdayTextColor, &CSystemData::SetWeekdayTextColor},
    {0x000000, &CSystemData::GetSundayTextColor, &CSystemData::SetSundayTextColor},
    {0x000000, &CSystemData::GetSatdayTextColor, &CSystemData::SetSatdayTextColor},
    {0x808080, &CSystemData::GetSeldayBackColor, &CSystemData::SetSeldayBackColor},
    {0x000000, &CSystemData::GetTodayEdgeColor, &CSystemData::SetTodayEdgeColor},
    {0xCCCCCC, &CSystemData::GetMemodayMarkColor, &CSystemData::SetMemodayMarkColor},
    {0x808080, &CSystemData::GetMemodayEdgeColor, &CSystemData::SetMemodayEdgeColor},
    {0xCCCCCC, &CSystemData::GetButtonBackColor, &CSystemData::SetButtonBackColor},
    {0x000000, &CSystemData::GetButtonTextColor, &CSystemData::SetButtonTextColor},
};

// The colour buttons of the template and what each one chooses.
struct ColorCommand {
    int id;
    ColorButton run;
};
constexpr ColorCommand kColorCommands[] = {
    {IDC_COLOR_CALENDAR_TEXT, &CColorConfigDlg::OnCalendarTextColor},
    {IDC_COLOR_CALENDAR_BACK, &CColorConfigDlg::OnCalendarBackColor},
    {IDC_COLOR_WEEKDAY_TEXT, &CColorConfigDlg::OnWeekdayTextColor},
    {IDC_COLOR_SUNDAY_TEXT, &CColorConfigDlg::OnSundayTextColor},
    {IDC_COLOR_SATDAY_TEXT, &CColorConfigDlg::OnSatdayTextColor},
    {IDC_COLOR_SELDAY_BACK, &CColorConfigDlg::OnSeldayBackColor},
    {IDC_COLOR_TODAY_EDGE, &CColorConfigDlg::OnTodayEdgeColor},
    {IDC_COLOR_MEMODAY_EDGE, &CColorConfigDlg::OnMemodayEdgeColor},
    {IDC_COLOR_MEMODAY_MARK, &CColorConfigDlg::OnMemodayMarkColor},
    {IDC_COLOR_BUTTON_TEXT, &CColorConfigDlg::OnButtonTextColor},
    {IDC_COLOR_BUTTON_BACK, &CColorConfigDlg::OnButtonBackColor},
};

constexpr int kResultFailed = ERROR_INVALID_DATA;

// The sample button, in client pixels. Clicking it does nothing.
constexpr const char* kSampleText = "サンプル";
constexpr int kSampleButtonId = 2000;
constexpr int kSampleButtonX = 480;
constexpr int kSampleButtonY = 88;
constexpr int kSampleButtonWidth = 72;
constexpr int kSampleButtonHeight = 32;

// The sample calendar, in client pixels: a fixed 30-day month starting on a Sunday, drawn
// with the month view's fonts, cells, text offsets and styles.
namespace MonthView = MainWndLayout;
constexpr RECT kSampleArea = {232, 40, 572, 300};
constexpr const char* kTitleText = "YYYY年MM月";
constexpr int kTitleX = 300;
constexpr int kTitleY = 48;
constexpr int kGridX = 240;
constexpr int kGridY = 112;
constexpr int kHeaderOffsetY = -24;
constexpr int kMarkLeft = 22;
constexpr int kMarkTop = 0;
constexpr int kMarkSize = 8;
constexpr int kSampleDays = 30;
constexpr int kSelectedDays[] = {1, 4, 7, 10, 18};
constexpr int kTodayDays[] = {8, 10, 12, 14};
constexpr int kMemoDays[] = {16, 18, 20};
// 0001-01-07, the first Sunday: the header counts weekday names from there.
constexpr int kFirstSundayDayNumber = 6;

template <std::size_t N> bool IsOneOf(int day, const int (&days)[N]) {
    return std::find(std::begin(days), std::end(days), day) != std::end(days);
}

} // namespace

CColorConfigDlg::CColorConfigDlg() : CDialog(IDD_COLOR_CONFIG), m_sampleButton(nullptr, 0) {
    for (int i = 0; i < kColorCount; ++i) {
        m_colors[i] = kColorSlots[i].initial;
    }
}

CColorConfigDlg::~CColorConfigDlg() = default;

LRESULT CColorConfigDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return kResultFailed;
    }
    SetIcon(IDI_KALVO);
    COLORREF* color = m_colors;
    for (const ColorSlot& slot : kColorSlots) {
        *color++ = (settings->*slot.get)();
    }
    m_sampleButton.Create(kSampleText, kSampleButtonX, kSampleButtonY, kSampleButtonWidth,
                          kSampleButtonHeight, GetHandle(), kSampleButtonId, true);
    m_sampleButton.SetBackColor(m_colors[kButtonBack]);
    m_sampleButton.SetForeColor(m_colors[kButtonText]);
    return CDialog::OnInitDialog(wParam, lParam);
}

LRESULT CColorConfigDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    for (const ColorCommand& command : kColorCommands) {
        if (command.id == LOWORD(wParam)) {
            return (this->*command.run)();
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CColorConfigDlg::OnOK() {
    CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return;
    }
    const COLORREF* color = m_colors;
    for (const ColorSlot& slot : kColorSlots) {
        (settings->*slot.set)(*color++);
    }
    CDialog::OnOK();
}

int CColorConfigDlg::OnCalendarBackColor() { return PickCalendarColor(kCalendarBack); }
int CColorConfigDlg::OnCalendarTextColor() { return PickCalendarColor(kCalendarText); }
int CColorConfigDlg::OnWeekdayTextColor() { return PickCalendarColor(kWeekdayText); }
int CColorConfigDlg::OnSundayTextColor() { return PickCalendarColor(kSundayText); }
int CColorConfigDlg::OnSatdayTextColor() { return PickCalendarColor(kSatdayText); }
int CColorConfigDlg::OnSeldayBackColor() { return PickCalendarColor(kSeldayBack); }
int CColorConfigDlg::OnTodayEdgeColor() { return PickCalendarColor(kTodayEdge); }
int CColorConfigDlg::OnMemodayMarkColor() { return PickCalendarColor(kMemodayMark); }
int CColorConfigDlg::OnMemodayEdgeColor() { return PickCalendarColor(kMemodayEdge); }

int CColorConfigDlg::OnButtonBackColor() {
    if (PickColor(&m_colors[kButtonBack]) == 0) {
        return 1;
    }
    m_sampleButton.SetBackColor(m_colors[kButtonBack]);
    return 0;
}

int CColorConfigDlg::OnButtonTextColor() {
    if (PickColor(&m_colors[kButtonText]) == 0) {
        return 1;
    }
    m_sampleButton.SetForeColor(m_colors[kButtonText]);
    return 0;
}

int CColorConfigDlg::PickColor(COLORREF* color) {
    if (color == nullptr) {
        return 0;
    }
    COLORREF customColors[16] = {};
    std::fill(std::begin(customColors), std::end(customColors), RGB(255, 255, 255));
    CHOOSECOLORA chooser = {};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = GetHandle();
    chooser.rgbResult = *color;
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (::ChooseColorA(&chooser)) {
        *color = chooser.rgbResult;
        InvalidateRect(&kSampleArea, FALSE);
    }
    return 1;
}

LRESULT CColorConfigDlg::OnPaint(WPARAM, LPARAM) {
    RVK::CDC dc(BeginPaint());
    dc.SetBkMode(TRANSPARENT);
    RVK::CFont titleFont(MonthView::kTitleFontHeight, MonthView::kFontFace, true);
    RVK::CFont textFont(MonthView::kDayFontHeight, MonthView::kFontFace, true);
    const HGDIOBJ originalFont = dc.SelectObject(titleFont.GetSafeHandle());
    const HGDIOBJ originalPen = dc.SelectObject(
        RVK::CPen(MonthView::kSolidPen, MonthView::kOnePixelWide, m_colors[kCalendarBack]));
    const HGDIOBJ originalBrush =
        dc.SelectObject(RVK::CBrush(MonthView::kSolidBrush, m_colors[kCalendarBack]));
    dc.Rectangle(kSampleArea.left, kSampleArea.top, kSampleArea.right - kSampleArea.left,
                 kSampleArea.bottom - kSampleArea.top);
    dc.SetTextColor(m_colors[kCalendarText]);
    dc.DrawText(kTitleX, kTitleY, kTitleText, 0);
    dc.SelectObject(textFont.GetSafeHandle());
    PaintHeader(dc);
    PaintDays(dc);
    // Nothing of this paint may stay selected when the fonts, pen and brush are deleted.
    dc.SelectObject(originalFont);
    dc.SelectObject(originalPen);
    dc.SelectObject(originalBrush);
    EndPaint();
    return 0;
}

int CColorConfigDlg::PickCalendarColor(ColorIndex index) {
    return PickColor(&m_colors[index]) == 0 ? 1 : 0;
}

void CColorConfigDlg::PaintHeader(RVK::CDC& dc) {
    CDate day(kFirstSundayDayNumber);
    for (int column = 0; column < MonthView::kColumns; ++column, ++day) {
        dc.SetTextColor(ColumnTextColor(column));
        dc.DrawText(kGridX + MonthView::kTextInset + MonthView::kCellSize * column,
                    kGridY + kHeaderOffsetY, day.GetDayOfWeekName(), 0);
    }
}

void CColorConfigDlg::PaintDays(RVK::CDC& dc) {
    for (int j = 0; j < kSampleDays; ++j) {
        const int column = j % MonthView::kColumns;
        const int row = j / MonthView::kColumns;
        PaintDay(dc, j + 1, kGridX + MonthView::kCellSize * column,
                 kGridY + MonthView::kCellSize * row, ColumnTextColor(column));
    }
}

void CColorConfigDlg::PaintDay(RVK::CDC& dc, int number, int x, int y, COLORREF textColor) {
    if (IsOneOf(number, kSelectedDays)) {
        dc.FillRect(x, y, MonthView::kCellSize, MonthView::kCellSize, m_colors[kSeldayBack]);
    }
    if (IsOneOf(number, kTodayDays)) {
        dc.SelectObject(
            RVK::CPen(MonthView::kSolidPen, MonthView::kOnePixelWide, m_colors[kTodayEdge]));
        dc.SelectObject(RVK::CBrush(MonthView::kHollowBrush, 0));
        dc.Rectangle(x, y, MonthView::kCellSize, MonthView::kCellSize);
    }
    if (IsOneOf(number, kMemoDays)) {
        dc.SelectObject(
            RVK::CPen(MonthView::kSolidPen, MonthView::kOnePixelWide, m_colors[kMemodayEdge]));
        dc.SelectObject(RVK::CBrush(MonthView::kSolidBrush, m_colors[kMemodayMark]));
        dc.Ellipse(x + kMarkLeft, y + kMarkTop, kMarkSize, kMarkSize);
    }
    RVK::CString text;
    text.Format("%02d", number);
    dc.SetTextColor(textColor);
    dc.DrawText(x + MonthView::kTextInset, y + MonthView::kTextInset, text, 0);
}

COLORREF CColorConfigDlg::ColumnTextColor(int column) const {
    if (column == 0) {
        return m_colors[kSundayText];
    }
    return column == MonthView::kColumns - 1 ? m_colors[kSatdayText] : m_colors[kWeekdayText];
}
