#include "tests/mainwnd/MainWndTestSupport.h"

#include <string>

namespace {

class CMainWndHolidayTest : public MainWndTest {
protected:
    // The check item: its text at its place in the 表示 and the context menu, and its check.
    void ExpectItems(bool checked) const {
        for (const auto& [menu, pos] :
             {std::pair{GetSubMenu(GetMenu(Window()), 2), 4}, std::pair{wnd->ContextMenu(), 7}}) {
            char text[32] = {};
            GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, "祝日を表示");
            EXPECT_EQ((GetMenuState(menu, pos, MF_BYPOSITION) & MF_CHECKED) != 0, checked);
        }
    }
    // September 2023 starts on a Friday: 敬老の日 is Monday the 18th and 秋分の日 Saturday
    // the 23rd; the 11th and the 16th are a plain Monday and Saturday.
    void ExpectNumberColours(bool holidaysShown) {
        ShowDate(MakeDate(2023, 9, 1));
        const auto has = [this](int day, COLORREF color) {
            const int x = 16 + 32 * ((day + 4) % 7);
            const int y = 112 + 32 * ((day + 4) / 7);
            return Count({x, y, x + 16, y + 16}, color) > 0;
        };
        using namespace TestColors;
        EXPECT_EQ(has(18, kSundayText), holidaysShown);
        EXPECT_EQ(has(18, kWeekdayText), !holidaysShown);
        EXPECT_EQ(has(23, kSundayText), holidaysShown);
        EXPECT_EQ(has(23, kSatdayText), !holidaysShown);
        EXPECT_TRUE(has(11, kWeekdayText) && has(16, kSatdayText));
    }
};

} // namespace

TEST_F(CMainWndHolidayTest, OffAtFirstThenEachToggleChecksBothMenusAndIsKeptForTheNextStart) {
    ExpectItems(false);
    ExpectNumberColours(false);
    const RECT monthArea = {0, 0, 232, 300};
    for (bool on : {true, false}) {
        ValidateRect(Window(), nullptr);
        Command(MainWndLayout::kCmdShowHolidays);
        const RECT pending = PendingPaint();
        EXPECT_TRUE(EqualRect(&pending, &monthArea));
        ExpectItems(on);
        const std::string ini = folder.ReadFile("Kalvo.ini");
        EXPECT_NE(ini.find(on ? "SHOW_HOLIDAYS=1" : "SHOW_HOLIDAYS=0"), std::string::npos);
        ExpectNumberColours(on);
        CloseWindow();
        OpenWindow();
        ExpectItems(on);
        ExpectNumberColours(on);
    }
}
