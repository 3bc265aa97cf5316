#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "calendar/CDate.h"
#include "framework/Utf16.h"
#include "memo/CMemoSearch.h"
#include "memo/CMemoTextCache.h"
#include "tests/memo/MemoTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

std::wstring Wide(const std::string& ansi) { return RVK::WidenFrom(CP_ACP, ansi.c_str()); }

// Writes `bytes` at `at` into the file, which it makes; a file made longer than what is
// written is sparse, so a large memo costs no time.
void WriteMemo(const std::wstring& path, const std::string& bytes, LONGLONG at = 0) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    LARGE_INTEGER offset;
    offset.QuadPart = at;
    DWORD written = 0;
    EXPECT_TRUE(
        SetFilePointerEx(file, offset, nullptr, FILE_BEGIN) &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        SetEndOfFile(file));
    CloseHandle(file);
}

// Each entry's name with its size and write time, without "." and "..".
std::map<std::wstring, std::pair<ULONGLONG, ULONGLONG>> Listing(const std::wstring& folder) {
    std::map<std::wstring, std::pair<ULONGLONG, ULONGLONG>> listing;
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &entry)) {
        if (entry.cFileName[0] == L'.') {
            continue;
        }
        listing[entry.cFileName] = {(ULONGLONG{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow,
                                    (ULONGLONG{entry.ftLastWriteTime.dwHighDateTime} << 32) |
                                        entry.ftLastWriteTime.dwLowDateTime};
    }
    FindClose(search);
    return listing;
}

// Records what a search reports: each hit as "YYYYMMDD line".
struct Recorder : CMemoSearchListener {
    void OnProgress(size_t searched, size_t total) override {
        if (searched == 0 && onWalked) {
            onWalked();
        }
        if (searched == stopAfter) {
            stop = true;
        }
        last = {searched, total};
    }
    void OnHit(MemoSearchHit&& hit) override {
        const CDate day(hit.dayNumber);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%04d%02d%02d ", day.GetYear(), day.GetMonth(),
                      day.GetDay());
        hits.push_back(Wide(digits) + hit.line);
    }

    std::vector<std::wstring> hits;
    std::pair<size_t, size_t> last;
    std::function<void()> onWalked;
    size_t stopAfter = SIZE_MAX;
    std::atomic<bool> stop{false};
};

class CMemoSearchTest : public ::testing::Test {
protected:
    std::wstring Path(const std::wstring& name) const { return memos + L"\\" + name; }

    MemoSearchSummary Search(const std::wstring& words, Recorder& recorder) {
        const CMemoQuery query(words);
        CMemoSearch search(cache);
        return search.Run(memos, query, recorder, recorder.stop);
    }

    TempDir folder;
    const std::wstring memos = Wide(folder.Path());
    CMemoTextCache cache;
};

} // namespace

// Whatever a memo holds or whatever happens to it, the search goes on, counts what it
// cannot read, changes nothing on disk and leaves every memo free to rename and delete.
TEST_F(CMemoSearchTest, FindsMemosWithEveryWordNewestFirstWhateverTheyHold) {
    const std::string sjisAbc = "\x82\x60\x82\x61\x82\x62"; // ＡＢＣ
    const struct {
        const wchar_t* name;
        std::string bytes;
    } memoFiles[] = {
        {L"20261201.txt", u8"買い物\r\nKalvo の予定 ＡＢＣ\r\n"},
        {L"20261202.txt", "kalvo only"},
        {L"20261203.txt", "KALVO " + sjisAbc + " \x80 not UTF-8"},
        {L"20261204.txt", "kalvo " + sjisAbc + " ends on a lead byte \x82"},
        {L"20261205.txt", "\xFF\xFE" + Utf16Bytes(L"kalvo ＡＢＣ", false) + "x"},
        {L"20261206.txt", "kalvo ＡＢＣ locked"},
        {L"20261207.txt", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
        {L"20261210.txt", "kalvo ＡＢＣ gone meanwhile"},
        {L"20261211.txt", "rewritten meanwhile"},
        {L"memo.txt", "kalvo ＡＢＣ"},
        {L"2026-12-12.txt", "kalvo ＡＢＣ"},
    };
    for (const auto& memo : memoFiles) {
        WriteMemo(Path(memo.name), memo.bytes);
    }
    WriteMemo(Path(L"20261209.txt"), u8"\r\nkalvo ＡＢＣ", 100LL * 1024 * 1024);
    ASSERT_TRUE(CreateDirectoryW(Path(L"20261208.txt").c_str(), nullptr));
    const HANDLE lock = CreateFileW(Path(L"20261206.txt").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Recorder recorder;
    std::map<std::wstring, std::pair<ULONGLONG, ULONGLONG>> before;
    recorder.onWalked = [&] {
        EXPECT_TRUE(DeleteFileW(Path(L"20261210.txt").c_str()));
        WriteMemo(Path(L"20261211.txt"), "KALVO ＡＢＣ after all");
        before = Listing(memos);
    };
    const MemoSearchSummary summary = Search(L" kalvo　ａｂｃ ", recorder);
    CloseHandle(lock);
    EXPECT_EQ(recorder.hits,
              (std::vector<std::wstring>{L"20261211 KALVO ＡＢＣ after all",
                                         L"20261209 kalvo ＡＢＣ", L"20261205 kalvo ＡＢＣ\uFFFD",
                                         L"20261204 kalvo ＡＢＣ ends on "
                                         L"a lead byte \uFFFD",
                                         L"20261203 KALVO ＡＢＣ \uFFFD not UTF-8",
                                         L"20261201 Kalvo の予定 ＡＢＣ"}));
    EXPECT_EQ(summary.total, 11u);
    EXPECT_EQ(summary.searched, 11u);
    EXPECT_EQ(summary.found, 6u);
    EXPECT_EQ(summary.unreadable, 3u);
    EXPECT_FALSE(summary.stopped);
    EXPECT_EQ(recorder.last, std::make_pair(size_t{11}, size_t{11}));
    EXPECT_EQ(Listing(memos), before);
    for (const auto& entry : before) {
        const std::wstring renamed = Path(L"renamed");
        EXPECT_TRUE(MoveFileW(Path(entry.first).c_str(), renamed.c_str()) &&
                    (DeleteFileW(renamed.c_str()) || RemoveDirectoryW(renamed.c_str())))
            << entry.first;
    }
}

// What a search read is matched from memory next time, for any words, until the memo's
// size or write time changes; a memo that left the folder leaves the cache.
TEST_F(CMemoSearchTest, ReadsAgainOnlyTheMemosThatChanged) {
    WriteMemo(Path(L"20261201.txt"), "apple banana");
    WriteMemo(Path(L"20261202.txt"), "apple cherry");
    WriteMemo(Path(L"20261203.txt"), "cherry");
    const auto search = [&](const wchar_t* words, std::vector<std::wstring> hits, size_t read) {
        Recorder recorder;
        EXPECT_EQ(Search(words, recorder).read, read) << words;
        EXPECT_EQ(recorder.hits, hits) << words;
    };
    search(L"apple", {L"20261202 apple cherry", L"20261201 apple banana"}, 3);
    search(L"cherry", {L"20261203 cherry", L"20261202 apple cherry"}, 0);
    WriteMemo(Path(L"20261201.txt"), "cherry pie");
    const HANDLE file = CreateFileW(Path(L"20261203.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    FILETIME written = {0x12345678, 0x01D00000};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
    search(L"cherry", {L"20261203 cherry", L"20261202 apple cherry", L"20261201 cherry pie"}, 2);
    const size_t threeMemos = cache.GetBytes();
    EXPECT_TRUE(DeleteFileW(Path(L"20261202.txt").c_str()));
    search(L"pie", {L"20261201 cherry pie"}, 0);
    EXPECT_EQ(cache.GetCount(), 2u);
    EXPECT_LT(cache.GetBytes(), threeMemos);
}

// Text that does not fit is read again each time; the cache never passes its limit.
TEST_F(CMemoSearchTest, KeepsNoMoreTextThanItsLimitAndStopsWhenAsked) {
    for (const wchar_t* name : {L"20261201.txt", L"20261202.txt", L"20261203.txt"}) {
        WriteMemo(Path(name), std::string(1000, 'x'));
    }
    CMemoTextCache small(2500);
    for (size_t read : {3u, 2u, 2u}) {
        Recorder recorder;
        CMemoSearch search(small);
        EXPECT_EQ(search.Run(memos, CMemoQuery(L"x"), recorder, recorder.stop).read, read);
        EXPECT_EQ(recorder.hits.size(), 3u);
        EXPECT_EQ(small.GetCount(), 1u);
        EXPECT_LE(small.GetBytes(), 2500u);
    }
    Recorder stopped;
    stopped.stopAfter = 1;
    const MemoSearchSummary summary = Search(L"x", stopped);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.searched, 1u);
    EXPECT_EQ(stopped.hits,
              std::vector<std::wstring>{L"20261203 " + std::wstring(100, L'x') + L"…"});
}
