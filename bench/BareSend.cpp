// A floor for a command start: the least a program does to hand a command over by
// WM_COPYDATA, started and ended at once. It reads the running copy's message window from
// the section the copy leaves it in (looking it up by class would start the display driver)
// and sends it an empty message with a tag the copy does not know, which the copy ignores.

#include <cstdint>

#include "platform/win32/Windows.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HWND copy = nullptr;
  if (HANDLE section = ::OpenFileMappingW(FILE_MAP_READ, FALSE, L"Local\\Lindrel.Copies")) {
    if (const void* view = ::MapViewOfFile(section, FILE_MAP_READ, 0, 0, sizeof(std::uint64_t))) {
      copy = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*static_cast<const std::uint64_t*>(view)));
      ::UnmapViewOfFile(view);
    }
    ::CloseHandle(section);
  }
  if (copy != nullptr) {
    COPYDATASTRUCT data{0, 0, nullptr};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(copy, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 1000, &result);
  }
  return 0;
}
