#pragma once
// The simulated desktop's windows and controls.

#include <memory>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/sim/SimSurface.h"

namespace lindrel::platform::sim {

class SimPlatform;
class SimWindow;

// What shows of a window's frame and of a picture box's border.
inline constexpr Colour kFrameColour = rgb(0xD4, 0xD0, 0xC8);

// Anything on the simulated screen that takes mouse input: a window or a child control.
class SimControl {
 public:
  virtual ~SimControl() = default;
  virtual void mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) = 0;
  virtual bool holdsMouse() const = 0;
  virtual void loseMouse() = 0;
  virtual SimWindow& ownerWindow() = 0;
  // The control's rectangle in the owner's client pixels (the whole client for a window).
  virtual Rect clientRect() const = 0;
};

class SimTimer final : public Timer {
 public:
  SimTimer(SimPlatform& sim, int interval, bool enabled);
  ~SimTimer() override;
  int due = -1;  // clock time of the next tick, -1 when stopped
  bool alive = true;

 private:
  void schedule() override;
  SimPlatform& sim_;
};

// Where a control stands in its window: its design, and its rectangle at the window's DPI.
class SimPlacement {
 public:
  SimPlacement(Rect design, int dpi, std::string name = {})
      : accessibleName(std::move(name)), design_(design), rect_(scaledToDpi(design, dpi)) {}
  virtual ~SimPlacement() = default;
  Rect placement() const { return rect_; }
  // What a screen reader calls the control.
  std::string accessibleName;
  virtual void layOutAt(int dpi) { rect_ = scaledToDpi(design_, dpi); }

 private:
  Rect design_;
  Rect rect_;
};

class SimTextBox final : public TextBox, public SimPlacement {
 public:
  SimTextBox(const TextBoxSpec& design, int dpi)
      : SimPlacement(design.design, dpi, design.accessibleName), design_(design), text_(design.text) {}
  std::string text() const override { return text_; }
  void setText(std::string_view text) override { text_ = text; }
  // The box takes a character as an edit control does: Backspace removes the last one,
  // others are added while the limit allows.
  void take(char16_t character);
  const TextBoxSpec& design() const { return design_; }

 private:
  TextBoxSpec design_;
  std::string text_;
};

class SimScrollBar final : public ScrollBar, public SimPlacement {
 public:
  SimScrollBar(const ScrollBarSpec& design, int dpi)
      : SimPlacement(design.design, dpi, design.accessibleName), design_(design), value_(design.value) {}
  int value() const override { return value_; }
  void setValue(int value) override { value_ = std::clamp(value, design_.min, design_.max); }

 private:
  ScrollBarSpec design_;
  int value_;
};

class SimComboBox final : public ComboBox, public SimPlacement {
 public:
  SimComboBox(const ComboBoxSpec& design, int dpi) : SimPlacement(design.design, dpi, design.accessibleName) {}
  void add(std::string_view text) override { items_.emplace_back(text); }
  int selectedIndex() const override { return index_; }
  void select(int index) override { index_ = index >= -1 && index < static_cast<int>(items_.size()) ? index : -1; }

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

class SimHotkeyBox final : public HotkeyBox, public SimPlacement {
 public:
  SimHotkeyBox(const HotkeyBoxSpec& design, int dpi) : SimPlacement(design.design, dpi) {}
  std::optional<Hotkey> hotkey() const override { return key_; }
  void setHotkey(std::optional<Hotkey> key) override { key_ = key; }

 private:
  std::optional<Hotkey> key_;
};

class SimCheckBox final : public CheckBox, public SimPlacement {
 public:
  SimCheckBox(const CheckBoxSpec& design, int dpi) : SimPlacement(design.design, dpi, design.caption) {}
  bool checked() const override { return checked_; }
  void setChecked(bool checked) override { checked_ = checked; }

 private:
  bool checked_ = false;
};

// A child control that takes the mouse: its events go to its own handlers, with positions
// from the top-left of its input area, and it keeps the mouse while a button is held.
class SimChild : public SimControl, public MouseElement, public SimPlacement {
 public:
  SimChild(SimWindow& owner, Rect design, MouseHandlers& handlers, std::string name);
  void mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) override;
  bool holdsMouse() const override { return router_.captured() != nullptr; }
  void loseMouse() override { router_.cancelCapture(); }
  SimWindow& ownerWindow() override { return owner_; }
  Rect clientRect() const override { return placement(); }
  MouseHandlers& mouseHandlers() override { return handlers_; }
  Point mouseOrigin() const override { return Point{}; }

 protected:
  // Where the control's own positions start, in the owner's client pixels.
  virtual Rect inputArea() const { return placement(); }
  // After the handlers have had a mouse event, at a point of the owner's client area.
  virtual void routed(MouseAction, MouseButtons, Point) {}

 private:
  SimWindow& owner_;
  MouseHandlers& handlers_;
  MouseRouter router_;
};

class SimPictureBox final : public PictureBox, public SimChild {
 public:
  SimPictureBox(SimPlatform& sim, SimWindow& owner, const PictureBoxSpec& design);
  ~SimPictureBox() override;
  void showScreenArea(const Rect& screenArea, const Rect& into) override;
  void fillRects(std::span<const Rect> areas, Colour colour) override;
  std::optional<Colour> pixel(Point at) const override { return surface_.at(at); }
  Colour backColour() const override { return backColour_; }
  void setBackColour(Colour colour) override;
  void setPicture(Picture) override {}
  bool hasFocus() const override;
  Point screenOrigin() const override;
  void setCornerText(std::string_view) override {}
  void setTooltip(std::string_view) override {}
  void setAccessibleName(std::string_view name) override { accessibleName = name; }
  void accessibleValueChanged() override {}
  const SimSurface& surface() const { return surface_; }
  // The drawing area inside the border, in the owner's client pixels.
  Rect inner() const;
  void layOutAt(int dpi) override;

 private:
  Rect inputArea() const override { return inner(); }
  void routed(MouseAction action, MouseButtons buttons, Point client) override;

  SimPlatform& sim_;
  bool border_;
  Colour backColour_;
  bool focusable_;
  SimSurface surface_;
};

class SimButton final : public Button, public SimChild {
 public:
  SimButton(SimWindow& owner, const ButtonSpec& design);
  void setPicture(Picture) override {}

 private:
  // A click is a left press and release on the button.
  void routed(MouseAction action, MouseButtons buttons, Point client) override;
};

class SimWindow final : public Window, public SimControl {
 public:
  SimWindow(SimPlatform& sim, const WindowSpec& design, Rect rect, Rect frame, int dpi);
  ~SimWindow() override;

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
  void hide() override { visible_ = false; }
  void holdMouse(bool hold) override { holdsMouseAnywhere_ = hold; }
  bool holdsMouseAnywhere() const { return holdsMouseAnywhere_; }
  bool isOpen() const override { return open_; }
  bool isVisible() const override { return open_ && visible_; }
  void setTopmost(bool topmost) override;
  void setPointer(PointerShape) override {}
  void popupMenu(Menu& menu, std::optional<Point> at) override;
  void setCaption(std::string_view) override {}
  void accessibleValueChanged() override {}
  void announce(std::string_view) override {}

  // ---- For tests.
  // What a screen reader calls each control: its own name, or a button's caption.
  std::vector<std::string> accessibleNames() const;
  const SimSurface& surface() const { return surface_; }
  // Where the window is on the screen.
  Rect screenRect() const { return screenRect_; }
  bool topmost = false;
  const std::vector<SimPictureBox*>& pictureBoxes() const { return pictureBoxes_; }
  // Every real control's rectangle in client pixels.
  std::vector<Rect> controlRects() const;
  // The client area's top-left corner on the screen.
  Point clientOrigin() const { return screenRect_.topLeft() + frame().topLeft(); }
  // The child control under a client point, or the window itself.
  SimControl& controlAt(Point client);
  // The colour the user sees at a client pixel of this window (children included).
  Colour clientPixel(Point client) const;
  // The system moved or sized the window (not the program).
  void placedBySystem(const Rect& rect);

  // SimControl
  void mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) override;
  bool holdsMouse() const override { return const_cast<SimWindow*>(this)->mouseRouter().captured() != nullptr; }
  void loseMouse() override;
  SimWindow& ownerWindow() override { return *this; }
  Rect clientRect() const override { return Rect::at({}, clientSize()); }

  void keyDown(Key key, Modifiers modifiers);

 protected:
  void applyRect(const Rect& rect) override;
  void showOnScreen() override;
  Rect monitorArea() const override;
  void growSurface(Point size) override { surface_.grow(size, backColour()); }
  void clearSurfaceTo(Colour colour) override { surface_.clear(colour); }
  void surfaceLine(Point from, Point to, Colour colour) override;
  std::optional<ScreenImage> surfaceCapture(const Rect& area) override;
  Point textExtent(const FontSpec& font, std::string_view line) override;
  void invalidateArea(const Rect&) override {}
  void layOutChildrenAt(int dpi) override;

 private:
  // As on Windows, a window that lands on a monitor of another DPI is told at once.
  void followMonitorDpi(const Rect& rect);
  template <class T>
  T& add(std::unique_ptr<T> control);

  SimPlatform& sim_;
  SimSurface surface_;
  std::vector<std::uint32_t> captured_;  // the pixels the last capture gave out
  Rect screenRect_;
  bool open_ = true;
  bool visible_ = false;
  bool changingDpi_ = false;
  bool holdsMouseAnywhere_ = false;
  std::vector<std::unique_ptr<SimTimer>> timers_;
  // Every control, in the order it was added; those that take the mouse also by kind.
  std::vector<std::unique_ptr<SimPlacement>> controls_;
  std::vector<SimPictureBox*> pictureBoxes_;
  std::vector<SimButton*> buttons_;
};

class SimMenu final : public Menu {
 public:
  explicit SimMenu(const MenuItemSpec& top) : top(top) {}
  MenuItemSpec top;
};

}  // namespace lindrel::platform::sim
