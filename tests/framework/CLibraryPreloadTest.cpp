#include <windows.h>

#include <gtest/gtest.h>

#include "framework/CLibraryPreload.h"

namespace {

// A library that nothing in the test program loads by itself.
constexpr wchar_t kLibrary[] = L"msimg32.dll";
constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kPollMs = 10;

bool WaitUntilLoaded(const wchar_t* name) {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        if (GetModuleHandleW(name) != nullptr) {
            return true;
        }
        Sleep(kPollMs);
    }
    return false;
}

} // namespace

// The library comes while this thread goes on, and the object's end waits for the load
// and gives its reference back; a library that cannot be found costs nothing.
TEST(CLibraryPreloadTest, LoadsOnAnotherThreadAndGivesTheLibraryBackAtItsEnd) {
    ASSERT_EQ(GetModuleHandleW(kLibrary), nullptr);
    {
        const RVK::CLibraryPreload preload(kLibrary);
        EXPECT_TRUE(WaitUntilLoaded(kLibrary));
    }
    EXPECT_EQ(GetModuleHandleW(kLibrary), nullptr);
    { const RVK::CLibraryPreload missing(L"no-such-library.dll"); }
    for (int i = 0; i < 3; ++i) {
        const RVK::CLibraryPreload ended(kLibrary);
    }
    EXPECT_EQ(GetModuleHandleW(kLibrary), nullptr);
}
