#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CMenu.h"
#include "framework/CWindow.h"

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

// A top-level window that remembers the last command it received.
class CommandWindow : public RVK::CWindow {
public:
    CommandWindow() : CWindow("menu test", 0) {}

    LRESULT OnCommand(WPARAM wParam, LPARAM) override {
        lastCommand = LOWORD(wParam);
        return 0;
    }
    // Chooses an item of `menu` shown as a pop-up by feeding the menu loop keys.
    UINT Choose(HMENU menu, std::initializer_list<WPARAM> keys) {
        lastCommand = 0;
        for (WPARAM key : keys) {
            PostMessage(WM_KEYDOWN, key, 0);
        }
        ::TrackPopupMenu(menu, 0, 10, 10, 0, m_hWnd, nullptr);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
        return lastCommand;
    }

    UINT lastCommand = 0;
};

} // namespace

// Built as the main window builds its menus: drop-downs in a bar by position, and one
// submenu in both the bar and the pop-up menu. The objects' end destroys no menu; the
// window destroys its bar and the menus in it.
TEST(CMenuTest, ABarAndAPopUpSharingASubmenuDeliverTheirCommands) {
    CommandWindow window;
    ASSERT_NE(window.Create(0, 0, 300, 200, nullptr), nullptr);
    window.ShowWindow(SW_SHOW);
    window.SetForegroundWindow();
    HMENU file;
    HMENU settings;
    HMENU context;
    {
        CMenu bar;
        CMenu fileMenu;
        CMenu settingsMenu;
        CMenu contextMenu(true);
        file = fileMenu.GetHandle();
        settings = settingsMenu.GetHandle();
        context = contextMenu.GetHandle();
        EXPECT_TRUE(bar.InsertPopup(0, "ファイル(&F)", file));
        EXPECT_TRUE(bar.InsertPopup(1, "設定(&S)", settings));
        EXPECT_TRUE(fileMenu.InsertItem(0, "メモを開く(&O) [Enter]", kOpen));
        EXPECT_TRUE(fileMenu.InsertItem(1, "not shown", 0));
        EXPECT_TRUE(fileMenu.InsertItem(2, "終了(&Q)", kExit));
        EXPECT_TRUE(fileMenu.InsertItem(1, "メモを削除(&D) [Delete]", kDelete));
        EXPECT_TRUE(settingsMenu.InsertItem(0, "色設定", kColors));
        EXPECT_TRUE(settingsMenu.InsertItem(0, "動作設定", kBehaviour));
        EXPECT_TRUE(settingsMenu.CheckItem(1, TRUE));
        EXPECT_EQ(::GetMenuState(settings, kColors, MF_BYCOMMAND), UINT{MF_CHECKED});
        EXPECT_TRUE(settingsMenu.CheckItem(1, FALSE));
        EXPECT_EQ(::GetMenuState(settings, kColors, MF_BYCOMMAND), 0u);
        EXPECT_TRUE(settingsMenu.SetItemText(kColors, FALSE, "色"));
        EXPECT_TRUE(settingsMenu.SetItemText(0, TRUE, "動作"));
        EXPECT_EQ(TextAt(settings, 0) + TextAt(settings, 1), "動作色");
        EXPECT_TRUE(contextMenu.InsertItem(0, "メモを開く(&O) [Enter]", kOpen));
        EXPECT_TRUE(contextMenu.InsertPopup(1, "設定(&S)", settings));
        ASSERT_TRUE(window.SetMenu(bar.GetHandle()));
    }
    const HMENU bar = ::GetMenu(window.GetHandle());
    EXPECT_EQ(TextAt(bar, 0), "ファイル(&F)");
    EXPECT_EQ(::GetSubMenu(bar, 1), settings);
    EXPECT_EQ(::GetSubMenu(context, 1), settings);
    ASSERT_EQ(::GetMenuItemCount(file), 4);
    EXPECT_EQ(TextAt(file, 1), "メモを削除(&D) [Delete]");
    EXPECT_EQ(::GetMenuItemID(file, 1), kDelete);
    EXPECT_EQ(::GetMenuState(file, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));

    EXPECT_EQ(window.Choose(file, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}), kExit);
    EXPECT_EQ(window.Choose(context, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}), kColors);

    ::RemoveMenu(context, 1, MF_BYPOSITION);
    ::DestroyMenu(context);
}
