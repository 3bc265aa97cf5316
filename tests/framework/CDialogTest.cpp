#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "framework/CDialog.h"
#include "tests/framework/DialogTestResources.h"

namespace {

constexpr WORD kMissingResource = 999;

// The test template run as a dialog that plays a script from OnInitDialog and counts its
// OK and Cancel calls. A timer ends a dialog the script failed to end, so no test can hang.
class ScriptedDialog : public RVK::CDialog {
public:
    static constexpr INT_PTR kTimedOut = 99;
    static constexpr UINT_PTR kSafetyTimer = 77;
    using Step = std::function<void(ScriptedDialog&)>;

    explicit ScriptedDialog(Step step, WORD templateId = IDD_TEST_DIALOG)
        : CDialog(templateId), script(std::move(step)) {}

    LONG_PTR ReplacedProc() const { return m_pfnOldProc; }
    // A key press queued for the edit control, as the keyboard would deliver it.
    void PostKey(WPARAM key) { ::PostMessageA(GetDlgItem(IDC_TEST_EDIT), WM_KEYDOWN, key, 1); }

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        ::SetTimer(m_hWnd, kSafetyTimer, 5000, nullptr);
        ::SetFocus(GetDlgItem(IDC_TEST_EDIT));
        script(*this);
        return CDialog::OnInitDialog(wParam, lParam);
    }
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override {
        return wParam == kSafetyTimer ? EndDialog(kTimedOut) : CDialog::OnTimer(wParam, lParam);
    }
    void OnOK() override {
        ++okCalls;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancelCalls;
        CDialog::OnCancel();
    }

    Step script;
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
    struct Ending {
        const char* way;
        ScriptedDialog::Step step;
        INT_PTR result;
        int okCalls;
        int cancelCalls;
    };
    const Ending endings[] = {
        {"Enter", [](ScriptedDialog& d) { d.PostKey(VK_RETURN); }, IDOK, 1, 0},
        {"accelerator",
         [](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, 1), 0); }, IDOK, 1, 0},
        {"Escape", [](ScriptedDialog& d) { d.PostKey(VK_ESCAPE); }, IDCANCEL, 0, 1},
        {"close box", [](ScriptedDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); },
         IDCANCEL, 0, 0},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.way);
        ScriptedDialog dialog(ending.step);
        EXPECT_EQ(dialog.DoModal(nullptr), ending.result);
        EXPECT_EQ(dialog.okCalls, ending.okCalls);
        EXPECT_EQ(dialog.cancelCalls, ending.cancelCalls);
    }
}

TEST(CDialogTest, BindingStartsAtInitDialogWithoutSubclassingAndNeedsATemplate) {
    bool boundAtInit = false;
    ScriptedDialog dialog(
        [&](ScriptedDialog& d) { boundAtInit = ::GetPropA(d.GetHandle(), "CPP_CLASS") == &d; });
    const HWND hwnd = dialog.CreateModeless(nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(boundAtInit);
    EXPECT_EQ(dialog.ReplacedProc(), 0);
    // Bound, a message without a handler is still left to the dialog manager.
    EXPECT_EQ(RVK::CWindowBase::WndProc(hwnd, WM_SETFONT, 0, 0), 0);
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), nullptr);

    bool initialised = false;
    ScriptedDialog missing([&](ScriptedDialog&) { initialised = true; }, kMissingResource);
    EXPECT_EQ(missing.DoModal(nullptr), -1);
    EXPECT_FALSE(initialised);
}

TEST(CDialogTest, SetIconGivesTheSmallIconAndTheDialogReleasesWhatItLoaded) {
    HICON first = nullptr;
    HICON second = nullptr;
    {
        ScriptedDialog dialog([&](ScriptedDialog& d) {
            d.SetIcon(IDI_TEST_ICON);
            first = reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_SMALL, 0));
            EXPECT_TRUE(IsLiveIcon(first));
            d.SetIcon(IDI_TEST_ICON);
            second = reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_SMALL, 0));
            d.PostKey(VK_ESCAPE);
        });
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
        EXPECT_FALSE(IsLiveIcon(first));
        EXPECT_TRUE(IsLiveIcon(second));
    }
    EXPECT_FALSE(IsLiveIcon(second));
}
