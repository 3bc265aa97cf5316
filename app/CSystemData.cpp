#include "app/CSystemData.h"

#include "framework/Utf16.h"

namespace {

constexpr char kMemoFolderName[] = "memo";
constexpr char kIniFileName[] = "Kalvo.ini";
constexpr char kColorSection[] = "COLOR_SETTING";
constexpr char kColorWriteFormat[] = "%02x%02x%02x";
constexpr char kDisplaySection[] = "DISPLAY_SETTING";
constexpr char kShowHolidaysKey[] = "SHOW_HOLIDAYS";
constexpr char kOn[] = "1";
constexpr char kOff[] = "0";

// The profile lookup fills at most seven characters and the terminator.
constexpr int kColorTextBufferSize = 8;
constexpr int kDigitsPerChannel = 2;
constexpr int kGreenOffset = 2;
constexpr int kBlueOffset = 4;
constexpr unsigned kHexBase = 16;
constexpr unsigned kChannelMask = 0xFF;

unsigned HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0;
}

} // namespace

const CSystemData::ColorKey CSystemData::kCalendarBack{"CALENDAR_BACK_COLOR", "E0E0E0"};
const CSystemData::ColorKey CSystemData::kCalendarText{"CALENDAR_TEXT_COLOR", "000000"};
const CSystemData::ColorKey CSystemData::kWeekdayText{"WEEKDAY_TEXT_COLOR", "000000"};
const CSystemData::ColorKey CSystemData::kSundayText{"SUNDAY_TEXT_COLOR", "FF0000"};
const CSystemData::ColorKey CSystemData::kSatdayText{"SATDAY_TEXT_COLOR", "0000FF"};
const CSystemData::ColorKey CSystemData::kSeldayBack{"SELDAY_BACK_COLOR", "FFFFFF"};
const CSystemData::ColorKey CSystemData::kTodayEdge{"TODAY_EDGE_COLOR", "00C0C0"};
const CSystemData::ColorKey CSystemData::kMemodayMark{"MEMODAY_MARK_COLOR", "FFFF00"};
const CSystemData::ColorKey CSystemData::kMemodayEdge{"MEMODAY_EDGE_COLOR", "C08000"};
const CSystemData::ColorKey CSystemData::kButtonBack{"BUTTON_BACK_COLOR", "C0C0C0"};
const CSystemData::ColorKey CSystemData::kButtonText{"BUTTON_TEXT_COLOR", "000000"};

CSystemData* CSystemData::s_pInstance = nullptr;

bool CSystemData::CreateInstance() {
    if (s_pInstance != nullptr) {
        return false;
    }
    s_pInstance = new CSystemData();
    return true;
}

CSystemData* CSystemData::GetInstance() { return s_pInstance; }

bool CSystemData::DestroyInstance() {
    if (s_pInstance == nullptr) {
        return false;
    }
    delete s_pInstance;
    s_pInstance = nullptr;
    return true;
}

void CSystemData::SetBaseDir(const RVK::CString& folder) {
    m_strBaseDir = folder;
    m_strMemoDir = folder + "\\" + kMemoFolderName;
    m_strIniPath = folder + "\\" + kIniFileName;
    // The folder was spelt exactly in the ANSI code page.
    m_strBaseDirW = RVK::WidenFrom(CP_ACP, m_strBaseDir);
    m_strMemoDirW = RVK::WidenFrom(CP_ACP, m_strMemoDir);
}

RVK::CString CSystemData::GetBaseDir() const { return m_strBaseDir; }

RVK::CString CSystemData::GetMemoDir() const { return m_strMemoDir; }

const std::wstring& CSystemData::GetBaseDirW() const { return m_strBaseDirW; }

const std::wstring& CSystemData::GetMemoDirW() const { return m_strMemoDirW; }

COLORREF CSystemData::GetCalendarBackColor() const { return ReadColor(kCalendarBack); }
COLORREF CSystemData::GetCalendarTextColor() const { return ReadColor(kCalendarText); }
COLORREF CSystemData::GetWeekdayTextColor() const { return ReadColor(kWeekdayText); }
COLORREF CSystemData::GetSundayTextColor() const { return ReadColor(kSundayText); }
COLORREF CSystemData::GetSatdayTextColor() const { return ReadColor(kSatdayText); }
COLORREF CSystemData::GetSeldayBackColor() const { return ReadColor(kSeldayBack); }
COLORREF CSystemData::GetTodayEdgeColor() const { return ReadColor(kTodayEdge); }
COLORREF CSystemData::GetMemodayMarkColor() const { return ReadColor(kMemodayMark); }
COLORREF CSystemData::GetMemodayEdgeColor() const { return ReadColor(kMemodayEdge); }
COLORREF CSystemData::GetButtonBackColor() const { return ReadColor(kButtonBack); }
COLORREF CSystemData::GetButtonTextColor() const { return ReadColor(kButtonText); }

void CSystemData::SetCalendarBackColor(COLORREF color) { WriteColor(kCalendarBack, color); }
void CSystemData::SetCalendarTextColor(COLORREF color) { WriteColor(kCalendarText, color); }
void CSystemData::SetWeekdayTextColor(COLORREF color) { WriteColor(kWeekdayText, color); }
void CSystemData::SetSundayTextColor(COLORREF color) { WriteColor(kSundayText, color); }
void CSystemData::SetSatdayTextColor(COLORREF color) { WriteColor(kSatdayText, color); }
void CSystemData::SetSeldayBackColor(COLORREF color) { WriteColor(kSeldayBack, color); }
void CSystemData::SetTodayEdgeColor(COLORREF color) { WriteColor(kTodayEdge, color); }
void CSystemData::SetMemodayMarkColor(COLORREF color) { WriteColor(kMemodayMark, color); }
void CSystemData::SetMemodayEdgeColor(COLORREF color) { WriteColor(kMemodayEdge, color); }
void CSystemData::SetButtonBackColor(COLORREF color) { WriteColor(kButtonBack, color); }
void CSystemData::SetButtonTextColor(COLORREF color) { WriteColor(kButtonText, color); }

// A buffer one byte longer than "1" holds more than it, so that "10" does not read as on.
bool CSystemData::GetShowHolidays() const {
    if (m_strIniPath.IsEmpty()) {
        return false;
    }
    char text[sizeof kOn + 1] = {};
    GetPrivateProfileStringA(kDisplaySection, kShowHolidaysKey, kOff, text, sizeof text,
                             m_strIniPath);
    return lstrcmpA(text, kOn) == 0;
}

void CSystemData::SetShowHolidays(bool show) {
    if (m_strIniPath.IsEmpty()) {
        return;
    }
    WritePrivateProfileStringA(kDisplaySection, kShowHolidaysKey, show ? kOn : kOff, m_strIniPath);
}

// The text is first copied into a zero-filled buffer of the lookup's size, so a short
// text reads as if padded with zero digits and nothing past its end is touched.
COLORREF CSystemData::ParseColor(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    char digits[kColorTextBufferSize] = {};
    lstrcpynA(digits, text, kColorTextBufferSize);
    const unsigned red = ParseHexDigits(digits, kDigitsPerChannel);
    const unsigned green = ParseHexDigits(digits + kGreenOffset, kDigitsPerChannel);
    const unsigned blue = ParseHexDigits(digits + kBlueOffset, kDigitsPerChannel);
    return RGB(red & kChannelMask, green & kChannelMask, blue & kChannelMask);
}

// Reads exactly `count` bytes: a zero byte counts as the digit 0 and does not end the
// scan, so the caller hands over at least that many bytes.
unsigned CSystemData::ParseHexDigits(const char* text, int count) {
    if (text == nullptr) {
        return 0;
    }
    unsigned value = 0;
    for (int i = 0; i < count; ++i) {
        value = value * kHexBase + HexDigitValue(text[i]);
    }
    return value;
}

// Before SetBaseDir there is no settings file: an empty path would make the profile
// calls fall back to the system's WIN.INI, so colours then keep their defaults.
COLORREF CSystemData::ReadColor(const ColorKey& key) const {
    if (m_strIniPath.IsEmpty()) {
        return ParseColor(key.defaultText);
    }
    char text[kColorTextBufferSize] = {};
    GetPrivateProfileStringA(kColorSection, key.name, key.defaultText, text, sizeof text,
                             m_strIniPath);
    return ParseColor(text);
}

void CSystemData::WriteColor(const ColorKey& key, COLORREF color) const {
    if (m_strIniPath.IsEmpty()) {
        return;
    }
    RVK::CString text;
    text.Format(kColorWriteFormat, GetRValue(color), GetGValue(color), GetBValue(color));
    if (text.IsEmpty()) {
        // Formatting ran out of memory; a null value would delete the key instead.
        return;
    }
    WritePrivateProfileStringA(kColorSection, key.name, text, m_strIniPath);
}
