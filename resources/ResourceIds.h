// Ids of the resources linked into Kalvo.exe, shared by the resource script and the code.
#pragma once

// The calendar icon: the main window's class icon and the dialogs' small icon.
#define IDI_KALVO 100
