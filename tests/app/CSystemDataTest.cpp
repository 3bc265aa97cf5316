#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/CSystemData.h"
#include "tests/support/TempDir.h"

namespace {

constexpr char kIniName[] = "Kalvo.ini";

// The settings object of a test, based in a fresh temporary folder.
class CSystemDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CSystemData::CreateInstance());
        settings = CSystemData::GetInstance();
        settings->SetBaseDir(folder.Path().c_str());
    }
    void TearDown() override { CSystemData::DestroyInstance(); }

    std::string ReadValue(const char* key) {
        char value[64] = {};
        GetPrivateProfileStringA("COLOR_SETTING", key, "<missing>", value, sizeof value,
                                 folder.File(kIniName).c_str());
        return value;
    }

    TempDir folder;
    CSystemData* settings = nullptr;
};

// Each colour key with its getter, setter and default.
struct ColorAccess {
    const char* key;
    COLORREF (CSystemData::*get)() const;
    void (CSystemData::*set)(COLORREF);
    COLORREF defaultColor;
};

#define COLOR_ACCESS(name, key, r, g, b)                                                           \
    { key, &CSystemData::Get##name##Color, &CSystemData::Set##name##Color, RGB(r, g, b) }

const ColorAccess kColors[] = {
    COLOR_ACCESS(CalendarBack, "CALENDAR_BACK_COLOR", 224, 224, 224),
    COLOR_ACCESS(CalendarText, "CALENDAR_TEXT_COLOR", 0, 0, 0),
    COLOR_ACCESS(WeekdayText, "WEEKDAY_TEXT_COLOR", 0, 0, 0),
    COLOR_ACCESS(SundayText, "SUNDAY_TEXT_COLOR", 255, 0, 0),
    COLOR_ACCESS(SatdayText, "SATDAY_TEXT_COLOR", 0, 0, 255),
    COLOR_ACCESS(SeldayBack, "SELDAY_BACK_COLOR", 255, 255, 255),
    COLOR_ACCESS(TodayEdge, "TODAY_EDGE_COLOR", 0, 192, 192),
    COLOR_ACCESS(MemodayMark, "MEMODAY_MARK_COLOR", 255, 255, 0),
    COLOR_ACCESS(MemodayEdge, "MEMODAY_EDGE_COLOR", 192, 128, 0),
    COLOR_ACCESS(ButtonBack, "BUTTON_BACK_COLOR", 192, 192, 192),
    COLOR_ACCESS(ButtonText, "BUTTON_TEXT_COLOR", 0, 0, 0),
};

} // namespace

TEST_F(CSystemDataTest, EachColourHasItsDefaultUntilItsSetterWritesItsOwnKey) {
    for (const ColorAccess& color : kColors) {
        EXPECT_EQ((settings->*color.get)(), color.defaultColor) << color.key;
    }
    EXPECT_TRUE(folder.ReadFile(kIniName).empty()) << "reading must not create the file";
    folder.WriteFile(kIniName, "[OTHER]\r\nSUNDAY_TEXT_COLOR=00FF00\r\n"
                               "[COLOR_SETTING]\r\nMEMODAY_MARK_COLOR=12345678\r\n");
    EXPECT_EQ(settings->GetSundayTextColor(), RGB(255, 0, 0));
    EXPECT_EQ(settings->GetMemodayMarkColor(), RGB(0x12, 0x34, 0x56));

    // A distinct colour per key, so that a getter reading another key shows.
    BYTE green = 0;
    for (const ColorAccess& color : kColors) {
        (settings->*color.set)(RGB(0xAB, green++, 0xEF));
    }
    green = 0;
    for (const ColorAccess& color : kColors) {
        char text[8] = {};
        wsprintfA(text, "ab%02xef", green);
        EXPECT_EQ(ReadValue(color.key), text);
        EXPECT_EQ((settings->*color.get)(), RGB(0xAB, green++, 0xEF)) << color.key;
    }
    settings->SetCalendarBackColor(0xFF123456);
    EXPECT_EQ(ReadValue("CALENDAR_BACK_COLOR"), "563412");
}

TEST_F(CSystemDataTest, HolidaysAreShownOnlyWhenTheFileSaysOne) {
    EXPECT_FALSE(settings->GetShowHolidays());
    for (const char* value : {"1", "", "0", "10", "01", "yes", "\x82\x50"}) {
        folder.WriteFile(kIniName, std::string("[DISPLAY_SETTING]\r\nSHOW_HOLIDAYS=") + value);
        EXPECT_EQ(settings->GetShowHolidays(), std::string(value) == "1") << value;
    }
}

TEST(CSystemDataParseTest, ColoursParseByCharacterPositionWithoutReadingPastTheText) {
    struct Case {
        const char* text;
        COLORREF color;
    };
    // The last text is Shift-JIS "あい" then FF.
    const Case cases[] = {{"FF0000", RGB(255, 0, 0)},
                          {"ff0000", RGB(255, 0, 0)},
                          {"FFF", RGB(255, 240, 0)},
                          {"F", RGB(240, 0, 0)},
                          {"#FF0000", RGB(15, 240, 0)},
                          {"123456789ABCDEF", RGB(0x12, 0x34, 0x56)},
                          {"", RGB(0, 0, 0)},
                          {nullptr, RGB(0, 0, 0)},
                          {"0x1234", RGB(0, 0x12, 0x34)},
                          {"\x82\xa0\x82\xa2\x46\x46", RGB(0, 0, 255)}};
    for (const Case& c : cases) {
        EXPECT_EQ(CSystemData::ParseColor(c.text), c.color) << (c.text ? c.text : "null");
    }
    EXPECT_EQ(CSystemData::ParseHexDigits("x1", 2), 0x01u);
    EXPECT_EQ(CSystemData::ParseHexDigits("1", 2), 0x10u);
    EXPECT_EQ(CSystemData::ParseHexDigits("\0\x46", 2), 0x0Fu);
}
