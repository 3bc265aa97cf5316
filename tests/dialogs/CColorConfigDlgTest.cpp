#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/CSystemData.h"
#include "dialogs/CColorConfigDlg.h"
#include "tests/mainwnd/MainWndTestSupport.h"

namespace {

constexpr char kCaption[] = "色の設定";
// The red, green and blue boxes of the platform's colour chooser.
constexpr int kChooserRed = 706;
constexpr int kChooserGreen = 707;
constexpr int kChooserBlue = 708;

// Colour buttons of the dialog: their ids do not follow the colour order.
constexpr int kTitleButton = 1201;
constexpr int kPanelButton = 1202;
constexpr int kSundayButton = 1204;
constexpr int kMarkEdgeButton = 1208;
constexpr int kMarkButton = 1209;
constexpr int kInkButton = 1210;
constexpr int kFaceButton = 1211;

// The client rectangle of day `day` (1 to 30) of the sample month.
RECT SampleCell(int day) {
    const int x = 240 + 32 * ((day - 1) % 7);
    const int y = 112 + 32 * ((day - 1) / 7);
    return {x, y, x + 32, y + 32};
}

// Where a 16-pixel text drawn at the cell's corner plus (8, 8) shows.
RECT NumberArea(int day) {
    const RECT cell = SampleCell(day);
    return {cell.left + 8, cell.top + 8, cell.left + 28, cell.top + 26};
}

// Presses a colour button; checks that the chooser it opens shows everything and the
// colour `shown`, then sets `chosen` there and confirms it or cancels.
void Pick(UiScript& script, const HWND& dialog, int button, COLORREF shown, COLORREF chosen,
          bool confirm = true) {
    script.Do("press colour button", [&dialog, button] { ClickButton(dialog, button); });
    script.Then("chooser", [&dialog, shown, chosen, confirm] {
        HWND chooser = FindShown(nullptr, dialog);
        if (chooser == nullptr) {
            return false;
        }
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(chooser, kChooserRed))) << "opened full";
        EXPECT_EQ(RGB(GetDlgItemInt(chooser, kChooserRed, nullptr, FALSE),
                      GetDlgItemInt(chooser, kChooserGreen, nullptr, FALSE),
                      GetDlgItemInt(chooser, kChooserBlue, nullptr, FALSE)),
                  shown);
        SetDlgItemInt(chooser, kChooserRed, GetRValue(chosen), FALSE);
        SetDlgItemInt(chooser, kChooserGreen, GetGValue(chosen), FALSE);
        SetDlgItemInt(chooser, kChooserBlue, GetBValue(chosen), FALSE);
        ClickButton(chooser, confirm ? IDOK : IDCANCEL);
        return true;
    });
    script.Then("chooser closed", [&dialog] { return FindShown(nullptr, dialog) == nullptr; });
}

} // namespace

// The sample shows the current colours and each choice at once, but Cancel changes
// nothing; OK writes the eleven keys in their order and recolours the main window's
// panel, background, texts and buttons at once.
TEST_F(MainWndTest, ColoursShowInTheSampleAndApplyOnOkOnly) {
    using namespace TestColors;
    wnd->realDialogs = true;
    const COLORREF panel = RGB(1, 120, 3);
    const COLORREF face = RGB(120, 5, 6);
    const COLORREF sunday = RGB(0, 200, 0);
    const std::string before = folder.ReadFile("Kalvo.ini");
    const HWND main = Window();
    HWND dialog = nullptr;
    UiScript cancelled;
    cancelled.WaitFor(dialog, kCaption, main).Do("look at the sample", [&] {
        EXPECT_EQ(PixelAt(dialog, 233, 41), kCalendarBack);
        EXPECT_GT(CountPixels(dialog, {300, 48, 440, 74}, kCalendarText), 0) << "title";
        EXPECT_GT(CountPixels(dialog, NumberArea(29), kSundayText), 0);
        EXPECT_GT(CountPixels(dialog, NumberArea(30), kWeekdayText), 0) << "30 on a Monday";
        EXPECT_GT(CountPixels(dialog, NumberArea(7), kSatdayText), 0);
        // Day 10 is selected and today, day 18 has a memo, day 17 has none of them.
        const RECT ten = SampleCell(10);
        const RECT memo = SampleCell(18);
        const RECT plain = SampleCell(17);
        EXPECT_EQ(PixelAt(dialog, ten.left + 2, ten.top + 2), kSeldayBack);
        EXPECT_EQ(PixelAt(dialog, ten.right - 1, ten.bottom - 1), kTodayEdge);
        EXPECT_EQ(PixelAt(dialog, memo.left + 26, memo.top + 4), kMemodayMark);
        EXPECT_EQ(PixelAt(dialog, memo.left + 22, memo.top + 4), kMemodayEdge);
        EXPECT_EQ(PixelAt(dialog, plain.left + 2, plain.top + 2), kCalendarBack);
        EXPECT_EQ(PixelAt(dialog, plain.left + 26, plain.top + 4), kCalendarBack);
        EXPECT_EQ(PixelAt(dialog, plain.right - 1, plain.bottom - 1), kCalendarBack);
        EXPECT_EQ(PixelAt(dialog, 485, 93), kButtonBack) << "sample button";
        EXPECT_GT(CountPixels(dialog, {480, 88, 552, 120}, kButtonText), 0);
    });
    Pick(cancelled, dialog, kSundayButton, kSundayText, sunday);
    Pick(cancelled, dialog, kFaceButton, kButtonBack, face);
    Pick(cancelled, dialog, kPanelButton, kCalendarBack, panel, false);
    cancelled.Do("choices shown, the cancelled one not, nothing written; Cancel", [&] {
        EXPECT_GT(CountPixels(dialog, NumberArea(29), sunday), 0);
        EXPECT_EQ(CountPixels(dialog, NumberArea(29), kSundayText), 0);
        EXPECT_EQ(PixelAt(dialog, 485, 93), face);
        EXPECT_EQ(PixelAt(dialog, 233, 41), kCalendarBack);
        EXPECT_EQ(folder.ReadFile("Kalvo.ini"), before);
        ClickButton(dialog, IDCANCEL);
    });
    cancelled.Run([&] { Command(MainWndLayout::kCmdColors); });
    EXPECT_EQ(folder.ReadFile("Kalvo.ini"), before);
    EXPECT_EQ(Pixel(10, 34), kCalendarBack);

    // Without the file the dialog starts from the defaults, and OK writes every key anew.
    ASSERT_TRUE(DeleteFileA(folder.File("Kalvo.ini").c_str()));
    const CSystemData& settings = *CSystemData::GetInstance();
    UiScript confirmed;
    confirmed.WaitFor(dialog, kCaption, main);
    Pick(confirmed, dialog, kPanelButton, settings.GetCalendarBackColor(), panel);
    Pick(confirmed, dialog, kFaceButton, settings.GetButtonBackColor(), face);
    Pick(confirmed, dialog, kTitleButton, settings.GetCalendarTextColor(), RGB(4, 5, 6));
    Pick(confirmed, dialog, kMarkButton, settings.GetMemodayMarkColor(), RGB(7, 8, 9));
    Pick(confirmed, dialog, kMarkEdgeButton, settings.GetMemodayEdgeColor(), RGB(10, 11, 12));
    Pick(confirmed, dialog, kInkButton, settings.GetButtonTextColor(), RGB(13, 14, 15));
    confirmed.Do("OK", [&] { ClickButton(dialog, IDOK); });
    confirmed.Run([&] { Command(MainWndLayout::kCmdColors); });
    EXPECT_EQ(Pixel(10, 34), panel) << "month panel";
    EXPECT_GT(Count({60, 44, 188, 68}, RGB(4, 5, 6)), 0) << "title";
    EXPECT_GT(Count({280, 72, 344, 96}, RGB(4, 5, 6)), 0) << "label";
    EXPECT_EQ(Pixel(281, 73), panel) << "label background";
    for (const MainWndLayout::ControlPlace& button : MainWndLayout::kButtons) {
        EXPECT_EQ(Pixel(button.x + 3, button.y + 20), face) << button.id;
    }
    EXPECT_GT(Count({248, 200, 376, 224}, RGB(13, 14, 15)), 0) << "today button's text";
    const std::string ini = folder.ReadFile("Kalvo.ini");
    std::size_t at = ini.find("[COLOR_SETTING]");
    for (const char* key :
         {"CALENDAR_BACK_COLOR=017803", "CALENDAR_TEXT_COLOR=040506",
          "WEEKDAY_TEXT_COLOR=", "SUNDAY_TEXT_COLOR=", "SATDAY_TEXT_COLOR=", "SELDAY_BACK_COLOR=",
          "TODAY_EDGE_COLOR=", "MEMODAY_MARK_COLOR=070809", "MEMODAY_EDGE_COLOR=0a0b0c",
          "BUTTON_BACK_COLOR=780506", "BUTTON_TEXT_COLOR=0d0e0f"}) {
        at = ini.find(key, at);
        ASSERT_NE(at, std::string::npos) << key << " in order in\n" << ini;
    }
}
