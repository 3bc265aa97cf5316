#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "framework/CDialog.h"
#include "tests/framework/DialogTestResources.h"
#include "tests/support/TopWindows.h"

namespace {

constexpr WORD kMissingResource = 999;
constexpr char kCaption[] = "テスト";

// The test template run as a dialog that counts its OK and Cancel calls.
class CountingDialog : public RVK::CDialog {
public:
    explicit CountingDialog(WORD templateId = IDD_TEST_DIALOG) : CDialog(templateId) {}

    void OnOK() override {
        ++okCalls;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancelCalls;
        CDialog::OnCancel();
    }

    int okCalls = 0;
    int cancelCalls = 0;
};

// Whether the icon is still there to be drawn.
bool IsLiveIcon(HICON icon) {
    ICONINFO info = {};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return false;
    }
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return true;
}

} // namespace

// OK and Cancel go by the command id alone, as from an accelerator; the close box ends the
// dialog in OnClose, before the dialog manager could make it a Cancel.
TEST(CDialogTest, EnterEscapeAndTheCloseBoxEndTheModalDialog) {
    const struct {
        const char* way;
        std::function<void(HWND)> act;
        INT_PTR result;
        int okCalls;
        int cancelCalls;
    } endings[] = {
        {"Enter", [](HWND) { PressKey(VK_RETURN); }, IDOK, 1, 0},
        {"accelerator", [](HWND d) { PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, 1), 0); }, IDOK,
         1, 0},
        {"Escape", [](HWND) { PressKey(VK_ESCAPE); }, IDCANCEL, 0, 1},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL, 0, 0},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.way);
        CountingDialog dialog;
        HWND hwnd = nullptr;
        UiScript script;
        script.WaitFor(hwnd, kCaption).Do(ending.way, [&] { ending.act(hwnd); });
        EXPECT_EQ(script.RunModal(dialog), ending.result);
        EXPECT_EQ(dialog.okCalls, ending.okCalls);
        EXPECT_EQ(dialog.cancelCalls, ending.cancelCalls);
    }
}

TEST(CDialogTest, BindingEndsWithTheWindowAndTheDialogNeedsATemplate) {
    CountingDialog dialog;
    const HWND hwnd = dialog.CreateModeless(nullptr);
    ASSERT_NE(hwnd, nullptr);
    // Bound, a message without a handler is still left to the dialog manager.
    EXPECT_EQ(RVK::CWindowBase::WndProc(hwnd, WM_SETFONT, 0, 0), 0);
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), nullptr);

    CountingDialog missing(kMissingResource);
    EXPECT_EQ(missing.DoModal(nullptr), -1);
}

TEST(CDialogTest, SetIconGivesTheSmallIconAndTheDialogReleasesItAtItsEnd) {
    HICON icon = nullptr;
    {
        CountingDialog dialog;
        HWND hwnd = nullptr;
        UiScript script;
        script.WaitFor(hwnd, kCaption).Do("set the icon, Escape", [&] {
            dialog.SetIcon(IDI_TEST_ICON);
            icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
            EXPECT_TRUE(IsLiveIcon(icon));
            PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(script.RunModal(dialog), IDCANCEL);
        EXPECT_TRUE(IsLiveIcon(icon));
    }
    EXPECT_FALSE(IsLiveIcon(icon));
}
