#pragma once

// Ids of the dialog templates and of their controls, shared by the resource script and
// the dialog classes. Plain macros, so that the resource compiler can read them too.

// Date selection dialog.
#define IDD_SELECT_DATE 200
#define IDC_SELECT_DATE_YEAR 1001
#define IDC_SELECT_DATE_MONTH 1002
#define IDC_SELECT_DATE_DAY 1003
#define IDC_SELECT_DATE_YEAR_UNIT 1101
#define IDC_SELECT_DATE_MONTH_UNIT 1102
#define IDC_SELECT_DATE_DAY_UNIT 1103

// Memo list dialog.
#define IDD_MEMO_LIST 201
#define IDC_MEMO_LIST_SELECT_ALL 1201
#define IDC_MEMO_LIST_CLEAR 1202
#define IDC_MEMO_LIST_DELETE 1203
#define IDC_MEMO_LIST_PROGRESS 1204

// Colour settings dialog: labels, then the colour buttons.
#define IDD_COLOR_CONFIG 202
#define IDC_COLOR_CALENDAR_LABEL 1101
#define IDC_COLOR_WEEKDAY_LABEL 1102
#define IDC_COLOR_SUNDAY_LABEL 1103
#define IDC_COLOR_SATDAY_LABEL 1104
#define IDC_COLOR_SELDAY_LABEL 1105
#define IDC_COLOR_TODAY_LABEL 1106
#define IDC_COLOR_MEMODAY_LABEL 1107
#define IDC_COLOR_BUTTON_LABEL 1108
#define IDC_COLOR_SAMPLE_LABEL 1110
#define IDC_COLOR_CALENDAR_TEXT 1201
#define IDC_COLOR_CALENDAR_BACK 1202
#define IDC_COLOR_WEEKDAY_TEXT 1203
#define IDC_COLOR_SUNDAY_TEXT 1204
#define IDC_COLOR_SATDAY_TEXT 1205
#define IDC_COLOR_SELDAY_BACK 1206
#define IDC_COLOR_TODAY_EDGE 1207
#define IDC_COLOR_MEMODAY_EDGE 1208
#define IDC_COLOR_MEMODAY_MARK 1209
#define IDC_COLOR_BUTTON_TEXT 1210
#define IDC_COLOR_BUTTON_BACK 1211

// Memo search dialog: the words, 検索, the results and the status line.
#define IDD_SEARCH_MEMO 203
#define IDC_SEARCH_MEMO_WORDS 1001
#define IDC_SEARCH_MEMO_START 1002
#define IDC_SEARCH_MEMO_RESULTS 1003
#define IDC_SEARCH_MEMO_STATUS 1004
