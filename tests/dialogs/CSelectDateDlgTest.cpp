#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs/CSelectDateDlg.h"
#include "tests/dialogs/UiScript.h"

namespace {

constexpr char kCaption[] = "日付選択ダイアログ";
constexpr char kInvalidText[] = "入力した日付は無効です";
constexpr char kErrorCaption[] = "エラー";
constexpr int kBoxes[] = {1001, 1002, 1003};

struct TypedDate {
    const char* fields[3];
};

// What became of one run of the dialog.
struct Outcome {
    INT_PTR result = 0;
    std::string refusal;
    CDate date;
};

// Waits for the dialog, then puts a date into its boxes: typed, or set as a paste sets
// it, which the digits-only style does not filter.
void EnterDate(UiScript& script, HWND& dialog, TypedDate date, bool paste) {
    script.Then("dialog shown", [&dialog] { return (dialog = FindDialog(kCaption)) != nullptr; });
    script.Do("enter the date", [&dialog, date, paste] {
        for (int i = 0; i < 3; ++i) {
            HWND box = GetDlgItem(dialog, kBoxes[i]);
            if (paste) {
                SetWindowTextA(box, date.fields[i]);
            } else {
                TypeText(box, date.fields[i]);
            }
        }
    });
}

// Enters a date and presses OK. A refusal's text is kept, its box closed and the dialog
// cancelled; the two posted clicks are served in this order.
Outcome TryDate(TypedDate typed, bool paste) {
    CSelectDateDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    Outcome outcome;
    EnterDate(script, dialog, typed, paste);
    script.Do("press OK", [&dialog] { ClickButton(dialog, IDOK); });
    script.Then("dialog ended or refused", [&] {
        HWND box = FindOwnedDialog(dialog);
        if (box != nullptr) {
            EXPECT_EQ(WindowText(box), kErrorCaption);
            outcome.refusal = MessageBoxText(box);
            ClickButton(box, IDOK);
            ClickButton(dialog, IDCANCEL);
        }
        return box != nullptr || !IsWindow(dialog);
    });
    script.Start();
    outcome.result = dlg.DoModal(nullptr);
    EXPECT_TRUE(script.Finish()) << script.Error();
    outcome.date = dlg.GetDate();
    return outcome;
}

TEST(CSelectDateDlgTest, OpensOnTodayAndStaysOpenAfterARefusal) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char today[3][8];
    wsprintfA(today[0], "%04d", now.wYear);
    wsprintfA(today[1], "%02d", now.wMonth);
    wsprintfA(today[2], "%02d", now.wDay);

    CSelectDateDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    std::string refusal;
    script.Then("dialog shown", [&dialog] { return (dialog = FindDialog(kCaption)) != nullptr; });
    script.Do("today shown, focus in the year box", [&] {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(WindowText(GetDlgItem(dialog, kBoxes[i])), today[i]);
        }
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kBoxes[0]));
    });
    EnterDate(script, dialog, {{"2013", "2", "29"}}, false);
    script.Do("Enter in the day box", [&] {
        SetFocus(GetDlgItem(dialog, kBoxes[2]));
        PressKey(VK_RETURN);
    });
    script.Then("refused", [&] {
        HWND box = FindOwnedDialog(dialog);
        if (box != nullptr) {
            refusal = MessageBoxText(box);
            ClickButton(box, IDOK);
        }
        return box != nullptr;
    });
    script.Then("box closed", [&] { return FindOwnedDialog(dialog) == nullptr; });
    script.Do("boxes unchanged; Escape", [&] {
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kBoxes[0])), "2013");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kBoxes[2])), "29");
        PressKey(VK_ESCAPE);
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
    EXPECT_EQ(refusal, kInvalidText);
}

TEST(CSelectDateDlgTest, EnterInTheDayBoxConfirmsTheLeapDay) {
    CSelectDateDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    EnterDate(script, dialog, {{"2012", "2", "29"}}, false);
    script.Do("Enter in the day box", [&] {
        SetFocus(GetDlgItem(dialog, kBoxes[2]));
        PressKey(VK_RETURN);
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_TRUE(script.Finish()) << script.Error();
    CDate leapDay;
    leapDay.SetDate(2012, 2, 29);
    EXPECT_TRUE(dlg.GetDate() == leapDay) << dlg.GetDate().Format();
}

// Typed letters never reach the boxes; pasted texts are read like atoi reads them, but a
// number out of the 32-bit range or past the last date is refused, not wrapped.
TEST(CSelectDateDlgTest, ReadsNumbersSafely) {
    struct Case {
        TypedDate typed;
        bool paste;
        int year; // 0: refused
    };
    const Case cases[] = {
        {{{"20x12", "0-2", "2 9"}}, false, 2012},
        {{{" \t+2012", "02", "29"}}, true, 2012},
        {{{"2012abc", "2", "29x"}}, true, 2012},
        {{{"00000000000000002012", "2", "29"}}, true, 2012},
        {{{"1", "1", "1"}}, true, 1},
        {{{"12345", "1", "1"}}, true, 12345},
        {{{"5879611", "7", "12"}}, true, 5879611},
        {{{"5879611", "7", "13"}}, true, 0},
        {{{"2147483648", "1", "1"}}, true, 0},
        {{{"99999999999999999999", "1", "1"}}, true, 0},
        {{{"2012", "4294967298", "1"}}, true, 0},
        {{{"-2147483649", "1", "1"}}, true, 0},
        {{{"0", "1", "1"}}, true, 0},
        {{{"2013", "4", "31"}}, true, 0},
        {{{"2012", "2", ""}}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed.fields[0]) + "/" + c.typed.fields[1] + "/" +
                     c.typed.fields[2]);
        const Outcome outcome = TryDate(c.typed, c.paste);
        EXPECT_EQ(outcome.result, c.year != 0 ? IDOK : IDCANCEL);
        EXPECT_EQ(outcome.refusal, c.year != 0 ? "" : kInvalidText);
        if (c.year != 0) {
            EXPECT_EQ(outcome.date.GetYear(), c.year);
        }
    }
}

} // namespace
