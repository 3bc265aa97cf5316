#pragma once

#include <windows.h>

// The main window's fixed ids, geometry and fallback colours, in client pixels.
namespace MainWndLayout {

// Command ids: menus, buttons and keys all end in these.
constexpr int kCmdOpenMemo = 1001;
constexpr int kCmdDeleteMemo = 1002;
constexpr int kCmdExit = 1003;
constexpr int kCmdOptions = 1101;
constexpr int kCmdColors = 1102;
constexpr int kCmdRefresh = 1201;
constexpr int kCmdMemoList = 1202;
constexpr int kCmdPrevYear = 1203;
constexpr int kCmdNextYear = 1204;
constexpr int kCmdPrevMonth = 1205;
constexpr int kCmdNextMonth = 1206;
constexpr int kCmdPrevWeek = 1207;
constexpr int kCmdNextWeek = 1208;
constexpr int kCmdPrevDay = 1209;
constexpr int kCmdNextDay = 1210;
constexpr int kCmdToday = 1211;
constexpr int kCmdSelectDate = 1212;
constexpr int kCmdShowHolidays = 1213;
constexpr int kCmdSearchMemo = 1214;
constexpr int kCmdPrevMemo = 1215;
constexpr int kCmdNextMemo = 1216;
constexpr int kCmdHelp = 1301;
constexpr int kCmdVersion = 1302;

// Timers of the main window, and their spans in milliseconds.
constexpr UINT_PTR kMemoRepaintTimer = 1;
constexpr UINT_PTR kMidnightTimer = 2;
constexpr UINT_PTR kMemoWalkTimer = 3;
// While the memo folder keeps changing, the month view is repainted at most this often.
constexpr UINT kMemoRepaintSpan = 100;
// The midnight timer fires this long after midnight, when the local date surely is the
// new day's.
constexpr UINT kMidnightMargin = 200;
// The walk of the whole memo folder starts once the month view has not been painted for
// this long, and then reads a slice this often while the window is idle.
constexpr UINT kMemoWalkDelay = 500;
constexpr UINT kMemoWalkSpan = 10;
// A folder changed this long ago is vouched for again (the folder watch's time tick).
constexpr UINT kMemoTrustWait = 2100;

// The window title, also the caption of the version box.
constexpr const char* kTitle = "Kalvo３";

// The id every unit label shares; the label colouring recognises it.
constexpr int kLabelId = 2000;
constexpr int kIconId = 100;

// Outer size of the window at start-up.
constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 400;

// One child control of the column to the right of the month view.
struct ControlPlace {
    int id;
    const char* text;
    int x;
    int y;
    int width;
};
constexpr int kControlHeight = 24;
constexpr int kButtonCount = 10;
constexpr ControlPlace kButtons[kButtonCount] = {
    {kCmdPrevYear, "<", 248, 72, 32},         {kCmdNextYear, ">", 344, 72, 32},
    {kCmdPrevMonth, "<", 248, 104, 32},       {kCmdNextMonth, ">", 344, 104, 32},
    {kCmdPrevWeek, "<", 248, 136, 32},        {kCmdNextWeek, ">", 344, 136, 32},
    {kCmdPrevDay, "<", 248, 168, 32},         {kCmdNextDay, ">", 344, 168, 32},
    {kCmdToday, "本日へ移動", 248, 200, 128}, {kCmdSelectDate, "指定日へ移動", 248, 232, 128},
};
constexpr int kLabelCount = 4;
constexpr ControlPlace kLabels[kLabelCount] = {
    {kLabelId, "年", 280, 72, 64},
    {kLabelId, "月", 280, 104, 64},
    {kLabelId, "週", 280, 136, 64},
    {kLabelId, "日", 280, 168, 64},
};

// The framework's numbered styles the window draws with.
constexpr int kHollowBrush = 0;
constexpr int kSolidBrush = 1;
constexpr int kSolidPen = 1;
constexpr int kOnePixelWide = 0;
constexpr int kAlignCenter = 1;

// Fonts: the controls' font and the two fonts of the month view.
constexpr const char* kFontFace = "ＭＳ ゴシック";
constexpr int kControlFontHeight = 14;
constexpr int kTitleFontHeight = 24;
constexpr int kDayFontHeight = 16;

// Month view.
constexpr RECT kPanel = {8, 32, 232, 320};
constexpr RECT kRepaintArea = {0, 0, 232, 300};
constexpr POINT kTitleAt = {60, 44};
constexpr int kHeaderTop = 80;
constexpr POINT kGridOrigin = {8, 104};
constexpr int kCellSize = 32;
constexpr int kColumns = 7;
constexpr int kRows = 6;
// Day numbers and header labels sit this far right of (and numbers below) a cell corner.
constexpr int kTextInset = 8;
// The memo mark's box, relative to its cell's top-left corner.
constexpr RECT kMarkBox = {22, 2, 30, 10};
// The day tip: its lines wrap at this width, and it stays this long while the mouse rests.
constexpr int kDayTipWidth = 320;
constexpr int kDayTipShowMs = 30000;
// Client points over the month title where a double click asks for a date: x 60 to 188
// and y 44 to 68, both bounds included, so right and bottom lie one past them.
constexpr RECT kTitleArea = {60, 44, 189, 69};

// The colours used when there is no settings store.
constexpr COLORREF kCalendarBack = RGB(0, 0, 0);
constexpr COLORREF kCalendarText = RGB(255, 255, 255);
constexpr COLORREF kWeekdayText = RGB(255, 255, 255);
constexpr COLORREF kSundayText = RGB(255, 0, 0);
constexpr COLORREF kSatdayText = RGB(0, 192, 255);
constexpr COLORREF kSeldayBack = RGB(64, 64, 128);
constexpr COLORREF kTodayEdge = RGB(255, 255, 64);
constexpr COLORREF kMemodayMark = RGB(0, 255, 0);
constexpr COLORREF kMemodayEdge = RGB(0, 128, 0);
constexpr COLORREF kButtonBack = RGB(0, 0, 0);
constexpr COLORREF kButtonText = RGB(255, 255, 255);

} // namespace MainWndLayout
