#include <gtest/gtest.h>

#include <string>

#include "memo/MemoTip.h"

namespace {

// The lines "1" to `last`, joined by `lineEnd`.
std::wstring Lines(int last, const wchar_t* lineEnd) {
    std::wstring text = L"1";
    for (int n = 2; n <= last; ++n) {
        text += lineEnd + std::to_wstring(n);
    }
    return text;
}

} // namespace

TEST(MemoTipTest, ShowsTheFirstTenLinesAndFourHundredCharacters) {
    const std::wstring x399(399, L'x');
    const struct {
        std::wstring text;
        bool cut;
        std::wstring tip;
    } cases[] = {
        {L"", false, kEmptyMemoTip},
        {L"\r\n \t　\n", false, kEmptyMemoTip},
        {L"a\r\nb\nc\rd\r\n\r\n", false, L"a\r\nb\r\nc\r\nd"},
        {L"\n\nx", false, L"\r\n\r\nx"},
        {Lines(12, L"\n"), false, Lines(10, L"\r\n") + L"…"},
        {Lines(10, L"\r") + L"\r\n\r\n", false, Lines(10, L"\r\n")},
        {x399 + L"x", false, x399 + L"x"},
        {x399 + L"x\r\ny", false, x399 + L"x…"},
        {x399 + L"😀y", false, x399 + L"😀…"},
        {L"abc", true, L"abc…"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(MakeMemoTip(row.text, row.cut), row.tip) << row.text;
    }
}
