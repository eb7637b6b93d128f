#pragma once
// The real child controls: edit boxes, scroll bars, drop-down lists, picture boxes, buttons,
// and the timer.

#include <memory>

#include "platform/Controls.h"
#include "platform/MouseRouter.h"
#include "platform/win32/Accessibility.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Surface.h"

namespace lindrel::platform::win32 {

class Win32Platform;
class Win32Window;

class Win32Child {
 public:
  Win32Child(Win32Window& owner, int id) : owner_(owner), id_(id) {}
  virtual ~Win32Child() = default;
  int id() const { return id_; }
  HWND handle() const { return hwnd_; }
  // WM_COMMAND and WM_HSCROLL notifications from the control.
  virtual void command(WORD) {}
  virtual void scroll(WORD) {}
  virtual bool isDefaultButton() const { return false; }
  virtual bool isCancelButton() const { return false; }
  virtual void click() {}
  // Places the control and sets its font at a DPI, from its design.
  virtual void layOutAt(int dpi);
  // Gives a system control its name for assistive technology, once a client is there.
  virtual void annotateName();

 protected:
  // Creates the control in the window's font, or in `font` where it names one.
  void create(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle, const Rect& design,
              const FontSpec& font = {});
  // Puts our procedure in front of the control's own (user32 only: comctl32 stays unloaded
  // until a window with controls opens, which keeps the start-up quick).
  void subclass(WNDPROC procedure);
  LRESULT original(UINT message, WPARAM wParam, LPARAM lParam);
  template <class T>
  static T* self(HWND hwnd) {
    // The window holds the Win32Child part, which is not the first base of every control.
    return static_cast<T*>(reinterpret_cast<Win32Child*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
  }
  Win32Window& owner_;
  WNDPROC originalProcedure_ = nullptr;
  int id_;
  HWND hwnd_ = nullptr;
  Rect design_;
  FontSpec font_;
  std::string accessibleName_;  // set before create()
};

class Win32Timer final : public Timer {
 public:
  Win32Timer(Win32Window& owner, UINT_PTR id, int interval, bool enabled);
  UINT_PTR id() const { return id_; }

 private:
  void schedule() override;
  Win32Window& owner_;
  UINT_PTR id_;
};

class Win32TextBox final : public TextBox, public Win32Child {
 public:
  Win32TextBox(Win32Window& owner, int id, const TextBoxSpec& design);
  std::string text() const override;
  void setText(std::string_view text) override;

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  bool editing_ = false;
};

class Win32ScrollBar final : public ScrollBar, public Win32Child {
 public:
  Win32ScrollBar(Win32Window& owner, int id, const ScrollBarSpec& design);
  int value() const override;
  void setValue(int value) override;
  void scroll(WORD code) override;

 private:
  int min_, max_;
};

class Win32ComboBox final : public ComboBox, public Win32Child {
 public:
  Win32ComboBox(Win32Window& owner, int id, const ComboBoxSpec& design);
  void add(std::string_view text) override;
  int selectedIndex() const override;
  void select(int index) override;
  void command(WORD code) override;
};

class Win32HotkeyBox final : public HotkeyBox, public Win32Child {
 public:
  Win32HotkeyBox(Win32Window& owner, int id, const HotkeyBoxSpec& design);
  std::optional<Hotkey> hotkey() const override;
  void setHotkey(std::optional<Hotkey> key) override;
};

class Win32CheckBox final : public CheckBox, public Win32Child {
 public:
  Win32CheckBox(Win32Window& owner, int id, const CheckBoxSpec& design);
  bool checked() const override;
  void setChecked(bool checked) override;
};

class Win32PictureBox final : public PictureBox, public Win32Child, public MouseElement, private AccessibleSource {
 public:
  Win32PictureBox(Win32Window& owner, int id, const PictureBoxSpec& design);
  void showScreenArea(const Rect& screenArea, const Rect& into) override;
  void fillRects(std::span<const Rect> areas, Colour colour) override;
  std::optional<Colour> pixel(Point at) const override { return surface_->pixel(at); }
  Colour backColour() const override { return backColour_; }
  void setBackColour(Colour colour) override;
  void setPicture(Picture picture) override;
  bool hasFocus() const override { return hwnd_ != nullptr && ::GetFocus() == hwnd_; }
  Point screenOrigin() const override;
  void setCornerText(std::string_view text) override;
  void setTooltip(std::string_view text) override;
  void setAccessibleName(std::string_view name) override;
  void accessibleValueChanged() override { Accessibility::changed(hwnd_, EVENT_OBJECT_VALUECHANGE); }
  MouseHandlers& mouseHandlers() override { return *this; }
  Point mouseOrigin() const override { return Point{}; }

  static void registerClass(HINSTANCE instance);
  void layOutAt(int dpi) override;
  // A picture box answers for itself.
  void annotateName() override {}

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  HWND accessibleHandle() const override { return hwnd_; }
  std::string nameForClients() const override { return accessibleName_; }
  std::optional<std::string> valueForClients() const override;
  long roleForClients() const override { return ROLE_SYSTEM_GRAPHIC; }
  void growToClient();
  void drawPicture();
  void invalidate(const RECT* area);  // none: the whole box
  void paint(HDC dc, const RECT& area);
  // Where the corner text goes, in client pixels (empty without one).
  RECT cornerBox(HDC dc) const;
  Colour backColour_;
  std::wstring cornerText_;
  bool repaintPending_ = false;  // the whole box waits for its repaint
  Picture picture_;
  bool focusable_;
  std::unique_ptr<Surface> surface_;
  MouseRouter router_;
  AccessibleObjectOwner accessible_;  // made for the first client that asks
};

class Win32Button final : public Button, public Win32Child, public MouseElement {
 public:
  Win32Button(Win32Window& owner, int id, const ButtonSpec& design);
  void setPicture(Picture picture) override;
  void command(WORD code) override;
  bool isDefaultButton() const override { return isDefault_; }
  bool isCancelButton() const override { return isCancel_; }
  void click() override;
  MouseHandlers& mouseHandlers() override { return *this; }
  Point mouseOrigin() const override { return Point{}; }

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  void paintWithPicture();
  Picture picture_;
  bool isDefault_;
  bool isCancel_;
  MouseRouter router_;
};

// Mouse input for a child control, routed to its own handlers; the control keeps the mouse
// while any button is held. Returns true when the message was a mouse message.
bool childMouse(Win32Window& owner, HWND hwnd, MouseRouter& router, MouseElement& element, UINT message,
                WPARAM wParam, LPARAM lParam);

}  // namespace lindrel::platform::win32
