#pragma once
// A window on Win32. The window procedure turns messages into the window's events.

#include <memory>
#include <vector>

#include "platform/Window.h"
#include "platform/win32/Accessibility.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Surface.h"

namespace lindrel::platform::win32 {

class Win32Platform;
class Win32Child;
class Win32Timer;
struct MouseMessage;

class Win32Window final : public Window, private AccessibleSource {
 public:
  Win32Window(Win32Platform& platform, const WindowSpec& design, Rect rect, Rect frame, int dpi, DWORD style,
              DWORD exStyle, HWND owner);
  ~Win32Window() override;

  Timer& addTimer(int intervalMs, bool enabled) override;
  TextBox& addTextBox(const TextBoxSpec& design) override;
  ScrollBar& addScrollBar(const ScrollBarSpec& design) override;
  ComboBox& addComboBox(const ComboBoxSpec& design) override;
  PictureBox& addPictureBox(const PictureBoxSpec& design) override;
  Button& addButton(const ButtonSpec& design) override;
  HotkeyBox& addHotkeyBox(const HotkeyBoxSpec& design) override;
  CheckBox& addCheckBox(const CheckBoxSpec& design) override;
  void showModal() override;
  void close() override;
  void hide() override;
  void holdMouse(bool hold) override;
  bool isOpen() const override { return hwnd_ != nullptr; }
  bool isVisible() const override { return hwnd_ != nullptr && ::IsWindowVisible(hwnd_); }
  void setTopmost(bool topmost) override;
  void setPointer(PointerShape shape) override;
  void popupMenu(Menu& menu, std::optional<Point> at) override;
  void setCaption(std::string_view caption) override;
  void accessibleValueChanged() override { Accessibility::changed(hwnd_, EVENT_OBJECT_VALUECHANGE); }
  void announce(std::string_view text) override;
  // Names the system's controls for assistive technology (see Accessibility::nameControl).
  void nameControls();
  // A key on its way to this window or a control of it, before the dialog keys: true when
  // onKeyPreview used it up.
  bool previewKey(const MSG& msg);
  // The wheel turned over a window of this one: true when a picture box there took it.
  bool wheel(HWND over, int delta);
  // As dialogs do, focus marks show once the keyboard has been used in the window since it
  // came onto the screen.
  void keyboardUsed();
  bool showsFocusMarks() const { return keyboardUsed_; }

  HWND handle() const { return hwnd_; }
  // What a control does, shown while the pointer rests on it.
  void setTooltip(HWND control, std::string_view text);
  // Windows with controls take the dialog keys: Tab, Enter (the default button), Esc.
  bool takesDialogKeys() const { return !children_.empty(); }
  // The pointer this window shows now: the program's pointer code, else its own.
  void applyPointer();
  Win32Platform& platform() { return platform_; }
  // The window procedure of every window class: finds the window and hands it the message.
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void applyRect(const Rect& rect) override;
  void showOnScreen() override;
  Rect monitorArea() const override;
  void growSurface(Point size) override;
  void clearSurfaceTo(Colour colour) override;
  void surfaceLine(Point from, Point to, Colour colour) override;
  std::optional<ScreenImage> surfaceCapture(const Rect& area) override;
  void invalidateArea(const Rect& clientPixels) override;
  Point textExtent(const FontSpec& font, std::string_view line) override;
  void layOutChildrenAt(int dpi) override;

 private:
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  HWND accessibleHandle() const override { return hwnd_; }
  std::string nameForClients() const override { return accessibleName(); }
  std::optional<std::string> valueForClients() const override;
  long roleForClients() const override { return ROLE_SYSTEM_CLIENT; }
  void paint();
  // Whether anything is drawn over the surface in an area of the client.
  bool drawnOver(const RECT& area);
  // A buffer at least this large to compose an area in before it goes to the screen.
  HDC backBuffer(Point size);
  // Everything drawn in an area of the client, onto the back buffer at client coordinates.
  void paintArea(HDC back, const RECT& area, Point client);
  void flushInvalidation();
  static constexpr UINT kFlushInvalidation = WM_APP + 1;
  void mouse(const MouseMessage& m);
  void dpiChanged(WPARAM wParam, LPARAM lParam);
  bool setCursor(HWND over, UINT hitTest);
  void command(WORD id, WORD code);
  void clickButtonFlagged(bool isDefault);
  template <class T>
  T& addChild(std::unique_ptr<T> child);
  int nextChildId() { return 100 + static_cast<int>(children_.size()); }

  Win32Platform& platform_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;  // a child of the window: it goes with it
  int wheelDelta_ = 0;  // what the wheel turned short of a notch
  bool keyboardUsed_ = false;
  bool mouseHeld_ = false;  // the program holds the mouse for the whole screen
  std::unique_ptr<Surface> surface_;
  MemoryDc backDc_;
  GdiObject backBitmap_;
  HGDIOBJ backOriginal_ = nullptr;
  Point backSize_{};
  bool applying_ = false;
  DWORD style_;
  DWORD exStyle_;
  bool trackingLeave_ = false;  // TrackMouseEvent asked for the next WM_MOUSELEAVE
  std::vector<Rect> dirty_;
  bool flushPosted_ = false;
  PointerShape pointer_ = PointerShape::Default;
  std::vector<HWND> disabledForModal_;
  std::vector<std::unique_ptr<Win32Timer>> timers_;
  std::vector<std::unique_ptr<Win32Child>> children_;
  AccessibleObjectOwner accessible_;  // made for the first client that asks
};

}  // namespace lindrel::platform::win32
