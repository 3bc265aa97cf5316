#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

#include "tests/support/TopWindows.h"

// Leaves the Recycle Bin nowhere to keep files while it lives: Wine's bin is the XDG
// trash, and a plain file takes the place of its folder. Given "\\files", the plain file
// takes the place of the folder the bin moves files into: the bin is there, but refuses
// every file, as a full or switched-off bin does. The folder comes back after.
class NoRecycleBin {
public:
    explicit NoRecycleBin(const std::string& below = "") {
        char data[MAX_PATH] = {};
        GetEnvironmentVariableA("XDG_DATA_HOME", data, MAX_PATH);
        std::string trash = std::string("Z:") + data + "\\Trash";
        std::replace(trash.begin(), trash.end(), '/', '\\');
        CreateDirectoryA(trash.c_str(), nullptr);
        m_blocked = trash + below;
        MoveFileA(m_blocked.c_str(), (m_blocked + ".aside").c_str());
        CloseHandle(
            CreateFileA(m_blocked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    NoRecycleBin(const NoRecycleBin&) = delete;
    NoRecycleBin& operator=(const NoRecycleBin&) = delete;
    ~NoRecycleBin() {
        DeleteFileA(m_blocked.c_str());
        MoveFileA((m_blocked + ".aside").c_str(), m_blocked.c_str());
    }

private:
    std::string m_blocked;
};

// Answers the question whether to delete for good, owned by `owner`, with `button`, and
// keeps its text.
inline UiScript& AnswerDeleteForGood(UiScript& script, const HWND& owner, int button,
                                     std::string& text) {
    script.Then("question", [&owner, button, &text] {
        const HWND box = FindShown("確認", owner);
        if (box != nullptr) {
            text = WindowText(GetDlgItem(box, 0xFFFF));
            ClickButton(box, button);
        }
        return box != nullptr;
    });
    return script.Then("question answered",
                       [&owner] { return FindShown("確認", owner) == nullptr; });
}

constexpr char kDeleteForGoodQuestion[] = "ごみ箱を使えないため、メモをごみ箱に移せません。\n"
                                          "完全に削除すると元に戻せません。削除しますか？";
