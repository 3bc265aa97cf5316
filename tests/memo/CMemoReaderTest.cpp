#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "framework/Utf16.h"
#include "memo/CMemoReader.h"
#include "memo/MemoTip.h"
#include "tests/memo/MemoTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

// The path of `name` in `folder`, for the W calls.
std::wstring WidePath(const TempDir& folder, const std::wstring& name) {
    return RVK::WidenFrom(CP_ACP, folder.Path().c_str()) + L"\\" + name;
}

// Writes `bytes` into the file at `path`, starting `at` bytes into it, and ends the file
// after them, as an editor saves while others may read.
bool WriteAt(const std::wstring& path, const std::string& bytes, LONGLONG at = 0) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER offset;
    offset.QuadPart = at;
    DWORD written = 0;
    const bool done =
        SetFilePointerEx(file, offset, nullptr, FILE_BEGIN) &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        SetEndOfFile(file);
    CloseHandle(file);
    EXPECT_TRUE(done) << at;
    return done;
}

// Keeps the first `keep` code units of what a read hands over.
struct TextSink : CMemoTextSink {
    void Restart() override {
        text.clear();
        chunks = 0;
        ++restarts;
    }
    bool Consume(const wchar_t* chunk, size_t length) override {
        if (chunks++ == 0 && onFirstChunk) {
            onFirstChunk();
        }
        total += length;
        text.append(chunk, std::min(length, keep - std::min(keep, text.size())));
        return chunks < stopAfter;
    }
    void Finish() override { finished = true; }

    std::wstring text;
    size_t keep = SIZE_MAX;
    size_t chunks = 0;
    size_t stopAfter = SIZE_MAX;
    size_t total = 0;
    int restarts = 0;
    bool finished = false;
    std::function<void()> onFirstChunk;
};

} // namespace

TEST(CMemoReaderTest, ReadsEveryKindOfMemoAndLeavesItFreeToRenameAndDelete) {
    TempDir folder;
    const struct {
        const wchar_t* name;
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {L"메모😀.txt", u8"予定😀\r\n", L"予定😀\r\n"},
        {L"20261202.txt", "表示ｱ", L"表示ｱ"},
        {L"20261203.txt", "\xFF\xFE" + Utf16Bytes(L"한국어", false), L"한국어"},
        {L"20261207.txt", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
         L"臼NG\r\n\x1A\n\uFFFD\uFFFD\uFFFD\rIHDR"},
    };
    CMemoReader reader;
    for (const auto& row : cases) {
        const std::wstring path = WidePath(folder, row.name);
        WriteAt(path, row.bytes);
        TextSink sink;
        MemoFileInfo info = {};
        EXPECT_TRUE(reader.ReadWhole(path.c_str(), sink, &info) && sink.finished);
        EXPECT_EQ(info.size, row.bytes.size());
        EXPECT_NE(info.lastWrite.dwHighDateTime, 0u);
        std::wstring preview;
        bool cut = true;
        EXPECT_TRUE(reader.ReadPreview(path.c_str(), preview, cut));
        EXPECT_FALSE(cut);
        EXPECT_EQ(preview, sink.text);
        EXPECT_EQ(sink.text, row.text);
        const std::wstring renamed = WidePath(folder, L"renamed.txt");
        EXPECT_TRUE(MoveFileW(path.c_str(), renamed.c_str()) && DeleteFileW(renamed.c_str()));
    }
}

// Whether a text without a byte order mark is UTF-8 shows only at its end.
TEST(CMemoReaderTest, ALongMemoThatIsNoUtf8AfterAllIsReadAgainAsShiftJis) {
    TempDir folder;
    const std::wstring path = WidePath(folder, L"long.txt");
    WriteAt(path, std::string(70000, 'a') + "表");
    CMemoReader reader;
    TextSink whole;
    EXPECT_TRUE(reader.ReadWhole(path.c_str(), whole));
    EXPECT_EQ(whole.restarts, 1);
    EXPECT_EQ(whole.text, std::wstring(70000, L'a') + L"表");
    TextSink firstChunkOnly;
    firstChunkOnly.stopAfter = 1;
    EXPECT_TRUE(reader.ReadWhole(path.c_str(), firstChunkOnly));
    EXPECT_EQ(firstChunkOnly.restarts, 1);

    const std::wstring cutPath = WidePath(folder, L"cut.txt");
    WriteAt(cutPath, std::string(4095, 'a') + u8"あ");
    std::wstring preview;
    bool cut = false;
    EXPECT_TRUE(reader.ReadPreview(cutPath.c_str(), preview, cut) && cut);
    EXPECT_EQ(preview, std::wstring(4095, L'a'));
    EXPECT_EQ(ReadMemoTip(reader, cutPath.c_str()), std::wstring(400, L'a') + L"…");
}

// The file is sparse, so it costs no time to make.
TEST(CMemoReaderTest, AHundredMegabyteMemoIsReadInBoundedMemory) {
    constexpr LONGLONG kSize = 100LL * 1024 * 1024;
    TempDir folder;
    const std::wstring path = WidePath(folder, L"big.txt");
    WriteAt(path, u8"はじめ ");
    WriteAt(path, u8" おわり", kSize - 10);
    CMemoReader reader;
    TextSink sink;
    sink.keep = 4;
    MemoFileInfo info = {};
    PROCESS_MEMORY_COUNTERS before = {};
    PROCESS_MEMORY_COUNTERS after = {};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof(before));
    ASSERT_TRUE(reader.ReadWhole(path.c_str(), sink, &info));
    K32GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof(after));
    EXPECT_LE(after.PeakPagefileUsage,
              std::max(before.PeakPagefileUsage, before.PagefileUsage + (16 << 20)));
    EXPECT_EQ(info.size, static_cast<unsigned long long>(kSize));
    EXPECT_EQ(sink.total, static_cast<size_t>(kSize - 12)); // each NUL is one U+FFFD
    EXPECT_EQ(sink.text, L"はじめ ");
}

TEST(CMemoReaderTest, LockedMissingOrFolderMemosAreUnreadableAndStayAsTheyWere) {
    TempDir folder;
    folder.WriteFile("20261201.txt", "locked");
    folder.MakeFolder("20261202.txt");
    const std::wstring locked = WidePath(folder, L"20261201.txt");
    const HANDLE lock =
        CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    CMemoReader reader;
    for (const wchar_t* name : {L"20261201.txt", L"20261202.txt", L"20261203.txt"}) {
        TextSink sink;
        EXPECT_FALSE(reader.ReadWhole(WidePath(folder, name).c_str(), sink) || sink.finished);
        EXPECT_EQ(ReadMemoTip(reader, WidePath(folder, name).c_str()), kUnreadableMemoTip);
    }
    CloseHandle(lock);
    EXPECT_EQ(folder.ReadFile("20261201.txt"), "locked");
}

// An editor that saves or deletes a memo while it is read must not fail.
TEST(CMemoReaderTest, AMemoMayBeRewrittenOrDeletedWhileItIsRead) {
    TempDir folder;
    const std::wstring path = WidePath(folder, L"20261201.txt");
    CMemoReader reader;
    for (bool deleting : {false, true}) {
        WriteAt(path, std::string(200000, 'a'));
        bool changed = false;
        TextSink sink;
        sink.onFirstChunk = [&] {
            changed = deleting ? DeleteFileW(path.c_str()) != 0 : WriteAt(path, "new");
        };
        EXPECT_TRUE(reader.ReadWhole(path.c_str(), sink));
        EXPECT_TRUE(changed) << deleting;
        TextSink after;
        EXPECT_EQ(reader.ReadWhole(path.c_str(), after), !deleting);
        EXPECT_EQ(after.text, deleting ? L"" : L"new");
    }
}
