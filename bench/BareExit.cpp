// The baseline for a command start: the least a Win32 program does, started and ended at
// once, with nothing to show.

#include "platform/win32/Windows.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
