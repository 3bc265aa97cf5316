#include "memo/MemoTip.h"

#include "framework/Utf16.h"
#include "memo/CMemoReader.h"

namespace {

constexpr wchar_t kEllipsis = L'…';

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0x3000;
}

bool IsSurrogatePair(const std::wstring& text, size_t i, size_t end) {
    return RVK::IsHighSurrogate(text[i]) && i + 1 < end && RVK::IsLowSurrogate(text[i + 1]);
}

} // namespace

// A line ends at CRLF, LF or CR. A character outside the basic plane counts once and is
// never split.
std::wstring MakeMemoTip(const std::wstring& text, bool cut) {
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) {
        --end;
    }
    if (end == 0 && !cut) {
        return kEmptyMemoTip;
    }
    std::wstring tip;
    size_t lines = 1;
    size_t chars = 0;
    size_t i = 0;
    for (; i < end && chars < kMemoTipChars; ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            if (lines == kMemoTipLines) {
                break;
            }
            if (c == L'\r' && i + 1 < end && text[i + 1] == L'\n') {
                ++i;
            }
            tip += L"\r\n";
            ++lines;
            continue;
        }
        tip += c;
        if (IsSurrogatePair(text, i, end)) {
            tip += text[++i];
        }
        ++chars;
    }
    if (i < end || cut) {
        tip += kEllipsis;
    }
    return tip;
}

std::wstring ReadMemoTip(CMemoReader& reader, const wchar_t* path) {
    std::wstring text;
    bool cut = false;
    if (!reader.ReadPreview(path, text, cut)) {
        return kUnreadableMemoTip;
    }
    return MakeMemoTip(text, cut);
}
