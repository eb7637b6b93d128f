#pragma once
// Owners for the handles the forms take through the Win32-named API.

#include <string_view>

#include "platform/Api.h"
#include "platform/Scoped.h"

namespace lindrel::platform {

struct ApiDcTraits {
  using Handle = Hdc;
  Api* api = nullptr;
  Hwnd window = kNoWindow;
  static constexpr Hdc empty() { return kNoDc; }
  void close(Hdc dc) const { api->ReleaseDC(window, dc); }
};

// The device context of the whole screen, released when the owner goes.
using ScreenDc = Scoped<ApiDcTraits>;
inline ScreenDc getScreenDc(Api& api) { return ScreenDc(api.GetDC(kNoWindow), ApiDcTraits{&api, kNoWindow}); }

struct ApiKeyTraits {
  using Handle = Hkey;
  Api* api = nullptr;
  static constexpr Hkey empty() { return kNoKey; }
  void close(Hkey key) const { api->RegCloseKey(key); }
};

using RegistryKey = Scoped<ApiKeyTraits>;

// Opens a key; an empty owner when the open failed.
inline RegistryKey openRegistryKey(Api& api, Hkey root, std::string_view path, std::uint32_t access) {
  Hkey key = kNoKey;
  if (api.RegOpenKeyEx(root, path, 0, access, key) != kErrorSuccess) return RegistryKey{};
  return RegistryKey(key, ApiKeyTraits{&api});
}

// Opens a key, made first when it is not there; an empty owner when that failed.
inline RegistryKey createRegistryKey(Api& api, Hkey root, std::string_view path, std::uint32_t access) {
  Hkey key = kNoKey;
  if (api.RegCreateKeyEx(root, path, kRegOptionNonVolatile, access, key) != kErrorSuccess) return RegistryKey{};
  return RegistryKey(key, ApiKeyTraits{&api});
}

}  // namespace lindrel::platform
