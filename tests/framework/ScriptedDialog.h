#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/CDialog.h"
#include "tests/framework/DialogTestResources.h"

// The test template run as a dialog that plays a script once it is up and records what
// reaches it. A timer ends a dialog the script failed to end, so no test can hang.
class ScriptedDialog : public RVK::CDialog {
public:
    static constexpr INT_PTR kTimedOut = 99;
    static constexpr UINT_PTR kSafetyTimer = 77;
    static constexpr UINT kSafetyMilliseconds = 5000;

    using Step = std::function<void(ScriptedDialog&)>;

    explicit ScriptedDialog(WORD templateId = IDD_TEST_DIALOG) : CDialog(templateId) {}

    // Runs inside OnInitDialog, after the edit control got the focus.
    Step script;
    // Runs inside OnOK or OnCancel before the dialog ends, while its controls still exist.
    Step beforeEnd;
    bool keepOpenOnOK = false;

    std::vector<UINT> messages;
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    int okCalls = 0;
    int cancelCalls = 0;
    int closeCalls = 0;

    HWND Item(int id) { return GetDlgItem(id); }
    BOOL IsDialogBound() const { return m_bDialog; }
    LONG_PTR ReplacedProc() const { return m_pfnOldProc; }

    // Posts a key press to a control the way the keyboard would deliver it.
    void PostKey(HWND target, WPARAM key) { ::PostMessageA(target, WM_KEYDOWN, key, 1); }

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        return CDialog::WindowProc(hwnd, msg, wParam, lParam);
    }

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        ::SetTimer(GetHandle(), kSafetyTimer, kSafetyMilliseconds, nullptr);
        ::SetFocus(GetDlgItem(IDC_TEST_EDIT));
        if (script) {
            script(*this);
        }
        return CDialog::OnInitDialog(wParam, lParam);
    }

    LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override {
        if (wParam == kSafetyTimer) {
            EndDialog(kTimedOut);
            return 0;
        }
        return CDialog::OnTimer(wParam, lParam);
    }

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(wParam, lParam);
        return CDialog::OnCommand(wParam, lParam);
    }

    LRESULT OnClose(WPARAM wParam, LPARAM lParam) override {
        ++closeCalls;
        return CDialog::OnClose(wParam, lParam);
    }

    void OnOK() override {
        ++okCalls;
        if (!keepOpenOnOK) {
            RunBeforeEnd();
            CDialog::OnOK();
        }
    }

    void OnCancel() override {
        ++cancelCalls;
        RunBeforeEnd();
        CDialog::OnCancel();
    }

private:
    void RunBeforeEnd() {
        if (beforeEnd) {
            beforeEnd(*this);
        }
    }
};
