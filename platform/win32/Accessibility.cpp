#include "platform/win32/Accessibility.h"

#include <exception>

namespace lindrel::platform::win32 {
namespace {

// Defined here rather than taken from the import libraries, whose IID_IAccessible is an
// imported symbol and not the GUID itself under MinGW.
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
// UI Automation's NotificationKind_ActionCompleted and NotificationProcessing_MostRecent.
constexpr int kActionCompleted = 2;
constexpr int kMostRecent = 3;

template <class F>
void load(F*& to, HMODULE module, const char* name) {
  to = procedureOf<F>(module, name);
}

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

// ---- The object a named window answers with

class AccessibleObject final : public IAccessible {
 public:
  AccessibleObject(Accessibility& accessibility, AccessibleSource& source)
      : accessibility_(accessibility), source_(&source) {}
  // The window goes: from now on every call says the object is gone.
  void disconnect() { source_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Clients use the IAccessible methods directly, not through IDispatch.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count != nullptr) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (parent == nullptr) return E_POINTER;
    *parent = nullptr;
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    // The window itself (its frame), as the system's own client objects answer.
    *parent = accessibility_.windowObject(source_->accessibleHandle());
    return *parent != nullptr ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return source_ != nullptr ? S_OK : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (child != nullptr) *child = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return text(child, name, [&] { return std::optional(source_->nameForClients()); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return text(child, value, [&] { return source_->valueForClients(); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (const HRESULT ready = check(child, role); ready != S_OK) return ready;
    role->vt = VT_I4;
    role->lVal = source_->roleForClients();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (const HRESULT ready = check(child, state); ready != S_OK) return ready;
    const HWND hwnd = source_->accessibleHandle();
    long flags = STATE_SYSTEM_READONLY;
    if (!::IsWindowVisible(hwnd)) flags |= STATE_SYSTEM_INVISIBLE;
    if (::GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) flags |= STATE_SYSTEM_FOCUSABLE;
    if (::GetFocus() == hwnd) flags |= STATE_SYSTEM_FOCUSED;
    state->vt = VT_I4;
    state->lVal = flags;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return none(text); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return none(text); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long*) override { return none(file); }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return none(text); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* text) override { return none(text); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (focus == nullptr) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (::GetFocus() != source_->accessibleHandle()) return S_FALSE;
    focus->vt = VT_I4;
    focus->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection != nullptr) selection->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    if (!isSelf(child)) return E_INVALIDARG;
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const RECT client = clientOnScreen();
    *left = client.left, *top = client.top, *width = client.right - client.left, *height = client.bottom - client.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    if (end != nullptr) end->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (child == nullptr) return E_POINTER;
    child->vt = VT_EMPTY;
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const RECT client = clientOnScreen();
    if (!::PtInRect(&client, POINT{x, y})) return S_FALSE;
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

 private:
  ~AccessibleObject() = default;

  template <class T>
  HRESULT check(const VARIANT& child, T* out) const {
    if (out == nullptr) return E_POINTER;
    if (!isSelf(child)) return E_INVALIDARG;
    return source_ != nullptr ? S_OK : CO_E_OBJNOTCONNECTED;
  }
  template <class F>
  HRESULT text(const VARIANT& child, BSTR* out, F read) const {
    if (const HRESULT ready = check(child, out); ready != S_OK) return ready;
    *out = nullptr;
    const std::optional<std::string> value = read();
    if (!value) return DISP_E_MEMBERNOTFOUND;
    *out = accessibility_.bstr(*value);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  static HRESULT none(BSTR* out) {
    if (out != nullptr) *out = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  RECT clientOnScreen() const {
    const HWND hwnd = source_->accessibleHandle();
    RECT client{};
    ::GetClientRect(hwnd, &client);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
  }

  LONG references_ = 1;
  Accessibility& accessibility_;
  AccessibleSource* source_;
};

std::optional<std::string> readForClient(const std::function<std::string()>& read) {
  if (!read) return std::nullopt;
  try {
    return read();
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

AccessibleObjectOwner::~AccessibleObjectOwner() {
  if (object_ == nullptr) return;
  object_->disconnect();
  object_->Release();
}

std::optional<LRESULT> AccessibleObjectOwner::answer(Accessibility& accessibility, AccessibleSource& source, WPARAM flags,
                                                     LPARAM objectId) {
  accessibility.clientAsked();
  // What the program does not name is answered for by the system. Compared as a DWORD: on
  // 64-bit Windows the sign of lParam may be extended.
  if (source.nameForClients().empty() || static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT) ||
      !accessibility.ready()) {
    return std::nullopt;
  }
  if (object_ == nullptr) object_ = new AccessibleObject(accessibility, source);
  const LRESULT answer = accessibility.lresultFromObject(flags, object_);
  if (answer < 0) return std::nullopt;  // the system's proxy then answers
  return answer;
}

// ---- The libraries, loaded for the first client

Accessibility::Accessibility() {
  // A screen reader that is already running says so; it may ask a control first.
  BOOL screenReader = FALSE;
  clientSeen_ = ::SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader;
}

Accessibility::~Accessibility() {
  // Before the apartment closes.
  propertyServices_.reset();
}

void Accessibility::clientAsked() {
  if (clientSeen_) return;
  clientSeen_ = true;
  if (onFirstClient) onFirstClient();
}

bool Accessibility::ready() {
  if (loaded_) return ready_;
  loaded_ = true;
  ole32_ = ModuleHandle(::LoadLibraryW(L"ole32.dll"));
  oleaut32_ = ModuleHandle(::LoadLibraryW(L"oleaut32.dll"));
  oleacc_ = ModuleHandle(::LoadLibraryW(L"oleacc.dll"));
  HRESULT(WINAPI * enter)(void*, DWORD) = nullptr;
  void(WINAPI * leave)() = nullptr;
  load(enter, ole32_.get(), "CoInitializeEx");
  load(leave, ole32_.get(), "CoUninitialize");
  load(coCreateInstance_, ole32_.get(), "CoCreateInstance");
  load(sysAllocStringLen_, oleaut32_.get(), "SysAllocStringLen");
  load(sysFreeString_, oleaut32_.get(), "SysFreeString");
  load(lresultFromObject_, oleacc_.get(), "LresultFromObject");
  load(accessibleObjectFromWindow_, oleacc_.get(), "AccessibleObjectFromWindow");
  if (enter == nullptr || leave == nullptr || sysAllocStringLen_ == nullptr || sysFreeString_ == nullptr ||
      lresultFromObject_ == nullptr) {
    return false;
  }
  // Calls from clients come to this thread through its message loop: a single-threaded
  // apartment, so the window's state is never read from another thread. A thread already in
  // another kind of apartment leaves the answers to the system.
  const HRESULT entered = enter(nullptr, COINIT_APARTMENTTHREADED);
  if (entered == S_OK || entered == S_FALSE) apartment_ = Scoped<ApartmentTraits>(true, ApartmentTraits{leave});
  ready_ = entered == S_OK || entered == S_FALSE;
  return ready_;
}

BSTR Accessibility::bstr(std::string_view text) const {
  const std::wstring w = wide(text);
  return sysAllocStringLen_(w.data(), static_cast<UINT>(w.size()));
}

LRESULT Accessibility::lresultFromObject(WPARAM flags, IUnknown* object) const {
  return lresultFromObject_(__uuidof(IAccessible), flags, object);
}

IDispatch* Accessibility::windowObject(HWND window) const {
  void* object = nullptr;
  if (accessibleObjectFromWindow_ == nullptr ||
      accessibleObjectFromWindow_(window, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch), &object) != S_OK) {
    return nullptr;
  }
  return static_cast<IDispatch*>(object);
}

void Accessibility::changed(HWND window, DWORD event) {
  if (window != nullptr) ::NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

void Accessibility::nameControl(HWND control, std::string_view name) {
  if (control == nullptr || name.empty() || !clientSeen_ || !ready() || coCreateInstance_ == nullptr) return;
  if (!propertyServicesTried_) {
    propertyServicesTried_ = true;
    void* services = nullptr;
    if (coCreateInstance_(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface, &services) ==
        S_OK) {
      propertyServices_ = ComPtr<IAccPropServices>(static_cast<IAccPropServices*>(services));
    }
  }
  // Where the system has no Dynamic Annotation (Wine answers E_NOTIMPL) the control keeps
  // the name the system gives it.
  if (propertyServices_) {
    std::wstring w = wide(name);
    propertyServices_.get()->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kNameProperty,
                                            w.c_str());
  }
}

void Accessibility::announce(HWND window, std::string_view text) {
  // Nobody listens before a client has asked for an object.
  if (window == nullptr || !clientSeen_ || !ready()) return;
  if (!uiautomation_) {
    uiautomation_ = ModuleHandle(::LoadLibraryW(L"uiautomationcore.dll"));
    load(hostProviderFromHwnd_, uiautomation_.get(), "UiaHostProviderFromHwnd");
    load(raiseNotification_, uiautomation_.get(), "UiaRaiseNotificationEvent");  // Windows 10 1709 and later
  }
  if (hostProviderFromHwnd_ == nullptr || raiseNotification_ == nullptr) return;
  IUnknown* provider = nullptr;
  if (hostProviderFromHwnd_(window, &provider) != S_OK || provider == nullptr) return;
  const ComPtr<IUnknown> owned(provider);
  const Scoped<BstrTraits> said(bstr(text), BstrTraits{sysFreeString_});
  const Scoped<BstrTraits> activity(bstr("Lindrel"), BstrTraits{sysFreeString_});
  raiseNotification_(provider, kActionCompleted, kMostRecent, said.get(), activity.get());
}

}  // namespace lindrel::platform::win32
