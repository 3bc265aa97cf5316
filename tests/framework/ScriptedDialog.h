#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/CDialog.h"
#include "tests/framework/DialogTestResources.h"

// The test template run as a dialog that plays a script from OnInitDialog and records what
// reaches it. A timer ends a dialog the script failed to end, so no test can hang.
class ScriptedDialog : public RVK::CDialog {
public:
    static constexpr INT_PTR kTimedOut = 99;
    static constexpr UINT_PTR kSafetyTimer = 77;
    static constexpr UINT kSafetyMilliseconds = 5000;
    using Step = std::function<void(ScriptedDialog&)>;

    explicit ScriptedDialog(WORD templateId = IDD_TEST_DIALOG) : CDialog(templateId) {}

    Step script;
    // Runs in OnCancel, while the controls still exist.
    Step beforeCancel;
    bool keepOpenOnOK = false;
    std::vector<UINT> messages;
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    int okCalls = 0;
    int cancelCalls = 0;

    BOOL IsDialogBound() const { return m_bDialog; }
    LONG_PTR ReplacedProc() const { return m_pfnOldProc; }
    HWND Edit() { return GetDlgItem(IDC_TEST_EDIT); }
    // A key press queued for the edit control, as the keyboard would deliver it.
    void PostKey(WPARAM key) { ::PostMessageA(Edit(), WM_KEYDOWN, key, 1); }

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        return CDialog::WindowProc(hwnd, msg, wParam, lParam);
    }
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        ::SetTimer(GetHandle(), kSafetyTimer, kSafetyMilliseconds, nullptr);
        ::SetFocus(Edit());
        if (script) {
            script(*this);
        }
        return CDialog::OnInitDialog(wParam, lParam);
    }
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override {
        return wParam == kSafetyTimer ? EndDialog(kTimedOut) : CDialog::OnTimer(wParam, lParam);
    }
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(wParam, lParam);
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnOK() override {
        ++okCalls;
        if (!keepOpenOnOK) {
            CDialog::OnOK();
        }
    }
    void OnCancel() override {
        ++cancelCalls;
        if (beforeCancel) {
            beforeCancel(*this);
        }
        CDialog::OnCancel();
    }
};
