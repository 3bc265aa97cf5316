#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs/CSelectDateDlg.h"
#include "tests/dialogs/UiScript.h"

namespace {

constexpr char kCaption[] = "日付選択ダイアログ";
constexpr char kInvalidText[] = "入力した日付は無効です";
constexpr char kErrorCaption[] = "エラー";
constexpr int kYearBox = 1001;
constexpr int kMonthBox = 1002;
constexpr int kDayBox = 1003;

struct TypedDate {
    const char* year;
    const char* month;
    const char* day;
};

// Runs the dialog once; `script` gets the dialog's handle through `dialog`.
INT_PTR RunDialog(CSelectDateDlg& dlg, UiScript& script) {
    script.Start();
    return dlg.DoModal(nullptr);
}

// Steps that wait for the dialog, then put a date into its boxes. `paste` sets the texts
// directly, as a paste does, which the digits-only style does not filter.
void EnterDate(UiScript& script, HWND& dialog, TypedDate date, bool paste) {
    script.Then("dialog shown", [&dialog] { return (dialog = FindDialog(kCaption)) != nullptr; });
    script.Do("enter the date", [&dialog, date, paste] {
        const int boxes[] = {kYearBox, kMonthBox, kDayBox};
        const char* texts[] = {date.year, date.month, date.day};
        for (int i = 0; i < 3; ++i) {
            if (paste) {
                SetDlgItemTextA(dialog, boxes[i], texts[i]);
            } else {
                TypeText(GetDlgItem(dialog, boxes[i]), texts[i]);
            }
        }
    });
}

// Presses OK. When a message box refuses the date, keeps its text in `refusal`, closes it
// and cancels the dialog; the two posted clicks are served in this order.
void ConfirmAndCatchRefusal(UiScript& script, HWND& dialog, std::string& refusal) {
    script.Do("press OK", [&dialog] { ClickButton(dialog, IDOK); });
    script.Then("dialog ended or refused", [&dialog, &refusal] {
        HWND box = FindOwnedDialog(dialog);
        if (box != nullptr) {
            EXPECT_EQ(WindowText(box), kErrorCaption);
            refusal = MessageBoxText(box);
            ClickButton(box, IDOK);
            ClickButton(dialog, IDCANCEL);
            return true;
        }
        return !IsWindow(dialog);
    });
}

// Enters a date, presses OK and tells whether the dialog accepted it.
struct Outcome {
    INT_PTR result;
    std::string refusal;
    CDate date;
};
Outcome TryDate(TypedDate typed, bool paste) {
    CSelectDateDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    Outcome outcome;
    EnterDate(script, dialog, typed, paste);
    ConfirmAndCatchRefusal(script, dialog, outcome.refusal);
    outcome.result = RunDialog(dlg, script);
    EXPECT_TRUE(script.Finish()) << script.Error();
    outcome.date = dlg.GetDate();
    return outcome;
}

TEST(CSelectDateDlgTest, OpensOnTodayWithFocusInTheYearBox) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char year[16], month[16], day[16];
    wsprintfA(year, "%04d", now.wYear);
    wsprintfA(month, "%02d", now.wMonth);
    wsprintfA(day, "%02d", now.wDay);

    CSelectDateDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    script.Then("dialog shown", [&dialog] { return (dialog = FindDialog(kCaption)) != nullptr; });
    script.Do("look at the boxes", [&] {
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kYearBox)), year);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kMonthBox)), month);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kDayBox)), day);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kYearBox));
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(RunDialog(dlg, script), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
}

TEST(CSelectDateDlgTest, AcceptsTheLeapDayAndRefusesItInACommonYear) {
    const Outcome leap = TryDate({"2012", "2", "29"}, false);
    EXPECT_EQ(leap.result, IDOK);
    EXPECT_TRUE(leap.refusal.empty());
    EXPECT_EQ(leap.date.GetYear(), 2012);
    EXPECT_EQ(leap.date.GetMonth(), 2);
    EXPECT_EQ(leap.date.GetDay(), 29);

    const Outcome common = TryDate({"2013", "2", "29"}, false);
    EXPECT_EQ(common.result, IDCANCEL);
    EXPECT_EQ(common.refusal, kInvalidText);
}

TEST(CSelectDateDlgTest, KeepsTheBoxesAfterARefusal) {
    CSelectDateDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    EnterDate(script, dialog, {"2013", "4", "31"}, false);
    script.Do("press OK", [&dialog] { ClickButton(dialog, IDOK); });
    script.Then("refusal shown", [&dialog] {
        HWND box = FindOwnedDialog(dialog);
        if (box != nullptr) {
            ClickButton(box, IDOK);
        }
        return box != nullptr;
    });
    script.Then("box closed", [&dialog] { return FindOwnedDialog(dialog) == nullptr; });
    script.Do("boxes unchanged, Escape", [&dialog] {
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kYearBox)), "2013");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kMonthBox)), "4");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kDayBox)), "31");
        SetFocus(GetDlgItem(dialog, kDayBox));
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(RunDialog(dlg, script), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
}

TEST(CSelectDateDlgTest, EnterInTheDayBoxConfirmsAndEscapeCancels) {
    CSelectDateDlg confirmed;
    UiScript enter;
    HWND dialog = nullptr;
    EnterDate(enter, dialog, {"1", "1", "1"}, false);
    enter.Do("Enter in the day box", [&dialog] {
        SetFocus(GetDlgItem(dialog, kDayBox));
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(RunDialog(confirmed, enter), IDOK);
    EXPECT_TRUE(enter.Finish()) << enter.Error();
    EXPECT_EQ(confirmed.GetDate().GetDayNumber(), 0);

    CSelectDateDlg cancelled;
    UiScript escape;
    EnterDate(escape, dialog, {"2012", "2", "29"}, false);
    escape.Do("Escape", [] { PressKey(VK_ESCAPE); });
    EXPECT_EQ(RunDialog(cancelled, escape), IDCANCEL);
    EXPECT_TRUE(escape.Finish()) << escape.Error();
}

TEST(CSelectDateDlgTest, DigitsOnlyBoxesIgnoreTypedLetters) {
    const Outcome outcome = TryDate({"20x12", "0-2", "2 9"}, false);
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(outcome.date.GetYear(), 2012);
    EXPECT_EQ(outcome.date.GetMonth(), 2);
    EXPECT_EQ(outcome.date.GetDay(), 29);
}

// Pasted texts are read like atoi reads them, without its undefined overflow.
TEST(CSelectDateDlgTest, ReadsPastedNumbersSafely) {
    struct Case {
        TypedDate typed;
        bool valid;
        int year;
    };
    const Case cases[] = {
        {{" \t+2012", "02", "29"}, true, 2012},
        {{"2012abc", "2", "29x"}, true, 2012},
        {{"00000000000000002012", "2", "29"}, true, 2012},
        {{"12345", "1", "1"}, true, 12345},
        {{"5879611", "7", "12"}, true, 5879611},
        {{"5879611", "7", "13"}, false, 0},
        {{"2147483647", "1", "1"}, false, 0},
        {{"2147483648", "1", "1"}, false, 0},
        {{"99999999999999999999", "1", "1"}, false, 0},
        {{"2012", "4294967298", "1"}, false, 0},
        {{"-2147483649", "1", "1"}, false, 0},
        {{"-1", "1", "1"}, false, 0},
        {{"0", "1", "1"}, false, 0},
        {{"abc", "1", "1"}, false, 0},
        {{"2012", "2", ""}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed.year) + "/" + c.typed.month + "/" + c.typed.day);
        const Outcome outcome = TryDate(c.typed, true);
        EXPECT_EQ(outcome.result, c.valid ? IDOK : IDCANCEL);
        EXPECT_EQ(outcome.refusal, c.valid ? "" : kInvalidText);
        if (c.valid) {
            EXPECT_EQ(outcome.date.GetYear(), c.year);
        }
    }
}

} // namespace
