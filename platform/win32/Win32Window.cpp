#include "platform/win32/Win32Window.h"

#include <algorithm>

#include "platform/win32/Windows.h"

#include <commctrl.h>

#include "platform/win32/Win32Controls.h"
#include "platform/win32/Mouse.h"
#include "platform/win32/Win32Menu.h"
#include "platform/win32/Win32Platform.h"
#include "strings/UiText.h"

namespace lindrel::platform::win32 {
namespace {

Modifiers keyModifiers() {
  return Modifiers{::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0};
}

Key keyFromVirtualKey(WPARAM virtualKey, const Modifiers& modifiers) {
  switch (virtualKey) {
    case VK_RETURN: return Key::Return;
    case VK_ESCAPE: return Key::Escape;
    case VK_LEFT: return Key::Left;
    case VK_UP: return Key::Up;
    case VK_RIGHT: return Key::Right;
    case VK_DOWN: return Key::Down;
    case VK_SPACE: return Key::Space;
    case VK_OEM_PLUS:
    case VK_ADD: return Key::Plus;
    case VK_OEM_MINUS:
    case VK_SUBTRACT: return Key::Minus;
    case 'C': return Key::C;
    case 'M': return Key::M;
    case VK_APPS: return Key::ContextMenu;
    case VK_F10: return modifiers.shift ? Key::ContextMenu : Key::Other;
    default: return Key::Other;
  }
}

bool isKeyDown(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

// Whether a rectangle has a pixel in the area being painted.
bool meets(const Rect& r, const RECT& area) {
  return !intersect(r, Rect{area.left, area.top, area.right, area.bottom}).empty();
}

}  // namespace

Win32Window::Win32Window(Win32Platform& platform, const WindowSpec& design, Rect rect, Rect frame, int dpi,
                         DWORD style, DWORD exStyle, HWND owner)
    : Window(design, rect, frame, dpi), platform_(platform), style_(style), exStyle_(exStyle) {
  surface_ = std::make_unique<Surface>(platform_.font(design.surfaceFont, dpi), design.foreColour, design.backColour);
  initSurface();
  platform_.registerWindow(this);
  ::CreateWindowExW(exStyle, wide(design.className).c_str(), wide(design.caption).c_str(), style, rect.left, rect.top,
                    rect.width(), rect.height(), owner, nullptr, platform_.instance(), this);
  if (hwnd_ == nullptr) {
    // The destructor will not run: the platform must not keep this half-built window.
    platform_.unregisterWindow(this);
    throw Failure(strings::ui(strings::UiText::NoRoomForWindow));  // the system has no room for another window
  }
  if (design.icon != Picture::None) {
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(platform_.icon(design.icon, 32)));
  }
}

Win32Window::~Win32Window() {
  if (hwnd_ != nullptr) {
    // Nothing of this object may run while the window and its controls go.
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
  children_.clear();
  if (backDc_) ::SelectObject(backDc_.get(), backOriginal_);
  platform_.unregisterWindow(this);
}

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto m = decodeMouse(message, wParam, lParam, /*leftDoubleClick=*/true)) {
    mouse(*m);
    return 0;
  }
  switch (message) {
    case WM_PAINT: paint(); return 0;
    case kFlushInvalidation: flushInvalidation(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) mouseHeld_ = false;
      captureChanged(hwnd_, lParam, mouseRouter());
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      platform_.fire(onMouseLeave);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const Modifiers modifiers = keyModifiers();
      const Key key = keyFromVirtualKey(wParam, modifiers);
      platform_.fire(onKeyDown, key, modifiers);
      // Shift+F10 opens no system menu once it opened ours; Alt+F4 and the like still reach
      // the system.
      if (message == WM_KEYDOWN || key == Key::ContextMenu) return 0;
      break;
    }
    case WM_SETCURSOR:
      if (setCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_TIMER:
      for (auto& timer : timers_) {
        if (timer->id() == wParam) {
          platform_.dispatch([&] {
            if (timer->enabled() && timer->onTimer) timer->onTimer();
          });
          return 0;
        }
      }
      break;
    case WM_COMMAND: command(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_HSCROLL:
      for (auto& child : children_) {
        if (child->handle() == reinterpret_cast<HWND>(lParam)) {
          const WORD code = LOWORD(wParam);
          platform_.dispatch([&] { child->scroll(code); });
          return 0;
        }
      }
      break;
    case DM_GETDEFID:
      for (auto& child : children_) {
        if (child->isDefaultButton()) return MAKELRESULT(child->id(), DC_HASDEFID);
      }
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!applying_ && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        RECT r{};
        ::GetWindowRect(hwnd_, &r);
        platform_.dispatch([&] { systemRect(Rect{r.left, r.top, r.right, r.bottom}); });
      }
      return 0;
    }
    case WM_DPICHANGED: dpiChanged(wParam, lParam); return 0;
    case WM_DISPLAYCHANGE: platform_.displaysChanged(); break;
    case WM_GETOBJECT:
      if (const auto answer = accessible_.answer(platform_.accessibility(), *this, wParam, lParam)) return *answer;
      break;
    case WM_SETTINGCHANGE:
      if (wParam != SPI_SETHIGHCONTRAST) break;
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
      platform_.systemColoursChanged();
      platform_.fire(onSystemColoursChange);
      break;
    case WM_CLOSE:
      platform_.dispatch([&] {
        if (onCloseRequest) {
          onCloseRequest();
        } else {
          close();
        }
      });
      return 0;
    case WM_ENDSESSION:
      // The session may end at any moment after this returns: what must last is saved now.
      if (wParam != FALSE) {
        platform_.fire(onSessionEnd);
      }
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default: break;
  }
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}


std::optional<std::string> Win32Window::valueForClients() const {
  return readForClient(accessibleValue);
}

void Win32Window::announce(std::string_view text) { platform_.accessibility().announce(hwnd_, text); }

void Win32Window::nameControls() {
  for (auto& child : children_) child->annotateName();
}

void Win32Window::mouse(const MouseMessage& m) {
  if (m.action == MouseAction::Move && !trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
    trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
  }
  const auto route = [&] { platform_.dispatch([&] { mouseInput(m.action, m.buttons, m.modifiers, m.at, m.screen); }); };
  if (mouseHeld_) return route();
  // Keep the mouse from the press on, so a drag goes on wherever the pointer goes.
  routeHoldingMouse(hwnd_, m, mouseRouter(), route);
}

void Win32Window::holdMouse(bool hold) {
  if (hwnd_ == nullptr) return;
  mouseHeld_ = hold;
  if (hold) {
    ::SetCapture(hwnd_);
  } else if (::GetCapture() == hwnd_) {
    ::ReleaseCapture();
  }
}

void Win32Window::dpiChanged(WPARAM wParam, LPARAM lParam) {
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  const int dpi = LOWORD(wParam);
  const Rect frame = design().border == Border::None ? Rect{} : frameAt(style_, exStyle_, dpi);
  const Rect to = suggested != nullptr ? Rect{suggested->left, suggested->top, suggested->right, suggested->bottom}
                                       : rect();
  // May arrive inside our own SetWindowPos: what the window's owner does now is applied on its own.
  const bool wasApplying = applying_;
  applying_ = false;
  platform_.dispatch([&] { changeDpi(dpi, to, frame); });
  applying_ = wasApplying;
}

void Win32Window::layOutChildrenAt(int dpi) {
  surface_->setFont(platform_.font(design().surfaceFont, dpi));
  for (auto& child : children_) child->layOutAt(dpi);
}

bool Win32Window::setCursor(HWND over, UINT hitTest) {
  if (over != hwnd_ || hitTest != HTCLIENT) return false;
  applyPointer();
  return true;
}

void Win32Window::applyPointer() { ::SetCursor(platform_.cursorFor(pointer_, dpi())); }

void Win32Window::setTopmost(bool topmost) {
  if (hwnd_ == nullptr) return;
  // A hidden window already in the band it is asked into has nothing to move, raise or
  // activate; start-up asks this several times, and each call is a trip to the window system.
  const bool now = (::GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (!::IsWindowVisible(hwnd_) && now == topmost) return;
  // Raised within the band and activated, so a box shown next is not hidden behind it.
  ::SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Window::setPointer(PointerShape shape) {
  if (shape == pointer_ || hwnd_ == nullptr) {
    pointer_ = shape;
    return;
  }
  pointer_ = shape;
  // While this window or a control of it holds the mouse no WM_SETCURSOR comes, and over
  // a still pointer none comes either: show it now.
  HWND capture = ::GetCapture();
  POINT at{};
  ::GetCursorPos(&at);
  const bool holding = capture != nullptr && (capture == hwnd_ || ::IsChild(hwnd_, capture));
  if (holding || (capture == nullptr && ::WindowFromPoint(at) == hwnd_)) applyPointer();
}

void Win32Window::command(WORD id, WORD code) {
  if (id == IDOK || id == IDCANCEL) {
    clickButtonFlagged(id == IDOK);
    return;
  }
  for (auto& child : children_) {
    if (child->id() == id) {
      platform_.dispatch([&] { child->command(code); });
      return;
    }
  }
}

void Win32Window::clickButtonFlagged(bool isDefault) {
  for (auto& child : children_) {
    if (isDefault ? child->isDefaultButton() : child->isCancelButton()) {
      platform_.dispatch([&] { child->click(); });
      return;
    }
  }
}

void Win32Window::paint() {
  // The update region's own rectangles, not their bounding box: a crosshair's two lines
  // across a large monitor repaint two lines, not the monitor.
  GdiObject region(::CreateRectRgn(0, 0, 0, 0));
  const bool regionKnown = ::GetUpdateRgn(hwnd_, static_cast<HRGN>(region.get()), FALSE) != ERROR;
  const PaintDc target(hwnd_);
  std::vector<RECT> areas{target.area()};
  if (const DWORD bytes = regionKnown ? ::GetRegionData(static_cast<HRGN>(region.get()), 0, nullptr) : 0; bytes != 0) {
    std::vector<std::byte> data(bytes);
    auto* rects = reinterpret_cast<RGNDATA*>(data.data());
    if (::GetRegionData(static_cast<HRGN>(region.get()), bytes, rects) != 0 && rects->rdh.nCount > 0) {
      const auto* first = reinterpret_cast<const RECT*>(rects->Buffer);
      areas.assign(first, first + rects->rdh.nCount);
    }
  }
  const Point client = clientSize();
  for (const RECT& area : areas) {
    const Point size{area.right - area.left, area.bottom - area.top};
    if (!drawnOver(area)) {
      // Nothing over the surface here: straight to the screen, without the back buffer.
      surface_->paint(target.get(), area, backColour());
      continue;
    }
    HDC back = backBuffer(size);
    // The back buffer is the size of the area; drawing there keeps client coordinates.
    ::SetViewportOrgEx(back, -area.left, -area.top, nullptr);
    paintArea(back, area, client);
    ::SetViewportOrgEx(back, 0, 0, nullptr);
    ::BitBlt(target.get(), area.left, area.top, size.x, size.y, back, 0, 0, SRCCOPY);
  }
}

bool Win32Window::drawnOver(const RECT& area) {
  const auto over = [&](const Rect& r) { return meets(r, area); };
  return std::any_of(lines().begin(), lines().end(), [&](const Line& l) { return over(lineBounds(l.from, l.to, l.width)); }) ||
         std::any_of(texts().begin(), texts().end(), [&](const SurfaceText& t) { return over(t.rect); }) ||
         std::any_of(labels().begin(), labels().end(), [&](const auto& l) { return over(l->rect()); }) ||
         std::any_of(overlay().boxes.begin(), overlay().boxes.end(), [&](const Overlay::Box& b) { return over(b.rect); }) ||
         std::any_of(overlay().lines.begin(), overlay().lines.end(),
                     [&](const Overlay::Line& l) { return over(lineBounds(l.from, l.to)); }) ||
         std::any_of(overlay().texts.begin(), overlay().texts.end(), [&](const Overlay::Text& t) {
           return over(Rect::at(t.at, textExtent(design().surfaceFont, t.text)));
         });
}

HDC Win32Window::backBuffer(Point size) {
  if (size.x > backSize_.x || size.y > backSize_.y) {
    const Point bigger{std::max(size.x, backSize_.x), std::max(size.y, backSize_.y)};
    if (!backDc_) {
      backDc_ = MemoryDc(::CreateCompatibleDC(nullptr));
    } else {
      ::SelectObject(backDc_.get(), backOriginal_);
    }
    backBitmap_ = createDib(bigger);
    backOriginal_ = ::SelectObject(backDc_.get(), backBitmap_.get());
    ::SetBkMode(backDc_.get(), TRANSPARENT);
    backSize_ = bigger;
  }
  return backDc_.get();
}

void Win32Window::paintArea(HDC back, const RECT& area, Point client) {
  const ClipGuard clip(back, area);
  // The persistent surface, then the windowless lines, texts and labels, then the overlay.
  surface_->paint(back, area, backColour());
  for (const Line& line : lines()) {
    GdiObject pen(::CreatePen(PS_SOLID, line.width, line.colour));
    SelectGuard select(back, pen.get());
    ::MoveToEx(back, line.from.x, line.from.y, nullptr);
    ::LineTo(back, line.to.x, line.to.y);
  }
  const SelectGuard surfaceFont(back, platform_.font(design().surfaceFont, dpi()));
  ::SetTextColor(back, foreColour());
  for (const SurfaceText& t : texts()) {
    if (t.rect.right > client.x || t.rect.bottom > client.y || !meets(t.rect, area)) continue;
    const std::wstring w = wide(t.text);
    ::TextOutW(back, t.rect.left, t.rect.top, w.c_str(), static_cast<int>(w.size()));
  }
  for (const auto& label : labels()) {
    const Rect r = label->rect();
    if (!meets(r, area)) continue;
    RECT box{r.left, r.top, r.right, r.bottom};
    SelectGuard select(back, platform_.font(label->font(), dpi()));
    ::SetTextColor(back, label->colour());
    const std::wstring caption = wide(label->caption());
    ::DrawTextW(back, caption.c_str(), static_cast<int>(caption.size()), &box, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
  }
  for (const Overlay::Box& b : overlay().boxes) {
    if (!meets(b.rect, area)) continue;
    const RECT box{b.rect.left, b.rect.top, b.rect.right, b.rect.bottom};
    fill(back, box, b.fill);
    GdiObject border(::CreateSolidBrush(b.border));
    ::FrameRect(back, &box, static_cast<HBRUSH>(border.get()));
  }
  for (const Overlay::Line& l : overlay().lines) {
    GdiObject pen(::CreatePen(PS_SOLID, 1, l.colour));
    SelectGuard select(back, pen.get());
    ::MoveToEx(back, l.from.x, l.from.y, nullptr);
    ::LineTo(back, l.to.x, l.to.y);
    ::SetPixelV(back, l.to.x, l.to.y, l.colour);  // LineTo leaves the last pixel out
  }
  for (const Overlay::Text& t : overlay().texts) {
    ::SetTextColor(back, t.colour);
    const std::wstring w = wide(t.text);
    ::TextOutW(back, t.at.x, t.at.y, w.c_str(), static_cast<int>(w.size()));
  }
}

void Win32Window::applyRect(const Rect& rect) {
  if (hwnd_ == nullptr) return;
  const bool wasApplying = applying_;
  applying_ = true;
  ::SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width(), rect.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  applying_ = wasApplying;
}

void Win32Window::growSurface(Point size) { surface_->grow(size, backColour()); }
void Win32Window::clearSurfaceTo(Colour colour) { surface_->clear(colour); }
void Win32Window::surfaceLine(Point from, Point to, Colour colour) { surface_->line(from, to, colour); }
std::optional<ScreenImage> Win32Window::surfaceCapture(const Rect& area) {
  const WindowDc screen = getWindowDc(nullptr);
  return surface_->capture(screen.get(), area);
}

void Win32Window::hide() {
  if (hwnd_ == nullptr) return;
  ::ShowWindow(hwnd_, SW_HIDE);
  // Back on the screen it shows no focus marks until a key is used, as a new window.
  keyboardUsed_ = false;
}

void Win32Window::invalidateArea(const Rect& r) {
  if (hwnd_ == nullptr || r.empty()) return;
  // A scale is a thousand small drawings; each invalidation is a trip to the window
  // system, so they are gathered and handed over once, before the next paint: areas whose
  // bounds cover little more than they do as one, others (a crosshair's two lines) apart,
  // many as their bounds.
  constexpr std::size_t kMostApart = 16;
  const auto size = [](const Rect& a) { return static_cast<long long>(a.width()) * a.height(); };
  const auto closeBy = [&](const Rect& d) { return size(united(d, r)) <= 2 * (size(d) + size(r)) + 1024; };
  if (const auto it = std::find_if(dirty_.begin(), dirty_.end(), closeBy); it != dirty_.end()) {
    *it = united(*it, r);
  } else if (dirty_.size() < kMostApart) {
    dirty_.push_back(r);
  } else {
    for (const Rect& d : dirty_) dirty_.front() = united(dirty_.front(), d);
    dirty_.front() = united(dirty_.front(), r);
    dirty_.resize(1);
  }
  if (!flushPosted_) flushPosted_ = ::PostMessageW(hwnd_, kFlushInvalidation, 0, 0) != FALSE;
}

void Win32Window::flushInvalidation() {
  flushPosted_ = false;
  if (hwnd_ == nullptr) return;
  for (const Rect& d : dirty_) {
    const RECT area{d.left, d.top, d.right, d.bottom};
    ::InvalidateRect(hwnd_, &area, FALSE);
  }
  dirty_.clear();
}

Point Win32Window::textExtent(const FontSpec& font, std::string_view line) {
  HDC dc = surface_->dc();
  SelectGuard select(dc, platform_.font(font, dpi()));
  const std::wstring w = wide(line);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
  if (w.empty()) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    size.cy = metrics.tmHeight;
  }
  return Point{size.cx, size.cy};
}

Rect Win32Window::monitorArea() const { return platform_.monitorArea(rect()); }

void Win32Window::setTooltip(HWND control, std::string_view text) {
  if (tooltip_ == nullptr) {
    platform_.ensureCommonControls();
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, platform_.instance(), nullptr);
  }
  std::wstring w = wide(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = w.data();
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Window::showOnScreen() {
  // The system's controls hide their focus marks until the keyboard is used, as ours do.
  if (!keyboardUsed_) ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  // A window coming onto the screen is painted whole: what waited to be invalidated is in it.
  if (!::IsWindowVisible(hwnd_)) dirty_.clear();
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
  if (takesDialogKeys()) {
    // The first control in tab order takes the keyboard.
    for (auto& child : children_) {
      if (::GetWindowLongW(child->handle(), GWL_STYLE) & WS_TABSTOP) {
        ::SetFocus(child->handle());
        break;
      }
    }
  }
  ::UpdateWindow(hwnd_);
}

void Win32Window::showModal() {
  if (hwnd_ == nullptr) return;
  disabledForModal_ = platform_.disableOthers(hwnd_);
  show();
  while (hwnd_ != nullptr) {
    MSG msg{};
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the outer loop
      break;
    }
    if (got == -1) break;
    platform_.deliver(msg);
  }
  for (HWND h : disabledForModal_) ::EnableWindow(h, TRUE);
  disabledForModal_.clear();
}

void Win32Window::close() {
  if (hwnd_ == nullptr) return;
  // Enable the windows a modal window disabled before it goes, so the activation returns
  // to them and not to another program.
  for (HWND h : disabledForModal_) ::EnableWindow(h, TRUE);
  disabledForModal_.clear();
  mouseRouter().cancelCapture();
  ::DestroyWindow(hwnd_);
  // A closed window holds no pixels: a full-screen one may have held a monitor's worth.
  surface_->clear(backColour());
  if (backDc_) ::SelectObject(backDc_.get(), backOriginal_);
  backBitmap_ = GdiObject{};
  backDc_ = MemoryDc{};
  backSize_ = Point{};
  if (onClose) onClose();
}

bool Win32Window::previewKey(const MSG& msg) {
  if (!onKeyPreview || !isKeyDown(msg.message)) return false;
  // An open drop-down list takes its keys (Esc closes the list, not the window).
  wchar_t className[16] = {};
  if (::GetClassNameW(msg.hwnd, className, 16) > 0 && ::lstrcmpiW(className, L"ComboBox") == 0 &&
      ::SendMessageW(msg.hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0) {
    return false;
  }
  const Modifiers modifiers = keyModifiers();
  const Key key = keyFromVirtualKey(msg.wParam, modifiers);
  bool usedUp = false;
  platform_.dispatch([&] { usedUp = onKeyPreview(key, modifiers); });
  return usedUp;
}

void Win32Window::keyboardUsed() {
  if (keyboardUsed_) return;
  keyboardUsed_ = true;
  // Wine keeps no such state for the system's controls; Windows does.
  ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  if (HWND focus = ::GetFocus(); focus != nullptr && ::IsChild(hwnd_, focus)) ::InvalidateRect(focus, nullptr, FALSE);
}

bool Win32Window::wheel(HWND over, int delta) {
  std::function<void(int)>* handler = over == hwnd_ && onWheel ? &onWheel : nullptr;
  for (auto& child : children_) {
    auto* box = dynamic_cast<Win32PictureBox*>(child.get());
    if (box != nullptr && box->handle() == over && box->onWheel) handler = &box->onWheel;
  }
  if (handler == nullptr) return false;
  // A fine wheel sends parts of a notch; they count once they add up to one.
  wheelDelta_ += delta;
  const int notches = wheelDelta_ / WHEEL_DELTA;
  wheelDelta_ %= WHEEL_DELTA;
  if (notches != 0) platform_.dispatch([&] { (*handler)(notches); });
  return true;
}

void Win32Window::setCaption(std::string_view caption) { ::SetWindowTextW(hwnd_, wide(caption).c_str()); }

void Win32Window::popupMenu(Menu& menu, std::optional<Point> place) {
  auto& tree = dynamic_cast<Win32Menu&>(menu);
  POINT at{};
  if (place) at = POINT{place->x, place->y};
  else ::GetCursorPos(&at);
  // The menu must belong to the foreground window to close when the user clicks elsewhere.
  ::SetForegroundWindow(hwnd_);
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
      tree.popup(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
      hwnd_, nullptr));
  ::PostMessageW(hwnd_, WM_NULL, 0, 0);
  mouseRouter().cancelCapture();
  // A command is an event of its own: its error is reported there and does not cut short
  // what the code that opened the menu does after it.
  platform_.dispatch([&] { tree.run(chosen); });
}

Timer& Win32Window::addTimer(int intervalMs, bool enabled) {
  timers_.push_back(std::make_unique<Win32Timer>(*this, timers_.size() + 1, intervalMs, enabled));
  return *timers_.back();
}

template <class T>
T& Win32Window::addChild(std::unique_ptr<T> child) {
  T& ref = *child;
  children_.push_back(std::move(child));
  return ref;
}

TextBox& Win32Window::addTextBox(const TextBoxSpec& design) {
  return addChild(std::make_unique<Win32TextBox>(*this, nextChildId(), design));
}

ScrollBar& Win32Window::addScrollBar(const ScrollBarSpec& design) {
  return addChild(std::make_unique<Win32ScrollBar>(*this, nextChildId(), design));
}

ComboBox& Win32Window::addComboBox(const ComboBoxSpec& design) {
  return addChild(std::make_unique<Win32ComboBox>(*this, nextChildId(), design));
}

PictureBox& Win32Window::addPictureBox(const PictureBoxSpec& design) {
  return addChild(std::make_unique<Win32PictureBox>(*this, nextChildId(), design));
}

Button& Win32Window::addButton(const ButtonSpec& design) {
  return addChild(std::make_unique<Win32Button>(*this, nextChildId(), design));
}

HotkeyBox& Win32Window::addHotkeyBox(const HotkeyBoxSpec& design) {
  platform_.ensureCommonControls();
  return addChild(std::make_unique<Win32HotkeyBox>(*this, nextChildId(), design));
}

CheckBox& Win32Window::addCheckBox(const CheckBoxSpec& design) {
  return addChild(std::make_unique<Win32CheckBox>(*this, nextChildId(), design));
}

}  // namespace lindrel::platform::win32
