#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/CSystemData.h"
#include "dialogs/CColorConfigDlg.h"
#include "tests/dialogs/MemoFolder.h"
#include "tests/dialogs/UiScript.h"

namespace {

constexpr char kIniName[] = "Kalvo.ini";
// The red, green and blue boxes of the platform's colour chooser.
constexpr int kChooserRed = 706;
constexpr int kChooserGreen = 707;
constexpr int kChooserBlue = 708;

// Colour buttons of the dialog.
constexpr int kCalendarText = 1201;
constexpr int kCalendarBack = 1202;
constexpr int kSundayText = 1204;
constexpr int kMemodayEdge = 1208;
constexpr int kMemodayMark = 1209;
constexpr int kButtonBack = 1211;

// Settings that tell every painted element apart.
struct Palette {
    COLORREF calendarBack = RGB(200, 220, 240);
    COLORREF calendarText = RGB(10, 20, 30);
    COLORREF weekdayText = RGB(0, 0, 128);
    COLORREF sundayText = RGB(255, 0, 0);
    COLORREF satdayText = RGB(0, 0, 255);
    COLORREF seldayBack = RGB(255, 255, 160);
    COLORREF todayEdge = RGB(0, 160, 0);
    COLORREF memodayMark = RGB(255, 128, 0);
    COLORREF memodayEdge = RGB(128, 0, 128);
    COLORREF buttonBack = RGB(64, 64, 64);
    COLORREF buttonText = RGB(255, 255, 255);
};

void WritePalette(const Palette& p) {
    CSystemData* s = CSystemData::GetInstance();
    s->SetCalendarBackColor(p.calendarBack);
    s->SetCalendarTextColor(p.calendarText);
    s->SetWeekdayTextColor(p.weekdayText);
    s->SetSundayTextColor(p.sundayText);
    s->SetSatdayTextColor(p.satdayText);
    s->SetSeldayBackColor(p.seldayBack);
    s->SetTodayEdgeColor(p.todayEdge);
    s->SetMemodayMarkColor(p.memodayMark);
    s->SetMemodayEdgeColor(p.memodayEdge);
    s->SetButtonBackColor(p.buttonBack);
    s->SetButtonTextColor(p.buttonText);
}

// The client rectangle of day `day` (1 to 30) of the sample month.
RECT SampleCell(int day) {
    const int x = 240 + 32 * ((day - 1) % 7);
    const int y = 112 + 32 * ((day - 1) / 7);
    return {x, y, x + 32, y + 32};
}

// The rectangle where a 16-pixel text drawn at the cell's corner plus (8, 8) shows.
RECT NumberArea(int day) {
    const RECT cell = SampleCell(day);
    return {cell.left + 8, cell.top + 8, cell.left + 28, cell.top + 26};
}

RECT HeaderArea(int column) {
    const int x = 248 + 32 * column;
    return {x, 88, x + 18, 106};
}

void SetChooserColor(HWND chooser, COLORREF color) {
    SetDlgItemInt(chooser, kChooserRed, GetRValue(color), FALSE);
    SetDlgItemInt(chooser, kChooserGreen, GetGValue(color), FALSE);
    SetDlgItemInt(chooser, kChooserBlue, GetBValue(color), FALSE);
}

COLORREF ChooserColor(HWND chooser) {
    return RGB(GetDlgItemInt(chooser, kChooserRed, nullptr, FALSE),
               GetDlgItemInt(chooser, kChooserGreen, nullptr, FALSE),
               GetDlgItemInt(chooser, kChooserBlue, nullptr, FALSE));
}

// Presses a colour button; in the chooser it opens, checks the preselected colour, then
// confirms `chosen` or, when `confirm` is false, cancels.
void PickInChooser(UiScript& script, HWND& dialog, int button, COLORREF shown, COLORREF chosen,
                   bool confirm) {
    script.Do("press colour button", [&dialog, button] { ClickButton(dialog, button); });
    script.Then("chooser", [&dialog, shown, chosen, confirm] {
        HWND chooser = FindOwnedDialog(dialog);
        if (chooser == nullptr) {
            return false;
        }
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(chooser, kChooserRed))) << "opened full";
        EXPECT_EQ(ChooserColor(chooser), shown);
        SetChooserColor(chooser, chosen);
        ClickButton(chooser, confirm ? IDOK : IDCANCEL);
        return true;
    });
    script.Then("chooser closed", [&dialog] { return FindOwnedDialog(dialog) == nullptr; });
}

class CColorConfigDlgTest : public ::testing::Test {
protected:
    void SetUp() override { WritePalette(palette); }

    std::string Ini() const { return memos.Base().ReadFile(kIniName); }
    INT_PTR Run(UiScript& script) {
        script.Start();
        return dlg.DoModal(nullptr);
    }
    void WaitForDialog(UiScript& script) {
        script.Then("dialog shown", [this] {
            dialog = FindDialog("色の設定");
            return dialog != nullptr && FindWindowExA(dialog, nullptr, "BUTTON", "サンプル");
        });
    }

    MemoFolder memos;
    Palette palette;
    CColorConfigDlg dlg;
    HWND dialog = nullptr;
};

TEST_F(CColorConfigDlgTest, PaintsTheSampleInTheCurrentColours) {
    UiScript script;
    WaitForDialog(script);
    script.Do("look at the sample", [&] {
        const Palette& p = palette;
        EXPECT_EQ(PixelAt(dialog, 233, 41), p.calendarBack);
        EXPECT_EQ(PixelAt(dialog, 570, 298), p.calendarBack);
        EXPECT_NE(PixelAt(dialog, 573, 301), p.calendarBack);
        EXPECT_GT(CountPixels(dialog, {300, 48, 440, 74}, p.calendarText), 0) << "title";
        EXPECT_GT(CountPixels(dialog, HeaderArea(0), p.sundayText), 0);
        EXPECT_GT(CountPixels(dialog, HeaderArea(3), p.weekdayText), 0);
        EXPECT_GT(CountPixels(dialog, HeaderArea(6), p.satdayText), 0);
        EXPECT_EQ(CountPixels(dialog, HeaderArea(3), p.sundayText), 0);
        for (int day : {1, 8, 15, 22, 29}) {
            EXPECT_GT(CountPixels(dialog, NumberArea(day), p.sundayText), 0) << day;
        }
        EXPECT_GT(CountPixels(dialog, NumberArea(30), p.weekdayText), 0) << "30 on a Monday";
        EXPECT_GT(CountPixels(dialog, NumberArea(7), p.satdayText), 0);
        // Selected fill under days 1, 4, 7, 10 and 18, not under day 2.
        for (int day : {1, 4, 7, 10, 18}) {
            const RECT cell = SampleCell(day);
            EXPECT_EQ(PixelAt(dialog, cell.left + 2, cell.top + 2), p.seldayBack) << day;
        }
        EXPECT_EQ(PixelAt(dialog, SampleCell(2).left + 2, SampleCell(2).top + 2), p.calendarBack);
        // Today's edge on the bounds of days 8, 10, 12 and 14; day 10 keeps its fill.
        for (int day : {8, 10, 12, 14}) {
            const RECT cell = SampleCell(day);
            EXPECT_EQ(PixelAt(dialog, cell.left + 16, cell.top), p.todayEdge) << day;
            EXPECT_EQ(PixelAt(dialog, cell.right - 1, cell.bottom - 1), p.todayEdge) << day;
        }
        EXPECT_EQ(PixelAt(dialog, SampleCell(10).left + 2, SampleCell(10).top + 2), p.seldayBack);
        // Memo marks from the cell's top edge: (22, 0)-(30, 8).
        for (int day : {16, 18, 20}) {
            const RECT cell = SampleCell(day);
            const RECT mark = {cell.left + 22, cell.top, cell.left + 30, cell.top + 8};
            EXPECT_EQ(PixelAt(dialog, cell.left + 26, cell.top + 4), p.memodayMark) << day;
            EXPECT_GT(CountPixels(dialog, mark, p.memodayEdge), 0) << day;
        }
        const RECT noMark = {SampleCell(17).left + 22, SampleCell(17).top, SampleCell(17).left + 30,
                             SampleCell(17).top + 8};
        EXPECT_EQ(CountPixels(dialog, noMark, p.memodayEdge), 0);
        // The sample button in the button colours.
        EXPECT_EQ(PixelAt(dialog, 485, 93), p.buttonBack);
        EXPECT_GT(CountPixels(dialog, {480, 88, 552, 120}, p.buttonText), 0);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(Run(script), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
}

TEST_F(CColorConfigDlgTest, AChoiceRepaintsTheSampleAtOnceAndCancelWritesNothing) {
    const std::string before = Ini();
    const COLORREF green = RGB(0, 200, 0);
    const COLORREF face = RGB(0, 0, 200);
    UiScript script;
    WaitForDialog(script);
    PickInChooser(script, dialog, kSundayText, palette.sundayText, green, true);
    script.Do("Sunday recoloured, settings untouched", [&] {
        EXPECT_GT(CountPixels(dialog, HeaderArea(0), green), 0);
        EXPECT_EQ(CountPixels(dialog, HeaderArea(0), palette.sundayText), 0);
        for (int day : {1, 8, 15, 22, 29}) {
            EXPECT_GT(CountPixels(dialog, NumberArea(day), green), 0) << day;
        }
        EXPECT_EQ(Ini(), before);
        EXPECT_EQ(PixelAt(dialog, 485, 93), palette.buttonBack) << "sample button kept";
    });
    PickInChooser(script, dialog, kButtonBack, palette.buttonBack, face, true);
    script.Do("sample button repainted", [&] { EXPECT_EQ(PixelAt(dialog, 485, 93), face); });
    PickInChooser(script, dialog, kCalendarBack, palette.calendarBack, green, false);
    script.Do("cancelled choice changes nothing; Cancel", [&] {
        EXPECT_EQ(PixelAt(dialog, 233, 41), palette.calendarBack);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(Run(script), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
    EXPECT_EQ(Ini(), before);
}

// The ids do not follow the colour order: 1202 is the panel, 1209 the mark's fill.
TEST_F(CColorConfigDlgTest, OkWritesAllElevenKeysInOrder) {
    DeleteFileA(memos.Base().File(kIniName).c_str());
    const COLORREF panel = RGB(1, 2, 3);
    const COLORREF title = RGB(4, 5, 6);
    const COLORREF mark = RGB(7, 8, 9);
    const COLORREF edge = RGB(10, 11, 12);
    CSystemData* s = CSystemData::GetInstance();

    UiScript script;
    WaitForDialog(script);
    PickInChooser(script, dialog, kCalendarBack, s->GetCalendarBackColor(), panel, true);
    PickInChooser(script, dialog, kCalendarText, s->GetCalendarTextColor(), title, true);
    PickInChooser(script, dialog, kMemodayMark, s->GetMemodayMarkColor(), mark, true);
    PickInChooser(script, dialog, kMemodayEdge, s->GetMemodayEdgeColor(), edge, true);
    script.Do("sample shows them; OK", [&] {
        EXPECT_EQ(PixelAt(dialog, 233, 41), panel);
        EXPECT_GT(CountPixels(dialog, {300, 48, 440, 74}, title), 0);
        EXPECT_EQ(PixelAt(dialog, SampleCell(16).left + 26, SampleCell(16).top + 4), mark);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(Run(script), IDOK);
    EXPECT_TRUE(script.Finish()) << script.Error();

    EXPECT_EQ(s->GetCalendarBackColor(), panel);
    EXPECT_EQ(s->GetCalendarTextColor(), title);
    EXPECT_EQ(s->GetMemodayMarkColor(), mark);
    EXPECT_EQ(s->GetMemodayEdgeColor(), edge);
    const std::string ini = Ini();
    std::size_t at = ini.find("[COLOR_SETTING]");
    ASSERT_NE(at, std::string::npos) << ini;
    for (const char* key :
         {"CALENDAR_BACK_COLOR=010203", "CALENDAR_TEXT_COLOR=040506",
          "WEEKDAY_TEXT_COLOR=", "SUNDAY_TEXT_COLOR=", "SATDAY_TEXT_COLOR=", "SELDAY_BACK_COLOR=",
          "TODAY_EDGE_COLOR=", "MEMODAY_MARK_COLOR=070809", "MEMODAY_EDGE_COLOR=0a0b0c",
          "BUTTON_BACK_COLOR=", "BUTTON_TEXT_COLOR="}) {
        const std::size_t next = ini.find(key, at);
        EXPECT_NE(next, std::string::npos) << key << " in order in\n" << ini;
        at = next == std::string::npos ? at : next;
    }
}

// Without settings there is nothing to load or write: OK keeps the dialog open.
TEST(CColorConfigDlgWithoutSettingsTest, OnlyCancelEndsIt) {
    ASSERT_EQ(CSystemData::GetInstance(), nullptr);
    CColorConfigDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    script.Then("dialog shown", [&] { return (dialog = FindDialog("色の設定")) != nullptr; });
    script.Do("OK", [&] {
        EXPECT_EQ(FindWindowExA(dialog, nullptr, "BUTTON", "サンプル"), nullptr);
        EXPECT_EQ(PixelAt(dialog, 233, 41), 0xCCCCCCu) << "construction colour";
        ClickButton(dialog, IDOK);
    });
    script.Do("still open; Cancel", [&] {
        EXPECT_TRUE(IsWindowVisible(dialog));
        ClickButton(dialog, IDCANCEL);
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
}

} // namespace
