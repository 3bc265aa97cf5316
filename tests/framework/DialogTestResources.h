#pragma once

// Ids of the dialog test program's own resources, shared by its .rc and its tests.
#define IDD_TEST_DIALOG 900
#define IDI_TEST_ICON 901
#define IDC_TEST_EDIT 910
