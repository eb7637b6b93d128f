#include "tests/e2e/Driver.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include <winternl.h>

namespace lindrel::e2e {
namespace {

// The driver reads the screen in physical pixels at any DPI, as the program does.
const bool dpiAware = ::SetProcessDPIAware() != FALSE;

long sent = 0;

// Input events sent together, then a moment for the program to take them.
void send(std::vector<INPUT> in, DWORD settleMs) {
  sent += static_cast<long>(in.size());
  ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  settle(settleMs);
}

INPUT mouseInput(DWORD flags, POINT p) {
  // Absolute over every monitor together, 0..65535, rounded up: the system rounds down to the pixel.
  const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int w = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), h = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = ((p.x - x) * 65536 + w - 1) / w;
  in.mi.dy = ((p.y - y) * 65536 + h - 1) / h;
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return in;
}

// A virtual key, or with vk 0 a character typed as itself.
INPUT keyInput(WORD vk, bool up, wchar_t character = 0) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = character;
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (vk == 0 ? KEYEVENTF_UNICODE : 0);
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN) in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  return in;
}

void mouseAt(POINT p, std::initializer_list<DWORD> flags, DWORD settleMs = 30) {
  std::vector<INPUT> in;
  for (const DWORD flag : flags) in.push_back(mouseInput(flag, p));
  send(in, settleMs);
}

}  // namespace

// What this process holds, as the system counts it. Windows tells through GetGuiResources
// and GetProcessHandleCount; Wine answers neither, so there the GDI objects are the used
// entries of the process's GDI handle table, the USER objects the windows, menus and icons
// its 16-bit handles reach, and the kernel handles this process's in the system's list.
namespace {

long gdiObjects() {
  if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(n);
  struct Entry { ULONGLONG object; ULONG owner; USHORT unique; UCHAR type, flags; ULONGLONG user; };
  using QueryProcess = LONG(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query(::GetCurrentProcess(), 0 /* ProcessBasicInformation */, &basic, sizeof basic, nullptr) != 0) return 0;
  const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8);  // GdiSharedHandleTable
  long used = 0;
  for (int i = 0; table != nullptr && i < 0x10000; ++i) used += table[i].type != 0;
  return used;
}

long userObjects() {
  if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<long>(n);
  long used = 0;
  for (ULONG_PTR h = 0x20; h < 0x10000; h += 2) {
    DWORD pid = 0;
    if (::IsWindow(reinterpret_cast<HWND>(h)) && ::GetWindowThreadProcessId(reinterpret_cast<HWND>(h), &pid) &&
        pid == ::GetCurrentProcessId()) {
      ++used;
    } else if (::IsMenu(reinterpret_cast<HMENU>(h))) {
      ++used;
    } else if (ICONINFO info{}; ::GetIconInfo(reinterpret_cast<HICON>(h), &info)) {
      ::DeleteObject(info.hbmMask);
      ::DeleteObject(info.hbmColor);
      ++used;
    }
  }
  return used;
}

long kernelHandles() {
  if (DWORD n = 0; ::GetProcessHandleCount(::GetCurrentProcess(), &n) && n != 0) return static_cast<long>(n);
  using Query = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  struct Handle { ULONG pid; UCHAR type, flags; USHORT value; PVOID object; ACCESS_MASK access; };
  std::vector<BYTE> list(1 << 22);
  ULONG length = 0;
  if (query(16 /* SystemHandleInformation */, list.data(), static_cast<ULONG>(list.size()), &length) != 0) return 0;
  const ULONG count = *reinterpret_cast<const ULONG*>(list.data());
  const auto* handles = reinterpret_cast<const Handle*>(list.data() + sizeof(void*));
  long ours = 0;
  for (ULONG i = 0; i < count; ++i) ours += handles[i].pid == ::GetCurrentProcessId();
  return ours;
}

}  // namespace

Resources resourcesOfThisProcess() { return {gdiObjects(), userObjects(), kernelHandles()}; }

std::wstring besideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring self(path);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + name;
}

bool inEnglish() {
  static const bool english = [] {
    const char* language = std::getenv("LINDREL_TEST_LANGUAGE");
    return language != nullptr && std::string_view(language) == "English";
  }();
  return english;
}

void forgetSettings() {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Lindrel");
  // A first start, but in the language of the run.
  if (inEnglish()) {
    const DWORD english = 1;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Lindrel", L"Language", REG_DWORD, &english, sizeof english);
  }
}

Program::Program(KeptSettings kept, const std::wstring& arguments) {
  if (kept == KeptSettings::Forgotten) forgetSettings();
  std::wstring commandLine = L"\"" + besideThisProgram(L"lindrel.exe") + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const BOOL started =
      ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
  if (!started) throw std::runtime_error("cannot start lindrel.exe");
  ::WaitForInputIdle(process_.hProcess, 10000);
}

Program::~Program() {
  ::TerminateProcess(process_.hProcess, 1);  // refused, harmlessly, when it has ended already
  ::WaitForSingleObject(process_.hProcess, 5000);
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
  settle(200);
}

DWORD Program::waitForExit(DWORD ms) const {
  ::WaitForSingleObject(process_.hProcess, ms);
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::vector<HWND> visibleWindows(DWORD pid, const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND h = nullptr; (h = ::FindWindowExW(nullptr, h, className, nullptr)) != nullptr;) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(h, &owner);
    if ((pid == 0 || owner == pid) && ::IsWindowVisible(h)) found.push_back(h);
  }
  return found;
}

HWND Program::window(const wchar_t* className, DWORD ms) const {
  std::vector<HWND> found;
  waitFor([&] { return !(found = windows(className)).empty(); }, ms);
  return found.empty() ? nullptr : found.front();
}

HCURSOR Program::systemCursor(const wchar_t* id) const {
  // LoadCursorW(nullptr, id) for x64, id coming as the thread's parameter:
  // mov rdx, rcx; xor ecx, ecx; mov rax, LoadCursorW; sub rsp, 40; call rax; add rsp, 40; ret.
  // user32 lies at the same address in every process.
  unsigned char code[] = {0x48, 0x89, 0xCA, 0x31, 0xC9, 0x48, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0,
                          0x48, 0x83, 0xEC, 0x28, 0xFF, 0xD0, 0x48, 0x83, 0xC4, 0x28, 0xC3};
  const auto load = reinterpret_cast<ULONG_PTR>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "LoadCursorW"));
  std::memcpy(code + 7, &load, sizeof load);
  void* at = ::VirtualAllocEx(process_.hProcess, nullptr, sizeof code, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
  ::WriteProcessMemory(process_.hProcess, at, code, sizeof code, nullptr);
  const HANDLE thread = ::CreateRemoteThread(process_.hProcess, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(at),
                                             const_cast<wchar_t*>(id), 0, nullptr);
  DWORD handle = 0;  // user handles fit in 32 bits
  ::WaitForSingleObject(thread, 5000);
  ::GetExitCodeThread(thread, &handle);
  ::CloseHandle(thread);
  ::VirtualFreeEx(process_.hProcess, at, 0, MEM_RELEASE);
  return reinterpret_cast<HCURSOR>(static_cast<ULONG_PTR>(handle));
}

Box rectOf(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return Box{r.left, r.top, r.right, r.bottom};
}

std::wstring textOf(HWND hwnd) {
  wchar_t buffer[4096] = {};
  ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

HWND child(HWND parent, const wchar_t* className, int index) {
  HWND h = ::FindWindowExW(parent, nullptr, className, nullptr);
  while (h != nullptr && index-- > 0) h = ::FindWindowExW(parent, h, className, nullptr);
  return h;
}

Shot::Shot(const Box& area) : width_(area.width()), height_(area.height()), bits_(std::size_t(width_) * height_) {
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width_, height_);
  const HGDIOBJ before = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
  ::SelectObject(memory, before);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  ::GetDIBits(memory, bitmap, 0, height_, bits_.data(), &info, DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

COLORREF Shot::at(int x, int y) const {
  const DWORD p = bits_[std::size_t(y) * width_ + x];  // 0x00RRGGBB
  return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

HCURSOR pointerShape() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  ::GetCursorInfo(&info);
  return info.hCursor;
}

bool waitFor(const std::function<bool()>& condition, DWORD ms) {
  for (const ULONGLONG end = ::GetTickCount64() + ms; !condition(); ::Sleep(20)) {
    if (::GetTickCount64() > end) return false;
  }
  return true;
}

long inputEventsSent() { return sent; }

void moveTo(POINT p) { mouseAt(p, {MOUSEEVENTF_MOVE}); }

void mouseButton(DWORD flag, POINT p) { mouseAt(p, {MOUSEEVENTF_MOVE, flag}); }

void click(POINT p, bool right) {
  mouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, p);
  mouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, p);
}

void wheel(POINT p, int notches) {
  moveTo(p);
  for (int i = 0; i < std::abs(notches); ++i) {
    INPUT in = mouseInput(MOUSEEVENTF_WHEEL, p);
    in.mi.mouseData = static_cast<DWORD>(notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
    send({in}, 60);
  }
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

bool clickOn(HWND control) {
  if (control != nullptr) click(rectOf(control).centre());
  return control != nullptr;
}

void doubleClick(POINT p) {
  const DWORD down = MOUSEEVENTF_LEFTDOWN, up = MOUSEEVENTF_LEFTUP;
  mouseAt(p, {MOUSEEVENTF_MOVE, down, up, down, up}, 100);
}

void drag(POINT from, POINT to, int steps, DWORD restMs) {
  mouseButton(MOUSEEVENTF_LEFTDOWN, from);
  for (int i = 1; i <= steps; ++i) moveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  settle(restMs);
  mouseButton(MOUSEEVENTF_LEFTUP, to);
}

void hoverAndDrag(POINT from, POINT to, int steps) {
  moveTo(from);
  settle(250);
  drag(from, to, steps);
}

void key(WORD vk, bool shift, bool ctrl, bool alt, bool win) {
  // The Windows key, Shift, Ctrl and Alt go down in that order round the key and come up in the reverse.
  const std::pair<bool, WORD> modifiers[] = {{alt, VK_MENU}, {ctrl, VK_CONTROL}, {shift, VK_SHIFT}, {win, VK_LWIN}};
  std::vector<INPUT> in{keyInput(vk, false), keyInput(vk, true)};
  for (const auto& [held, modifier] : modifiers) {
    if (!held) continue;
    in.insert(in.begin(), keyInput(modifier, false));
    in.push_back(keyInput(modifier, true));
  }
  send(in, 60);
}

void holdKey(WORD vk, bool down) { send({keyInput(vk, !down)}, 30); }

void typeText(const std::wstring& text) {
  for (const wchar_t c : text) send({keyInput(0, false, c), keyInput(0, true, c)}, 40);
}

void throughX(const std::wstring& xdotoolArguments) {
  // Wine runs a Unix program as it runs its own; it inherits the display.
  std::wstring commandLine = L"xdotool " + xdotoolArguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(L"Z:\\usr\\bin\\xdotool", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    throw std::runtime_error("cannot start xdotool");
  }
  ::WaitForSingleObject(process.hProcess, 5000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  settle(300);
}

PaintedArea::PaintedArea(const Box& area, std::function<void(HDC)> paint) : paint_(std::move(paint)) {
  thread_ = std::jthread([this, area] {
    WNDCLASSW windowClass{};
    windowClass.lpszClassName = L"LindrelTestArea";
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message != WM_PAINT) return ::DefWindowProcW(hwnd, message, wParam, lParam);
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      reinterpret_cast<PaintedArea*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA))->paint_(dc);
      ::EndPaint(hwnd, &ps);
      return 0;
    };
    ::RegisterClassW(&windowClass);
    HWND hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"LindrelTestArea", L"", WS_POPUP, area.left, area.top, area.width(),
                                  area.height(), nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    window_ = hwnd;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    ::DestroyWindow(hwnd);
  });
  waitFor([&] { return window_.load() != nullptr; });
  settle(300);
}

PaintedArea::~PaintedArea() {
  if (HWND hwnd = window_.load()) ::PostThreadMessageW(::GetWindowThreadProcessId(hwnd, nullptr), WM_QUIT, 0, 0);
}

std::wstring clipboardText() {
  std::wstring text;
  // The program may still hold the clipboard for a moment.
  if (!waitFor([] { return ::OpenClipboard(nullptr) != FALSE; }, 1000)) return text;
  const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (const auto* p = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr) {
    // Exactly the text: the block may not hold more than the text and its zero.
    text.assign(p, ::wcsnlen(p, ::GlobalSize(data) / sizeof(wchar_t)));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

bool setClipboardText(const std::wstring& text) {
  if (!::OpenClipboard(nullptr)) return false;
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(block), text.c_str(), bytes);
  ::GlobalUnlock(block);
  const bool put = ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  ::CloseClipboard();
  if (!put) ::GlobalFree(block);  // the clipboard owns it only once it is set
  return put;
}

}  // namespace lindrel::e2e
