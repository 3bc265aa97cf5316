#include <windows.h>

// Entry routine. The application object, its start-up order and the main window
// come with the program's window; until then the program starts and ends at once.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
