#include "platform/win32/Win32Controls.h"

#include <algorithm>

#include "platform/win32/Windows.h"

#include <commctrl.h>

#include "platform/win32/Mouse.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"

namespace lindrel::platform::win32 {
namespace {

constexpr wchar_t kPictureClass[] = L"LindrelPicture";
constexpr int kComboListHeight = 160;  // pixels the open list of a drop-down takes
constexpr int kButtonPictureSize = 20;  // a picture inside the border of a button 25 pixels high, at 96 DPI

std::wstring windowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

}  // namespace

void Win32Child::create(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
                        const Rect& design, const FontSpec& font) {
  design_ = design;
  font_ = font;
  const Rect rect = scaledToDpi(design, owner_.dpi());
  hwnd_ = ::CreateWindowExW(exStyle, className, text.c_str(), style | WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                            rect.width(), rect.height(), owner_.handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), owner_.platform().instance(), this);
  // Set once a DPI: each WM_SETFONT makes the control measure its font again.
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(owner_.platform().font(font, owner_.dpi())), FALSE);
  if (owner_.platform().accessibility().clientSeen()) annotateName();
}

void Win32Child::annotateName() { owner_.platform().accessibility().nameControl(hwnd_, accessibleName_); }

void Win32Child::layOutAt(int dpi) {
  if (hwnd_ == nullptr) return;
  const Rect rect = scaledToDpi(design_, dpi);
  ::SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width(), rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(owner_.platform().font(font_, dpi)), TRUE);
}

void Win32Child::subclass(WNDPROC procedure) {
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  originalProcedure_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT Win32Child::original(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(originalProcedure_, hwnd_, message, wParam, lParam);
}

// ---- Timer

Win32Timer::Win32Timer(Win32Window& owner, UINT_PTR id, int interval, bool enabled)
    : Timer(interval, enabled), owner_(owner), id_(id) {
  schedule();
}

void Win32Timer::schedule() {
  HWND hwnd = owner_.handle();
  if (hwnd == nullptr) return;
  if (enabled() && interval() > 0) {
    ::SetTimer(hwnd, id_, static_cast<UINT>(interval()), nullptr);
  } else {
    ::KillTimer(hwnd, id_);
  }
}

// ---- Mouse input of child controls

bool childMouse(Win32Window& owner, HWND hwnd, MouseRouter& router, MouseElement& element, UINT message,
                WPARAM wParam, LPARAM lParam) {
  if (message == WM_CAPTURECHANGED) {
    captureChanged(hwnd, lParam, router);
    return false;
  }
  const auto m = decodeMouse(message, wParam, lParam, /*leftDoubleClick=*/false);
  if (!m) return false;
  // Any button keeps the mouse until the last release, wherever the pointer goes.
  routeHoldingMouse(hwnd, *m, router, [&] {
    owner.platform().dispatch(
        [&] { router.route(m->action, m->buttons, m->modifiers, m->at, m->screen, [&](Point) -> MouseElement& { return element; }); });
  });
  // Over other windows no WM_SETCURSOR comes while the mouse is held: keep the pointer right.
  if (m->action == MouseAction::Move && router.captured() != nullptr) owner.applyPointer();
  return true;
}

// ---- Text box

namespace {

// The ways an edit control changes its text other than by a typed character: Delete and
// Shift+Insert/Shift+Delete arrive as key presses, the context menu's commands run inside
// its own message, and paste, cut, clear and undo may also come as messages of their own.
bool editsWithoutCharacter(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN: return wParam == VK_DELETE || wParam == VK_INSERT;
    case WM_CONTEXTMENU:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO: return true;
    default: return false;
  }
}

}  // namespace

Win32TextBox::Win32TextBox(Win32Window& owner, int id, const TextBoxSpec& design) : Win32Child(owner, id) {
  accessibleName_ = design.accessibleName;
  DWORD style = WS_TABSTOP | ES_LEFT;
  style |= design.multiLine ? (ES_MULTILINE | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
  if (design.readOnly) style |= ES_READONLY;
  if (design.verticalScrollBar) style |= WS_VSCROLL;
  create(L"EDIT", wide(design.text), style, WS_EX_CLIENTEDGE, design.design, design.font);
  if (design.noMargins) ::SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
  if (design.maxLength > 0) ::SendMessageW(hwnd_, EM_SETLIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
  subclass(procedure);
}

std::string Win32TextBox::text() const { return hwnd_ ? narrow(windowText(hwnd_)) : std::string{}; }

void Win32TextBox::setText(std::string_view text) {
  if (hwnd_ == nullptr) return;
  const std::wstring w = wide(text);
  ::SetWindowTextW(hwnd_, w.c_str());
  // The caret matters only in the box being typed in; elsewhere it would cost a repaint.
  if (::GetFocus() == hwnd_) ::SendMessageW(hwnd_, EM_SETSEL, w.size(), w.size());
}

LRESULT CALLBACK Win32TextBox::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = Win32Child::self<Win32TextBox>(hwnd);
  if (message == WM_CHAR) {
    // Ctrl+A selects everything, and Ctrl+C, V, X and Z go the way of the context menu's
    // commands, so every box has them and an edit is told once, below.
    UINT command = 0;
    switch (wParam) {
      case 0x01: ::SendMessageW(hwnd, EM_SETSEL, 0, -1); return 0;
      case 0x03: command = WM_COPY; break;
      case 0x16: command = WM_PASTE; break;
      case 0x18: command = WM_CUT; break;
      case 0x1A: command = WM_UNDO; break;
      default: break;
    }
    if (command != 0) return ::SendMessageW(hwnd, command, 0, 0);
  }
  if (message == WM_CHAR && (self->acceptsCharacter || self->onUserEdit)) {
    const auto character = static_cast<char16_t>(wParam);
    bool accepted = true;
    self->owner_.platform().dispatch([&] {
      if (self->acceptsCharacter) accepted = self->acceptsCharacter(character);
    });
    if (!accepted) return 0;
    const LRESULT result = self->original(message, wParam, lParam);
    self->owner_.platform().fire(self->onUserEdit);
    return result;
  }
  if (self->onUserEdit && !self->editing_ && editsWithoutCharacter(message, wParam)) {
    // The context menu's Paste may send WM_PASTE to the box: one edit, told once.
    const std::wstring before = windowText(hwnd);
    self->editing_ = true;
    const LRESULT result = self->original(message, wParam, lParam);
    self->editing_ = false;
    if (self->hwnd_ != nullptr && windowText(hwnd) != before) {
      self->owner_.platform().dispatch([&] { self->onUserEdit(); });
    }
    return result;
  }
  const LRESULT result = self->original(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->hwnd_ = nullptr;
  return result;
}

// ---- Scroll bar

Win32ScrollBar::Win32ScrollBar(Win32Window& owner, int id, const ScrollBarSpec& design)
    : Win32Child(owner, id), min_(design.min), max_(design.max) {
  accessibleName_ = design.accessibleName;
  create(L"SCROLLBAR", L"", SBS_HORZ | WS_TABSTOP, 0, design.design);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, design.min, design.max, 0, design.value, 0};
  ::SetScrollInfo(hwnd_, SB_CTL, &info, TRUE);
  // Drawn plain, without the visual style: Wine draws a themed bar in milliseconds, and the
  // magnifier moves three of them twenty times a second. Where no style is loaded the bar is
  // plain already.
  const auto setWindowTheme =
      procedureOf<HRESULT WINAPI(HWND, LPCWSTR, LPCWSTR)>(::GetModuleHandleW(L"uxtheme.dll"), "SetWindowTheme");
  if (setWindowTheme != nullptr) setWindowTheme(hwnd_, L" ", L" ");  // matches no style
}

int Win32ScrollBar::value() const { return hwnd_ ? ::GetScrollPos(hwnd_, SB_CTL) : 0; }

void Win32ScrollBar::setValue(int value) {
  if (hwnd_ != nullptr) ::SetScrollPos(hwnd_, SB_CTL, std::clamp(value, min_, max_), TRUE);
}

void Win32ScrollBar::scroll(WORD code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(hwnd_, SB_CTL, &info);
  int position = info.nPos;
  switch (code) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= 10; break;
    case SB_PAGERIGHT: position += 10; break;
    case SB_LEFT: position = min_; break;
    case SB_RIGHT: position = max_; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
  }
  position = std::max(min_, std::min(max_, position));
  if (position == info.nPos) return;  // the end of a drag, or an arrow at the end: no change
  ::SetScrollPos(hwnd_, SB_CTL, position, TRUE);
  if (onUserChange) onUserChange();
}

// ---- Drop-down list

Win32ComboBox::Win32ComboBox(Win32Window& owner, int id, const ComboBoxSpec& design) : Win32Child(owner, id) {
  accessibleName_ = design.accessibleName;
  Rect withList = design.design;
  withList.bottom += kComboListHeight;
  create(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, withList);
}

void Win32ComboBox::add(std::string_view text) {
  if (hwnd_ != nullptr) ::SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

int Win32ComboBox::selectedIndex() const {
  return hwnd_ ? static_cast<int>(::SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)) : -1;
}

void Win32ComboBox::select(int index) {
  if (hwnd_ != nullptr) ::SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32ComboBox::command(WORD code) {
  if (code == CBN_SELCHANGE && onSelect) onSelect();
}

// ---- Picture box

void Win32PictureBox::registerClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPictureClass;
  ::RegisterClassExW(&wc);
}

Win32PictureBox::Win32PictureBox(Win32Window& owner, int id, const PictureBoxSpec& design)
    : Win32Child(owner, id), backColour_(design.backColour), picture_(design.picture), focusable_(design.focusable) {
  owner.platform().ensureControlClasses();
  accessibleName_ = design.accessibleName;
  surface_ = std::make_unique<Surface>(owner.platform().font(FontSpec{}, owner.dpi()), kBlack, backColour_);
  create(kPictureClass, L"", design.focusable ? WS_TABSTOP : 0, design.border ? WS_EX_CLIENTEDGE : 0, design.design);
  growToClient();
  drawPicture();
}

void Win32PictureBox::layOutAt(int dpi) {
  Win32Child::layOutAt(dpi);
  surface_->setFont(owner_.platform().font(FontSpec{}, dpi));
  growToClient();
  surface_->clear(backColour_);
  drawPicture();
}

void Win32PictureBox::growToClient() {
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  surface_->grow(Point{client.right, client.bottom}, backColour_);
}

LRESULT CALLBACK Win32PictureBox::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // create() passes the Win32Child part, which does not start the object.
    auto* self = static_cast<Win32PictureBox*>(
        static_cast<Win32Child*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32PictureBox*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      const PaintDc dc(hwnd);
      self->repaintPending_ = false;
      self->paint(dc.get(), dc.area());
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: ::InvalidateRect(hwnd, nullptr, FALSE); break;
    case WM_GETOBJECT:
      if (const auto answer = self->accessible_.answer(self->owner_.platform().accessibility(), *self, wParam, lParam)) {
        return *answer;
      }
      break;
    case WM_GETDLGCODE:
      // The arrow keys stay with a focused box instead of moving the focus on.
      if (self->focusable_) return DLGC_WANTARROWS;
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (self->focusable_) ::SetFocus(hwnd);
      if (childMouse(self->owner_, hwnd, self->router_, *self, message, wParam, lParam)) return 0;
      break;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      break;
    default:
      if (childMouse(self->owner_, hwnd, self->router_, *self, message, wParam, lParam)) return 0;
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

RECT Win32PictureBox::cornerBox(HDC dc) const {
  if (cornerText_.empty()) return RECT{};
  SIZE text{};
  ::GetTextExtentPoint32W(dc, cornerText_.c_str(), static_cast<int>(cornerText_.size()), &text);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const int margin = ::MulDiv(2, owner_.dpi(), kDesignDpi);
  return RECT{client.right - text.cx - 2 * margin, client.bottom - text.cy, client.right, client.bottom};
}

void Win32PictureBox::paint(HDC dc, const RECT& area) {
  // The corner text and the focus mark go on the screen only: the surface keeps what was
  // drawn. The corner is left out of the copy, so the text never flickers over the picture.
  const SelectGuard font(dc, owner_.platform().font(FontSpec{}, owner_.dpi()));
  const RECT corner = cornerBox(dc);
  if (!cornerText_.empty()) ::ExcludeClipRect(dc, corner.left, corner.top, corner.right, corner.bottom);
  surface_->paint(dc, area, backColour_);
  ::SelectClipRgn(dc, nullptr);
  if (!cornerText_.empty()) {
    // In the face colours of the controls round it: the system's while high contrast is on.
    const SystemColours system = owner_.platform().systemColours();
    ::SetBkColor(dc, system.highContrast ? system.buttonFace : kButtonFace);
    ::SetTextColor(dc, system.highContrast ? system.buttonText : kBlack);
    ::ExtTextOutW(dc, corner.left + ::MulDiv(2, owner_.dpi(), kDesignDpi), corner.top, ETO_OPAQUE, &corner,
                  cornerText_.c_str(), static_cast<UINT>(cornerText_.size()), nullptr);
  }
  if (hasFocus() && owner_.showsFocusMarks()) {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    ::DrawFocusRect(dc, &client);
  }
}

Point Win32PictureBox::screenOrigin() const {
  POINT origin{0, 0};
  ::ClientToScreen(hwnd_, &origin);
  return Point{origin.x, origin.y};
}

void Win32PictureBox::setCornerText(std::string_view text) {
  const std::wstring w = wide(text);
  if (w == cornerText_) return;
  cornerText_ = w;
  invalidate(nullptr);
}

void Win32PictureBox::setTooltip(std::string_view text) { owner_.setTooltip(hwnd_, text); }

void Win32PictureBox::setAccessibleName(std::string_view name) {
  if (name == accessibleName_) return;
  accessibleName_ = name;
  Accessibility::changed(hwnd_, EVENT_OBJECT_NAMECHANGE);
}

std::optional<std::string> Win32PictureBox::valueForClients() const {
  return readForClient(accessibleValue);
}

void Win32PictureBox::invalidate(const RECT* area) {
  // Each invalidation is a call to the window system; once the whole box waits for its
  // repaint, more would add nothing.
  if (hwnd_ == nullptr || repaintPending_) return;
  ::InvalidateRect(hwnd_, area, FALSE);
  repaintPending_ = area == nullptr;
}

void Win32PictureBox::showScreenArea(const Rect& screenArea, const Rect& into) {
  // While picking the screen's DC stays open between the ticks.
  HDC held = owner_.platform().heldScreen();
  const WindowDc own = held != nullptr ? WindowDc{} : getWindowDc(nullptr);
  surface_->stretchFrom(held != nullptr ? held : own.get(), screenArea, into);
  invalidate(nullptr);
}

void Win32PictureBox::setBackColour(Colour colour) {
  if (colour == backColour_ && surface_->plain()) return;  // already all that colour
  backColour_ = colour;
  surface_->clear(colour);
  drawPicture();
  invalidate(nullptr);
}

void Win32PictureBox::setPicture(Picture picture) {
  picture_ = picture;
  surface_->clear(backColour_);
  drawPicture();
  invalidate(nullptr);
}

void Win32PictureBox::fillRects(std::span<const Rect> areas, Colour colour) {
  if (areas.empty()) return;
  surface_->fillAreas(areas, colour);
  Rect all;
  for (const Rect& area : areas) all = united(all, area);
  const RECT r{all.left, all.top, all.right, all.bottom};
  invalidate(&r);
}

void Win32PictureBox::drawPicture() {
  const int size = ::MulDiv(32, owner_.dpi(), kDesignDpi);
  if (HICON icon = owner_.platform().icon(picture_, size)) {
    surface_->cover(Rect{0, 0, size, size});
    ::DrawIconEx(surface_->dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  }
}

// ---- Hotkey box and check box

Win32HotkeyBox::Win32HotkeyBox(Win32Window& owner, int id, const HotkeyBoxSpec& design) : Win32Child(owner, id) {
  create(HOTKEY_CLASSW, L"", WS_TABSTOP | WS_BORDER, 0, design.design);
}

std::optional<Hotkey> Win32HotkeyBox::hotkey() const {
  const auto value = static_cast<WORD>(::SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0));
  if (LOBYTE(value) == 0) return std::nullopt;
  const BYTE flags = HIBYTE(value);
  return Hotkey{LOBYTE(value), static_cast<std::uint8_t>(((flags & HOTKEYF_ALT) ? Hotkey::Alt : 0) |
                                                         ((flags & HOTKEYF_CONTROL) ? Hotkey::Ctrl : 0) |
                                                         ((flags & HOTKEYF_SHIFT) ? Hotkey::Shift : 0))};
}

void Win32HotkeyBox::setHotkey(std::optional<Hotkey> key) {
  const BYTE flags = key ? static_cast<BYTE>(((key->modifiers & Hotkey::Alt) ? HOTKEYF_ALT : 0) |
                                             ((key->modifiers & Hotkey::Ctrl) ? HOTKEYF_CONTROL : 0) |
                                             ((key->modifiers & Hotkey::Shift) ? HOTKEYF_SHIFT : 0))
                         : 0;
  ::SendMessageW(hwnd_, HKM_SETHOTKEY, MAKEWORD(key ? key->key : 0, flags), 0);
}

Win32CheckBox::Win32CheckBox(Win32Window& owner, int id, const CheckBoxSpec& design) : Win32Child(owner, id) {
  create(L"BUTTON", wide(design.caption), WS_TABSTOP | BS_AUTOCHECKBOX, 0, design.design);
}

bool Win32CheckBox::checked() const { return ::SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32CheckBox::setChecked(bool checked) {
  ::SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// ---- Button

Win32Button::Win32Button(Win32Window& owner, int id, const ButtonSpec& design)
    : Win32Child(owner, id), picture_(design.picture), isDefault_(design.isDefault), isCancel_(design.isCancel) {
  accessibleName_ = design.accessibleName;  // a caption names a button already
  const DWORD style = WS_TABSTOP | (design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  create(L"BUTTON", wide(design.caption), style, 0, design.design);
  subclass(procedure);
}

void Win32Button::setPicture(Picture picture) {
  if (picture == picture_) return;
  picture_ = picture;
  if (hwnd_ != nullptr) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Button::paintWithPicture() {
  // The button paints itself, then the picture goes over it, inside its border at its DPI.
  // Not by BM_SETIMAGE: Wine's buttons copy each image given and keep every copy.
  const PaintDc dc(hwnd_);
  original(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT | PRF_ERASEBKGND);
  const int size = scaledToDpi(kButtonPictureSize, owner_.dpi());
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  ::DrawIconEx(dc.get(), (client.right - size) / 2, (client.bottom - size) / 2, owner_.platform().icon(picture_, size),
               size, size, 0, nullptr, DI_NORMAL);
}

void Win32Button::command(WORD code) {
  if (code == BN_CLICKED) click();
}

void Win32Button::click() {
  if (onClick) onClick();
}

LRESULT CALLBACK Win32Button::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = Win32Child::self<Win32Button>(hwnd);
  switch (message) {
    case WM_NCDESTROY: {
      const LRESULT result = self->original(message, wParam, lParam);
      self->hwnd_ = nullptr;
      return result;
    }
    case WM_PAINT:
      if (self->picture_ == Picture::None) break;
      self->paintWithPicture();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      // The button's own handling first (its pushed look, its click), then ours.
      const LRESULT result = self->original(message, wParam, lParam);
      childMouse(self->owner_, hwnd, self->router_, *self, message, wParam, lParam);
      return result;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      // A plain button ignores these; the pen takes any button.
      childMouse(self->owner_, hwnd, self->router_, *self, message, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
      childMouse(self->owner_, hwnd, self->router_, *self, message, wParam, lParam);
      break;
    default: break;
  }
  return self->original(message, wParam, lParam);
}

}  // namespace lindrel::platform::win32
