#pragma once
// Assistive technology on Win32. Windows and picture boxes that the program names answer
// WM_GETOBJECT with an IAccessible of their own (UI Automation clients reach it through the
// system's MSAA proxy); value changes go out as WinEvents; the system's controls are named by
// Dynamic Annotation; a short notice is raised as a UI Automation notification where the
// system has one. oleacc, ole32, oleaut32 and uiautomationcore load only once a client has
// shown itself, so a program that no screen reader reads pays nothing for them.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/Handles.h"

#include <ole2.h>
#include <oleacc.h>

namespace lindrel::platform::win32 {

class AccessibleObject;

// What an accessible object reads of the window it stands for (its client area).
class AccessibleSource {
 public:
  virtual HWND accessibleHandle() const = 0;
  virtual std::string nameForClients() const = 0;
  // None: the element has no value.
  virtual std::optional<std::string> valueForClients() const = 0;
  // An MSAA role (ROLE_SYSTEM_...).
  virtual long roleForClients() const = 0;

 protected:
  ~AccessibleSource() = default;
};

class Accessibility;

// A value read while a client waits: none when there is none, or when it cannot be read (never
// a message box).
std::optional<std::string> readForClient(const std::function<std::string()>& read);

// A window's own accessible object: made on the first request, kept for the next ones, and cut
// off from its window when the window goes (a client may hold it longer).
class AccessibleObjectOwner {
 public:
  AccessibleObjectOwner() = default;
  ~AccessibleObjectOwner();
  AccessibleObjectOwner(const AccessibleObjectOwner&) = delete;
  AccessibleObjectOwner& operator=(const AccessibleObjectOwner&) = delete;
  // The answer to WM_GETOBJECT; none where the system is to answer.
  std::optional<LRESULT> answer(Accessibility& accessibility, AccessibleSource& source, WPARAM flags, LPARAM objectId);

 private:
  AccessibleObject* object_ = nullptr;
};

class Accessibility {
 public:
  Accessibility();
  ~Accessibility();
  Accessibility(const Accessibility&) = delete;
  Accessibility& operator=(const Accessibility&) = delete;

  // A client asked one of the program's windows for an object: from now on the system's
  // controls are named as they are made (onFirstClient names those made before).
  void clientAsked();
  bool clientSeen() const { return clientSeen_; }
  std::function<void()> onFirstClient;

  // Clients are told of a change (EVENT_OBJECT_VALUECHANGE, ...) of a window's client area.
  static void changed(HWND window, DWORD event);
  // A system control's name, as Dynamic Annotation gives it; nothing where the system lacks it.
  void nameControl(HWND control, std::string_view name);
  // Said once by a screen reader, through UI Automation, where the system has notifications.
  void announce(HWND window, std::string_view text);

  // For accessible objects: the COM apartment of this thread, BSTRs, the parent object.
  bool ready();
  BSTR bstr(std::string_view text) const;
  LRESULT lresultFromObject(WPARAM flags, IUnknown* object) const;
  IDispatch* windowObject(HWND window) const;

 private:
  bool clientSeen_ = false;
  bool loaded_ = false;
  bool ready_ = false;
  // This thread entered COM here, and leaves it when the platform goes.
  struct ApartmentTraits {
    using Handle = bool;
    void (WINAPI* leave)() = nullptr;
    static constexpr bool empty() { return false; }
    void close(bool) const { leave(); }
  };
  ModuleHandle ole32_, oleaut32_, oleacc_, uiautomation_;
  Scoped<ApartmentTraits> apartment_;
  BSTR(WINAPI* sysAllocStringLen_)(const OLECHAR*, UINT) = nullptr;
  LRESULT(WINAPI* lresultFromObject_)(REFIID, WPARAM, IUnknown*) = nullptr;
  HRESULT(WINAPI* accessibleObjectFromWindow_)(HWND, DWORD, REFIID, void**) = nullptr;
  HRESULT(WINAPI* coCreateInstance_)(REFCLSID, IUnknown*, DWORD, REFIID, void**) = nullptr;
  HRESULT(WINAPI* hostProviderFromHwnd_)(HWND, IUnknown**) = nullptr;
  HRESULT(WINAPI* raiseNotification_)(IUnknown*, int, int, BSTR, BSTR) = nullptr;
  void(WINAPI* sysFreeString_)(BSTR) = nullptr;
  ComPtr<IAccPropServices> propertyServices_;  // made for the first name
  bool propertyServicesTried_ = false;
  // A string for COM, freed when it goes.
  struct BstrTraits {
    using Handle = BSTR;
    void(WINAPI* free)(BSTR) = nullptr;
    static constexpr BSTR empty() { return nullptr; }
    void close(BSTR text) const { free(text); }
  };
};

}  // namespace lindrel::platform::win32
