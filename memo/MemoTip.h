#pragma once

#include <cstddef>
#include <string>

class CMemoReader;

// The day tip's texts, in UTF-16 for the W calls: a memo may hold characters that
// Shift-JIS cannot spell.
constexpr wchar_t kEmptyMemoTip[] = L"（空のメモ）";
constexpr wchar_t kUnreadableMemoTip[] = L"（読み取れません）";

// The tip shows at most this many lines of a memo and this many characters in all.
constexpr size_t kMemoTipLines = 10;
constexpr size_t kMemoTipChars = 400;

// What the day tip shows of a memo's `text`: its first lines, ended by CRLF as a tooltip
// of several lines needs, with "…" after the last when the text goes on, as it does
// beyond a memo's first bytes when `cut`. Blank lines at the end count for nothing; a
// memo with nothing else is empty.
std::wstring MakeMemoTip(const std::wstring& text, bool cut);
// The tip of the memo at `path`, read with `reader`.
std::wstring ReadMemoTip(CMemoReader& reader, const wchar_t* path);
