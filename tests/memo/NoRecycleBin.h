#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

#include "tests/support/TopWindows.h"

// Leaves the Recycle Bin nowhere to keep files while it lives: Wine's bin is the XDG
// trash, and a plain file takes the place of its folder. The folder comes back after.
class NoRecycleBin {
public:
    NoRecycleBin() {
        char data[MAX_PATH] = {};
        GetEnvironmentVariableA("XDG_DATA_HOME", data, MAX_PATH);
        m_trash = std::string("Z:") + data + "\\Trash";
        std::replace(m_trash.begin(), m_trash.end(), '/', '\\');
        MoveFileA(m_trash.c_str(), (m_trash + ".aside").c_str());
        CloseHandle(
            CreateFileA(m_trash.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    NoRecycleBin(const NoRecycleBin&) = delete;
    NoRecycleBin& operator=(const NoRecycleBin&) = delete;
    ~NoRecycleBin() {
        DeleteFileA(m_trash.c_str());
        MoveFileA((m_trash + ".aside").c_str(), m_trash.c_str());
    }

private:
    std::string m_trash;
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
