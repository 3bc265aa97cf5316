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

    void WriteValue(const char* key, const std::string& value) {
        folder.WriteFile(kIniName, std::string("[COLOR_SETTING]\r\n") + key + "=" + value + "\r\n");
    }
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

const ColorAccess kColors[] = {
    {"CALENDAR_BACK_COLOR", &CSystemData::GetCalendarBackColor, &CSystemData::SetCalendarBackColor,
     RGB(224, 224, 224)},
    {"CALENDAR_TEXT_COLOR", &CSystemData::GetCalendarTextColor, &CSystemData::SetCalendarTextColor,
     RGB(0, 0, 0)},
    {"WEEKDAY_TEXT_COLOR", &CSystemData::GetWeekdayTextColor, &CSystemData::SetWeekdayTextColor,
     RGB(0, 0, 0)},
    {"SUNDAY_TEXT_COLOR", &CSystemData::GetSundayTextColor, &CSystemData::SetSundayTextColor,
     RGB(255, 0, 0)},
    {"SATDAY_TEXT_COLOR", &CSystemData::GetSatdayTextColor, &CSystemData::SetSatdayTextColor,
     RGB(0, 0, 255)},
    {"SELDAY_BACK_COLOR", &CSystemData::GetSeldayBackColor, &CSystemData::SetSeldayBackColor,
     RGB(255, 255, 255)},
    {"TODAY_EDGE_COLOR", &CSystemData::GetTodayEdgeColor, &CSystemData::SetTodayEdgeColor,
     RGB(0, 192, 192)},
    {"MEMODAY_MARK_COLOR", &CSystemData::GetMemodayMarkColor, &CSystemData::SetMemodayMarkColor,
     RGB(255, 255, 0)},
    {"MEMODAY_EDGE_COLOR", &CSystemData::GetMemodayEdgeColor, &CSystemData::SetMemodayEdgeColor,
     RGB(192, 128, 0)},
    {"BUTTON_BACK_COLOR", &CSystemData::GetButtonBackColor, &CSystemData::SetButtonBackColor,
     RGB(192, 192, 192)},
    {"BUTTON_TEXT_COLOR", &CSystemData::GetButtonTextColor, &CSystemData::SetButtonTextColor,
     RGB(0, 0, 0)},
};

} // namespace

TEST(CSystemDataInstanceTest, OneInstanceAtATimeWithPathsFromTheBaseFolder) {
    EXPECT_EQ(CSystemData::GetInstance(), nullptr);
    EXPECT_FALSE(CSystemData::DestroyInstance());
    ASSERT_TRUE(CSystemData::CreateInstance());
    CSystemData* first = CSystemData::GetInstance();
    EXPECT_FALSE(CSystemData::CreateInstance());
    EXPECT_EQ(CSystemData::GetInstance(), first);

    EXPECT_TRUE(first->GetMemoDir().IsEmpty());
    // Without a base folder there is no settings file: nothing may land in WIN.INI.
    first->SetSundayTextColor(RGB(1, 2, 3));
    EXPECT_EQ(first->GetSundayTextColor(), RGB(255, 0, 0));
    char value[16] = {};
    GetProfileStringA("COLOR_SETTING", "SUNDAY_TEXT_COLOR", "none", value, sizeof value);
    EXPECT_STREQ(value, "none");
    first->SetBaseDir("C:\\Program Files\\Kalvo");
    EXPECT_EQ(std::string(first->GetBaseDir()), "C:\\Program Files\\Kalvo");
    EXPECT_EQ(std::string(first->GetMemoDir()), "C:\\Program Files\\Kalvo\\memo");

    EXPECT_TRUE(CSystemData::DestroyInstance());
    EXPECT_EQ(CSystemData::GetInstance(), nullptr);
}

TEST_F(CSystemDataTest, MissingFileSectionOrKeyGivesEachDefault) {
    for (const ColorAccess& color : kColors) {
        EXPECT_EQ((settings->*color.get)(), color.defaultColor) << color.key;
    }
    EXPECT_TRUE(folder.ReadFile(kIniName).empty()) << "reading must not create the file";

    folder.WriteFile(kIniName, "[OTHER]\r\nSUNDAY_TEXT_COLOR=00FF00\r\n");
    EXPECT_EQ(settings->GetSundayTextColor(), RGB(255, 0, 0));
    WriteValue("CALENDAR_BACK_COLOR", "123456");
    EXPECT_EQ(settings->GetSundayTextColor(), RGB(255, 0, 0));
}

TEST_F(CSystemDataTest, EachSetterWritesItsOwnKeyInLowerCase) {
    for (const ColorAccess& color : kColors) {
        (settings->*color.set)(RGB(0xAB, 0x0C, 0xEF));
        EXPECT_EQ(ReadValue(color.key), "ab0cef") << color.key;
        EXPECT_EQ((settings->*color.get)(), RGB(0xAB, 0x0C, 0xEF)) << color.key;
    }
    settings->SetSatdayTextColor(RGB(0, 0, 255));
    EXPECT_EQ(ReadValue("SATDAY_TEXT_COLOR"), "0000ff");
    settings->SetCalendarBackColor(0xFF123456);
    EXPECT_EQ(ReadValue("CALENDAR_BACK_COLOR"), "563412");
}

TEST_F(CSystemDataTest, ColoursRoundTripThroughTheFile) {
    for (unsigned channel = 0; channel < 256; channel += 15) {
        const COLORREF color = RGB(channel, 255 - channel, channel / 3);
        settings->SetTodayEdgeColor(color);
        ASSERT_EQ(settings->GetTodayEdgeColor(), color) << std::hex << color;
    }
}

TEST_F(CSystemDataTest, StoredValuesParseByCharacterPosition) {
    struct Case {
        const char* value;
        COLORREF color;
    };
    const Case cases[] = {
        {"FF0000", RGB(255, 0, 0)},   {"ff0000", RGB(255, 0, 0)},
        {"FFF", RGB(255, 240, 0)},    {"F", RGB(240, 0, 0)},
        {"#FF0000", RGB(15, 240, 0)}, {"12345678", RGB(0x12, 0x34, 0x56)},
        {"", RGB(0, 0, 0)},           {"0x1234", RGB(0, 0x12, 0x34)},
    };
    for (const Case& c : cases) {
        WriteValue("MEMODAY_MARK_COLOR", c.value);
        EXPECT_EQ(settings->GetMemodayMarkColor(), c.color) << c.value;
    }
}

TEST(CSystemDataParseTest, ParsingNeverReadsPastTheText) {
    EXPECT_EQ(CSystemData::ParseColor("F"), RGB(240, 0, 0));
    EXPECT_EQ(CSystemData::ParseColor(nullptr), RGB(0, 0, 0));
    EXPECT_EQ(CSystemData::ParseColor("123456789ABCDEF"), RGB(0x12, 0x34, 0x56));
    // Shift-JIS bytes are not digits: "あい" then FF.
    EXPECT_EQ(CSystemData::ParseColor("\x82\xa0\x82\xa2"
                                      "FF"),
              RGB(0, 0, 255));
    EXPECT_EQ(CSystemData::ParseHexDigits("x1", 2), 0x01u);
    EXPECT_EQ(CSystemData::ParseHexDigits("1", 2), 0x10u);
    EXPECT_EQ(CSystemData::ParseHexDigits("\0"
                                          "F",
                                          2),
              0x0Fu);
}
