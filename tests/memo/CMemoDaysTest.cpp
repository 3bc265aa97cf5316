#include <windows.h>

#include <gtest/gtest.h>

#include "framework/Utf16.h"
#include "memo/CMemoDays.h"
#include "tests/calendar/DateTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

std::wstring Wide(const std::string& path) { return RVK::WidenFrom(CP_ACP, path.c_str()); }

} // namespace

// Memos far apart, at both ends of the supported dates, with names that only look like
// memos among them. Each jump goes to the nearest memo, across months and across years
// without memos; at either end there is none. What was read is kept until forgotten: the
// first jumps use a walk read two names at a time, the last one walks the folder itself.
TEST(CMemoDaysTest, TheNearestMemoIsFoundEitherWayAcrossMonthsAndEmptyYears) {
    TempDir folder;
    for (const char* name : {"00010101.txt", "19991231.txt", "20131130.txt", "20131227.TXT",
                             "20140102.txt", "20200229.txt", "58796110712.txt", "20131228.txt.bak",
                             "2013122.txt", "20131229x.txt", "20131301.txt", "58796110713.txt"}) {
        folder.WriteFile(name, "");
    }
    CMemoDays days(2);
    days.Forget(Wide(folder.Path()));
    EXPECT_EQ(days.GetMonth(2013, 12), 1u << 27);
    int slices = 1;
    while (days.ContinueWalk()) {
        ++slices;
    }
    EXPECT_EQ(slices, 6) << "eleven names end in .txt";
    EXPECT_FALSE(days.IsWalkDue());
    const CDate none = MakeDate(1, 2, 3);
    const struct {
        CDate from;
        bool later;
        CDate to;
    } jumps[] = {
        {MakeDate(2013, 12, 5), true, MakeDate(2013, 12, 27)},
        {MakeDate(2013, 12, 27), true, MakeDate(2014, 1, 2)},
        {MakeDate(2013, 12, 27), false, MakeDate(2013, 11, 30)},
        {MakeDate(2014, 1, 2), true, MakeDate(2020, 2, 29)},
        {MakeDate(2013, 11, 30), false, MakeDate(1999, 12, 31)},
        {MakeDate(1999, 12, 31), false, MakeDate(1, 1, 1)},
        {MakeDate(1, 1, 1), false, none},
        {MakeDate(2020, 2, 29), true, MakeDate(5879611, 7, 12)},
        {MakeDate(5879611, 7, 12), true, none},
        {MakeDate(5879611, 7, 11), false, MakeDate(2020, 2, 29)},
    };
    for (const auto& jump : jumps) {
        CDate found = none;
        EXPECT_EQ(days.FindNearest(jump.from, jump.later, found), !(jump.to == none));
        EXPECT_EQ(found, jump.to) << jump.from << (jump.later ? " on" : " back");
    }
    EXPECT_EQ(days.GetMonth(2016, 5), 0u);

    folder.WriteFile("20160505.txt", "");
    CDate found = none;
    days.FindNearest(MakeDate(2014, 1, 2), true, found);
    EXPECT_EQ(found, MakeDate(2020, 2, 29)) << "kept";
    days.Forget();
    days.FindNearest(MakeDate(2014, 1, 2), true, found);
    EXPECT_EQ(found, MakeDate(2016, 5, 5));
    EXPECT_EQ(days.GetMonth(2016, 5), 1u << 5);
}
