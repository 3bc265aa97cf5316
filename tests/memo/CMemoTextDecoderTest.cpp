#include <gtest/gtest.h>

#include <string>

#include "memo/CMemoTextDecoder.h"
#include "tests/memo/MemoTestSupport.h"

using Encoding = CMemoTextDecoder::Encoding;

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    Encoding encoding;
    std::wstring text;
    // Unless complete, the bytes are the first of a longer memo.
    bool complete = true;
};

// Narrow literals are Shift-JIS at run time, u8 literals UTF-8.
const DecodeCase kDecodeCases[] = {
    {"UTF-8 with BOM", u8"\uFEFFメモ a", Encoding::kUtf8, L"メモ a"},
    {"UTF-8 without BOM", u8"日本語\r\nabc", Encoding::kUtf8, L"日本語\r\nabc"},
    {"UTF-8 beyond Shift-JIS", u8"😀髙﨑한국", Encoding::kUtf8, L"😀髙﨑한국"},
    {"UTF-16 LE", "\xFF\xFE" + Utf16Bytes(L"表😀髙﨑한", false), Encoding::kUtf16Le, L"表😀髙﨑한"},
    {"UTF-16 BE", "\xFE\xFF" + Utf16Bytes(L"表😀髙﨑한", true), Encoding::kUtf16Be, L"表😀髙﨑한"},
    {"Shift-JIS with 0x5C trail byte and kana", "表示ｱｲ\\", Encoding::kCp932, L"表示ｱｲ\\"},
    {"valid UTF-8 at first, cut at the end: Shift-JIS", "ﾃｽﾄ", Encoding::kCp932, L"ﾃｽﾄ"},
    {"Shift-JIS ending on a lead byte", "表\x95", Encoding::kCp932, L"表\uFFFD"},
    {"Shift-JIS bad bytes, undefined pair", "a\x80\xA0\xFD\x85\x40\x81\x0A", Encoding::kCp932,
     L"a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\n"},
    {"UTF-16 of odd length", "\xFF\xFE" + std::string("A\0B\0C", 5), Encoding::kUtf16Le,
     L"AB\uFFFD"},
    {"UTF-16 unpaired surrogates", "\xFF\xFE" + Utf16Bytes({0xD800, L'A', 0xDC00, 0xD83D}, false),
     Encoding::kUtf16Le, L"\uFFFDA\uFFFD\uFFFD"},
    {"NUL bytes", std::string("a\0b", 3), Encoding::kUtf8, L"a\uFFFDb"},
    {"UTF-16 NUL", "\xFE\xFF" + Utf16Bytes({L'a', 0, L'b'}, true), Encoding::kUtf16Be, L"a\uFFFDb"},
    {"UTF-8 overlong, surrogate, too high, cut",
     "\xEF\xBB\xBF\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE3\x81!", Encoding::kUtf8,
     std::wstring(10, L'\uFFFD') + L"!"},
    {"UTF-8 cut", std::string(u8"あい").substr(0, 5), Encoding::kUtf8, L"あ", false},
    {"UTF-8 cut in a pair", std::string(u8"a😀").substr(0, 4), Encoding::kUtf8, L"a", false},
    {"UTF-16 cut in a pair", "\xFF\xFE" + Utf16Bytes(L"a😀", false).substr(0, 4), Encoding::kUtf16Le,
     L"a", false},
    {"UTF-16 cut in a unit", "\xFF\xFE" + Utf16Bytes(L"ab", false).substr(0, 3), Encoding::kUtf16Le,
     L"a", false},
    {"Shift-JIS cut", "\x95\x5C\x95", Encoding::kCp932, L"表", false},
};

// Decodes `bytes` in an encoding guessed from the whole, in pieces of `chunk` bytes.
std::wstring DecodeInChunks(const std::string& bytes, bool complete, size_t chunk) {
    size_t bom = 0;
    CMemoTextDecoder decoder(CMemoTextDecoder::Guess(bytes.data(), bytes.size(), complete, bom));
    std::wstring text;
    for (size_t at = bom; at < bytes.size(); at += chunk) {
        decoder.Decode(bytes.data() + at, std::min(chunk, bytes.size() - at), text);
    }
    if (complete) {
        decoder.Finish(text);
    }
    return text;
}

} // namespace

// At the end of the first bytes of a longer memo, a cut character is left out, and does
// not make UTF-8 look invalid.
TEST(CMemoTextDecoderTest, GuessesAndDecodesWholeOrInAnyChunks) {
    for (const DecodeCase& row : kDecodeCases) {
        const std::string& bytes = row.bytes;
        size_t bom = 0;
        EXPECT_EQ(CMemoTextDecoder::Guess(bytes.data(), bytes.size(), row.complete, bom),
                  row.encoding)
            << row.name;
        std::wstring text;
        CMemoTextDecoder::DecodeText(bytes.data(), bytes.size(), row.complete, text);
        EXPECT_EQ(text, row.text) << row.name;
        for (size_t chunk : {1, 2, 3, 7}) {
            EXPECT_EQ(DecodeInChunks(bytes, row.complete, chunk), row.text)
                << row.name << ", chunks of " << chunk;
        }
    }
}
