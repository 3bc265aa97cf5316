#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CMenu.h"

using RVK::CMenu;

namespace {

constexpr UINT kOpen = 1001;
constexpr UINT kDelete = 1002;
constexpr UINT kExit = 1003;
constexpr UINT kBehaviour = 1101;
constexpr UINT kColors = 1102;

std::string TextAt(HMENU menu, UINT pos) {
    char text[128] = {};
    ::GetMenuStringA(menu, pos, text, sizeof(text), MF_BYPOSITION);
    return text;
}

// A plain top-level window that remembers the last command it received.
class CommandWindow {
public:
    CommandWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        ::RegisterClassA(&windowClass);
        m_hWnd = ::CreateWindowA(kClassName, "menu test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
    }
    CommandWindow(const CommandWindow&) = delete;
    CommandWindow& operator=(const CommandWindow&) = delete;
    ~CommandWindow() {
        if (::IsWindow(m_hWnd)) {
            ::DestroyWindow(m_hWnd);
        }
    }

    HWND Handle() const { return m_hWnd; }
    static UINT LastCommand() { return s_lastCommand; }

    // Chooses an item of `menu` shown as a pop-up by feeding the menu loop keys, and
    // delivers the chosen command.
    void Choose(HMENU menu, std::initializer_list<WPARAM> keys) {
        s_lastCommand = 0;
        for (WPARAM key : keys) {
            ::PostMessageA(m_hWnd, WM_KEYDOWN, key, 0);
        }
        ::TrackPopupMenu(menu, 0, 10, 10, 0, m_hWnd, nullptr);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
    }

private:
    static LRESULT CALLBACK Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND) {
            s_lastCommand = LOWORD(wParam);
        }
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    static constexpr const char* kClassName = "KalvoMenuTest";
    static inline UINT s_lastCommand = 0;
    HWND m_hWnd;
};

} // namespace

// Built as the main window builds its menus: drop-downs in a bar by position, and one
// submenu in both the bar and the pop-up menu. Destroying a menu destroys its submenus,
// so the pop-up menu must let go of a shared one before it is destroyed.
TEST(CMenuTest, ABarAndAPopUpSharingASubmenuDeliverTheirCommands) {
    CommandWindow window;
    CMenu bar;
    CMenu file;
    CMenu settings;
    CMenu context(true);
    EXPECT_TRUE(bar.InsertPopup(0, "ファイル(&F)", file.GetHandle()));
    EXPECT_TRUE(bar.InsertPopup(1, "設定(&S)", settings.GetHandle()));
    EXPECT_TRUE(file.InsertItem(0, "メモを開く(&O) [Enter]", kOpen));
    EXPECT_TRUE(file.InsertItem(1, "not shown", 0));
    EXPECT_TRUE(file.InsertItem(2, "終了(&Q)", kExit));
    EXPECT_TRUE(file.InsertItem(1, "メモを削除(&D) [Delete]", kDelete));
    EXPECT_TRUE(settings.InsertItem(0, "色設定", kColors));
    EXPECT_TRUE(settings.InsertItem(0, "動作設定", kBehaviour));
    EXPECT_TRUE(context.InsertItem(0, "メモを開く(&O) [Enter]", kOpen));
    EXPECT_TRUE(context.InsertPopup(1, "設定(&S)", settings.GetHandle()));
    ASSERT_TRUE(::SetMenu(window.Handle(), bar.GetHandle()));

    EXPECT_EQ(TextAt(bar.GetHandle(), 0), "ファイル(&F)");
    EXPECT_EQ(::GetSubMenu(bar.GetHandle(), 1), settings.GetHandle());
    EXPECT_EQ(::GetSubMenu(context.GetHandle(), 1), settings.GetHandle());
    ASSERT_EQ(::GetMenuItemCount(file.GetHandle()), 4);
    EXPECT_EQ(TextAt(file.GetHandle(), 1), "メモを削除(&D) [Delete]");
    EXPECT_EQ(::GetMenuItemID(file.GetHandle(), 1), kDelete);
    EXPECT_EQ(::GetMenuState(file.GetHandle(), 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(TextAt(file.GetHandle(), 2), "");

    window.Choose(file.GetHandle(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(CommandWindow::LastCommand(), kExit);
    window.Choose(context.GetHandle(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_EQ(CommandWindow::LastCommand(), kColors);

    CMenu other(true);
    other.InsertPopup(0, "設定(&S)", settings.GetHandle());
    ASSERT_TRUE(::RemoveMenu(other.GetHandle(), 0, MF_BYPOSITION));
    ASSERT_TRUE(::DestroyMenu(other.GetHandle()));
    EXPECT_TRUE(::IsMenu(settings.GetHandle()));
    ASSERT_TRUE(::DestroyMenu(context.GetHandle()));
    EXPECT_FALSE(::IsMenu(settings.GetHandle()));
    EXPECT_EQ(::GetSubMenu(bar.GetHandle(), 1), settings.GetHandle());
    ::DestroyWindow(window.Handle());
    EXPECT_FALSE(::IsMenu(file.GetHandle()));
}

TEST(CMenuTest, CheckingSetsTheWholeStateAndTextsChangeByPositionOrCommand) {
    CMenu menu(true);
    menu.InsertItem(0, "前の年へ移動", 1203);
    menu.InsertItem(1, "次の年へ移動", 1204);
    EXPECT_TRUE(menu.CheckItem(0, TRUE));
    EXPECT_EQ(::GetMenuState(menu.GetHandle(), 0, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    info.fState = MFS_CHECKED | MFS_DISABLED | MFS_DEFAULT;
    ASSERT_TRUE(menu.SetMenuItemInfo(0, TRUE, &info));
    EXPECT_TRUE(menu.CheckItem(0, FALSE));
    EXPECT_EQ(::GetMenuState(menu.GetHandle(), 0, MF_BYPOSITION), 0u);

    EXPECT_TRUE(menu.SetItemText(0, TRUE, "本日へ移動"));
    EXPECT_TRUE(menu.SetItemText(1204, FALSE, "指定日へ移動"));
    EXPECT_EQ(TextAt(menu.GetHandle(), 0), "本日へ移動");
    EXPECT_EQ(::GetMenuItemID(menu.GetHandle(), 0), 1203u);
    EXPECT_EQ(TextAt(menu.GetHandle(), 1), "指定日へ移動");
    ::DestroyMenu(menu.GetHandle());
}

TEST(CMenuTest, NeitherSetHandleNorTheObjectsEndDestroysAMenu) {
    HMENU first;
    const HMENU second = ::CreatePopupMenu();
    {
        CMenu menu;
        first = menu.GetHandle();
        menu.SetHandle(second);
        EXPECT_TRUE(menu.InsertItem(0, "更新(&R)", 1201));
    }
    EXPECT_EQ(::GetMenuItemCount(first), 0);
    EXPECT_EQ(::GetMenuItemCount(second), 1);
    EXPECT_TRUE(::DestroyMenu(first));
    EXPECT_TRUE(::DestroyMenu(second));
}
