#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "dialogs/CSelectDateDlg.h"
#include "tests/mainwnd/MainWndTestSupport.h"

namespace {

constexpr char kCaption[] = "日付選択ダイアログ";
constexpr char kInvalidText[] = "入力した日付は無効です";
constexpr int kBoxes[] = {1001, 1002, 1003};

using Fields = std::array<const char*, 3>;

// Puts a date into the year, month and day boxes: typed, or set as a paste sets it,
// which the digits-only style does not filter.
void EnterDate(HWND dialog, const Fields& fields, bool paste = false) {
    for (int i = 0; i < 3; ++i) {
        HWND box = GetDlgItem(dialog, kBoxes[i]);
        if (paste) {
            SetWindowTextA(box, fields[i]);
        } else {
            TypeText(box, fields[i]);
        }
    }
}

std::string Boxes(HWND dialog) {
    return WindowText(GetDlgItem(dialog, kBoxes[0])) + "/" +
           WindowText(GetDlgItem(dialog, kBoxes[1])) + "/" +
           WindowText(GetDlgItem(dialog, kBoxes[2]));
}

} // namespace

// The dialog opens on today with the focus in the year box; a refused date leaves the
// boxes as typed, and Escape keeps the selected date.
TEST_F(MainWndTest, TheDateDialogRefusesAnInvalidDateAndEscapeKeepsTheSelection) {
    wnd->realDialogs = true;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char today[16];
    wsprintfA(today, "%04d/%02d/%02d", now.wYear, now.wMonth, now.wDay);
    const CDate before = wnd->Selected();
    const HWND main = Window();
    HWND dialog = nullptr;
    SeenBox refusal;
    UiScript script;
    script.WaitFor(dialog, kCaption, main).Do("today; 2013-02-29, Enter in the day box", [&] {
        EXPECT_EQ(Boxes(dialog), today);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kBoxes[0]));
        EnterDate(dialog, {"2013", "2", "29"});
        SetFocus(GetDlgItem(dialog, kBoxes[2]));
        PressKey(VK_RETURN);
    });
    script.AnswerBox(dialog, refusal).Do("boxes as typed; Escape", [&] {
        EXPECT_EQ(Boxes(dialog), "2013/2/29");
        PressKey(VK_ESCAPE);
    });
    script.Run([&] { Key(VK_F3); });
    EXPECT_EQ(refusal.caption, "エラー");
    EXPECT_EQ(wnd->Selected(), before);
}

// Typed letters never reach the boxes; pasted texts are read like atoi reads them, but a
// number out of the 32-bit range or past the last date is refused, not wrapped.
TEST(CSelectDateDlgTest, ReadsNumbersSafely) {
    struct Case {
        Fields fields;
        bool paste;
        int year; // 0: refused
    };
    const Case cases[] = {
        {{"20x12", "0-2", "2 9"}, false, 2012},
        {{" \t+2012", "02", "29"}, true, 2012},
        {{"2012abc", "2", "29x"}, true, 2012},
        {{"00000000000000002012", "2", "29"}, true, 2012},
        {{"1", "1", "1"}, true, 1},
        {{"5879611", "7", "12"}, true, 5879611},
        {{"5879611", "7", "13"}, true, 0},
        {{"2147483648", "1", "1"}, true, 0},
        {{"99999999999999999999", "1", "1"}, true, 0},
        {{"2012", "4294967298", "1"}, true, 0},
        {{"-2147483649", "1", "1"}, true, 0},
        {{"0", "1", "1"}, true, 0},
        {{"2013", "0", "1"}, true, 0},
        {{"2013", "13", "1"}, true, 0},
        {{"2012", "2", ""}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fields[0]) + "/" + c.fields[1] + "/" + c.fields[2]);
        CSelectDateDlg dlg;
        UiScript script;
        HWND dialog = nullptr;
        SeenBox refusal;
        script.WaitFor(dialog, kCaption).Do("enter the date, OK", [&] {
            EnterDate(dialog, c.fields, c.paste);
            ClickButton(dialog, IDOK);
        });
        if (c.year == 0) {
            script.AnswerBox(dialog, refusal).Do("cancel", [&] { ClickButton(dialog, IDCANCEL); });
        }
        script.Then("dialog ended", [&] { return !IsWindow(dialog); });
        EXPECT_EQ(script.RunModal(dlg), c.year != 0 ? IDOK : IDCANCEL);
        EXPECT_EQ(refusal.text, c.year != 0 ? "" : kInvalidText);
        if (c.year != 0) {
            EXPECT_EQ(dlg.GetDate().GetYear(), c.year);
        }
    }
}
