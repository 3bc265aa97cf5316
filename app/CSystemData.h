#pragma once

#include <windows.h>

#include <string>

#include "framework/CObject.h"
#include "framework/CString.h"

// The one settings object: the folders the program uses, all derived from the
// executable's folder, the eleven calendar colours and the display choices. Settings
// live only in the INI file: every getter reads it anew and every setter writes it at once.
class CSystemData : public RVK::CObject {
public:
    static bool CreateInstance();
    static CSystemData* GetInstance();
    static bool DestroyInstance();

    CSystemData(const CSystemData&) = delete;
    CSystemData& operator=(const CSystemData&) = delete;

    void SetBaseDir(const RVK::CString& folder);
    RVK::CString GetBaseDir() const;
    RVK::CString GetMemoDir() const;
    // The same folders in UTF-16, for the W calls that name memo files.
    const std::wstring& GetBaseDirW() const;
    const std::wstring& GetMemoDirW() const;

    COLORREF GetCalendarBackColor() const;
    COLORREF GetCalendarTextColor() const;
    COLORREF GetWeekdayTextColor() const;
    COLORREF GetSundayTextColor() const;
    COLORREF GetSatdayTextColor() const;
    COLORREF GetSeldayBackColor() const;
    COLORREF GetTodayEdgeColor() const;
    COLORREF GetMemodayMarkColor() const;
    COLORREF GetMemodayEdgeColor() const;
    COLORREF GetButtonBackColor() const;
    COLORREF GetButtonTextColor() const;

    void SetCalendarBackColor(COLORREF color);
    void SetCalendarTextColor(COLORREF color);
    void SetWeekdayTextColor(COLORREF color);
    void SetSundayTextColor(COLORREF color);
    void SetSatdayTextColor(COLORREF color);
    void SetSeldayBackColor(COLORREF color);
    void SetTodayEdgeColor(COLORREF color);
    void SetMemodayMarkColor(COLORREF color);
    void SetMemodayEdgeColor(COLORREF color);
    void SetButtonBackColor(COLORREF color);
    void SetButtonTextColor(COLORREF color);

    // Whether the calendar marks the national holidays; off unless the file says "1".
    bool GetShowHolidays() const;
    void SetShowHolidays(bool show);

    // "RRGGBB" in hexadecimal, as stored; only the first six of at most seven
    // characters count, and anything that is not a hexadecimal digit counts as 0.
    static COLORREF ParseColor(const char* text);
    static unsigned ParseHexDigits(const char* text, int count);

private:
    // A colour key of the settings file and the text used when the key is missing.
    struct ColorKey {
        const char* name;
        const char* defaultText;
    };
    static const ColorKey kCalendarBack, kCalendarText, kWeekdayText, kSundayText, kSatdayText,
        kSeldayBack, kTodayEdge, kMemodayMark, kMemodayEdge, kButtonBack, kButtonText;

    CSystemData() = default;
    ~CSystemData() override = default;

    COLORREF ReadColor(const ColorKey& key) const;
    void WriteColor(const ColorKey& key, COLORREF color) const;

    RVK::CString m_strBaseDir;
    RVK::CString m_strMemoDir;
    RVK::CString m_strIniPath;
    std::wstring m_strBaseDirW;
    std::wstring m_strMemoDirW;

    static CSystemData* s_pInstance;
};
