// lindrel.exe: builds the Win32 platform, starts the program for its command line and runs
// its message loop.

#include "app/Application.h"
#include "app/Commands.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "ruler/RulerWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  lindrel::platform::win32::Win32Platform platform(instance);
  lindrel::Application app(platform);
  if (!app.start(lindrel::argumentsOf(lindrel::platform::win32::narrow(::GetCommandLineW())))) return 0;
  app.onRulerClosed = [&platform] { platform.quit(0); };
  return platform.run();
}
