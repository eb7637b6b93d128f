// The baseline for the start-up benchmark: the least a Win32 program does to put a topmost
// yellow strip of the ruler's size on the screen. No resources, no drawing of its own.

#include "platform/win32/Windows.h"

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hbrBackground = ::CreateSolidBrush(RGB(255, 255, 0));
  wc.lpszClassName = L"BareRuler";
  ::RegisterClassExW(&wc);
  const int w = ::GetSystemMetrics(SM_CXSCREEN) / 2, h = 67;
  ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"BareRuler", L"Form1", WS_POPUP | WS_VISIBLE,
                    (::GetSystemMetrics(SM_CXSCREEN) - w) / 2, (::GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h,
                    nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  return 0;
}
