// lindrel.exe: builds the Win32 platform, starts the program and runs its message loop.

#include "app/Application.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "ruler/RulerWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  lindrel::platform::win32::Win32Platform platform(instance);
  lindrel::Application app(platform);
  app.start();
  app.onRulerClosed = [&platform] { platform.quit(0); };
  return platform.run();
}
