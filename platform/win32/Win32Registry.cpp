// The registry as the program uses it: its own values under HKCU\Software\Lindrel, and text
// values of the system's, read without write rights.

#include <vector>

#include "platform/win32/Win32Platform.h"

namespace lindrel::platform::win32 {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Lindrel";

StoredValue::Kind kindOf(DWORD type) {
  switch (type) {
    case REG_DWORD: return StoredValue::Kind::Number;
    case REG_BINARY: return StoredValue::Kind::Bytes;
    default: return StoredValue::Kind::Other;
  }
}

std::wstring expanded(const std::wstring& text) {
  const DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::wstring out(needed, L'\0');
  const DWORD written = ::ExpandEnvironmentStringsW(text.c_str(), out.data(), needed);
  if (written == 0 || written > needed) return text;
  out.resize(written - 1);  // less the terminating zero
  return out;
}

}  // namespace

std::optional<StoredValues> RegistrySettingsStore::readAll() {
  HKEY opened = nullptr;
  const LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &opened);
  if (status == ERROR_FILE_NOT_FOUND) return StoredValues{};
  if (status != ERROR_SUCCESS) return std::nullopt;
  const RegistryKey key(opened);
  DWORD count = 0, longestName = 0, longestData = 0;
  if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                         &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  StoredValues values;
  std::wstring name(longestName + 1, L'\0');
  std::vector<std::uint8_t> data(longestData);
  for (DWORD i = 0; i < count; ++i) {
    DWORD nameLength = longestName + 1, type = 0, size = longestData;
    if (::RegEnumValueW(key.get(), i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
      continue;  // changed by another copy meanwhile: the next start reads it
    }
    values[lowerCase(narrow(std::wstring_view(name.data(), nameLength)))] =
        StoredValue{kindOf(type), std::vector<std::uint8_t>(data.begin(), data.begin() + size)};
  }
  return values;
}

bool RegistrySettingsStore::write(std::string_view name, const std::optional<StoredValue>& value) {
  HKEY created = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const RegistryKey key(created);
  if (!value) {
    const LSTATUS status = ::RegDeleteValueW(key.get(), wide(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }
  const DWORD type = value->kind == StoredValue::Kind::Number ? REG_DWORD : REG_BINARY;
  return ::RegSetValueExW(key.get(), wide(name).c_str(), 0, type, value->bytes.data(),
                          static_cast<DWORD>(value->bytes.size())) == ERROR_SUCCESS;
}

std::optional<std::string> Win32Platform::readSystemText(std::string_view keyPath, std::string_view name) {
  HKEY opened = nullptr;
  // Read rights only: a standard user may not open these keys for writing.
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(keyPath).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const RegistryKey key(opened);
  DWORD type = 0, size = 0;
  const std::wstring valueName = wide(name);
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string{};
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(::wcsnlen(text.c_str(), size / sizeof(wchar_t)));
  return narrow(type == REG_EXPAND_SZ ? expanded(text) : text);
}

}  // namespace lindrel::platform::win32
