#pragma once

#include <windows.h>

#include <string>

namespace RVK {

// Shift-JIS as Windows writes it. The program's own texts are in it, and so are many memos,
// whatever the code page of the system they are read on.
constexpr UINT kShiftJisCodePage = 932;

// MultiByteToWideChar of the whole of `text` from `codePage`; empty when it cannot be read.
std::wstring WidenFrom(UINT codePage, const char* text);

// One of the program's own texts in UTF-16, alike on every system, Japanese or not.
inline std::wstring WidenProgramText(const char* text) {
    return WidenFrom(kShiftJisCodePage, text);
}

// The halves of a UTF-16 surrogate pair, which together are one character.
inline bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace RVK
