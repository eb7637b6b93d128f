#pragma once
// The one way into <windows.h>: lean, without min/max macros, and without the A/W macros
// that would rename the Api interface's TextOut and Reg* members.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>
#include <windowsx.h>

#undef TextOut
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegCreateKeyEx
#undef RegSetValueEx
#undef RegDeleteValue
