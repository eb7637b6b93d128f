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
  SimPlacement(DesignRect design, int dpi) : design_(design), rect_(design.at(dpi)) {}
  virtual ~SimPlacement() = default;
  Rect placement() const { return rect_; }
  virtual void layOutAt(int dpi) { rect_ = design_.at(dpi); }

 private:
  DesignRect design_;
  Rect rect_;
};

class SimTextBox final : public TextBox, public SimPlacement {
 public:
  SimTextBox(const TextBoxSpec& design, int dpi)
      : SimPlacement(designRectOf(design), dpi), design_(design), text_(design.text) {}
  std::string text() const override { return text_; }
  void setText(std::string_view text) override;
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
      : SimPlacement(designRectOf(design), dpi), design_(design), value_(design.value) {}
  int value() const override { return value_; }
  void setValue(int value) override;
  int clamp(int value) const;

 private:
  ScrollBarSpec design_;
  int value_;
};

class SimComboBox final : public ComboBox, public SimPlacement {
 public:
  SimComboBox(const ComboBoxSpec& design, int dpi) : SimPlacement(designRectOf(design), dpi) {}
  void addItem(std::string_view text) override { items_.emplace_back(text); }
  int listCount() const override { return static_cast<int>(items_.size()); }
  std::string item(int index) const override;
  int listIndex() const override { return index_; }
  void setListIndex(int index) override;

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

// A child control that takes the mouse: its events go to its own handlers, with coordinates
// from the top-left of its input area, and it keeps the mouse while a button is held.
class SimChild : public SimControl, public MouseElement, public SimPlacement {
 public:
  SimChild(SimWindow& owner, DesignRect design, MouseHandlers& handlers);
  void mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) override;
  bool holdsMouse() const override { return router_.captured() != nullptr; }
  void loseMouse() override { router_.cancelCapture(); }
  SimWindow& ownerWindow() override { return owner_; }
  Rect clientRect() const override { return placement(); }
  MouseHandlers& mouseHandlers() override { return handlers_; }
  Point mouseOrigin() const override { return Point{}; }

 protected:
  // Where the control's own coordinates start, in the owner's client pixels.
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
  Hdc hdc() override { return hdc_; }
  Colour point(int x, int y) override;
  Colour backColor() const override { return backColor_; }
  void setBackColor(Colour color) override;
  void setPicture(Picture picture) override { picture_ = picture; }
  void fillRects(std::span<const Rect> areas, Colour color) override;
  bool hasFocus() const override;
  bool focusable() const { return focusable_; }
  Picture picture() const { return picture_; }
  const SimSurface& surface() const { return surface_; }
  // The drawing area inside the border, in the owner's client pixels.
  Rect inner() const;
  void layOutAt(int dpi) override;

 private:
  Rect inputArea() const override { return inner(); }
  void routed(MouseAction action, MouseButtons buttons, Point client) override;

  SimPlatform& sim_;
  bool border_;
  Colour backColor_;
  Picture picture_;
  bool focusable_;
  SimSurface surface_;
  Hdc hdc_;
};

class SimButton final : public Button, public SimChild {
 public:
  SimButton(SimWindow& owner, const ButtonSpec& design);
  std::string caption() const override { return design_.caption; }
  Picture picture() const override { return picture_; }
  void setPicture(Picture picture) override { picture_ = picture; }
  const ButtonSpec& design() const { return design_; }

 private:
  // A click is a left press and release on the button.
  void routed(MouseAction action, MouseButtons buttons, Point client) override;

  ButtonSpec design_;
  Picture picture_;
};

class SimWindow final : public Window, public SimControl {
 public:
  SimWindow(SimPlatform& sim, const WindowSpec& design, Rect rect, Rect frame, int dpi);
  ~SimWindow() override;

  Hdc hdc() override { return hdc_; }
  Timer& addTimer(int intervalMs, bool enabled) override;
  TextBox& addTextBox(const TextBoxSpec& design) override;
  ScrollBar& addScrollBar(const ScrollBarSpec& design) override;
  ComboBox& addComboBox(const ComboBoxSpec& design) override;
  PictureBox& addPictureBox(const PictureBoxSpec& design) override;
  Button& addButton(const ButtonSpec& design) override;
  Hwnd hwnd() const override { return hwnd_; }
  void showModal() override;
  void close() override;
  bool isOpen() const override { return open_; }
  bool isVisible() const override { return open_ && visible_; }
  void setPointer(PointerShape shape) override { pointer_ = shape; }
  void popupMenu(Menu& menu, std::optional<Point> at) override;
  void setCaption(std::string_view caption) override { caption_ = caption; }

  // ---- For tests.
  const SimSurface& surface() const { return surface_; }
  // Where the window is on the screen, and every rectangle it has shown there.
  Rect screenRect() const { return screenRect_; }
  const std::vector<Rect>& shownRects() const { return shownRects_; }
  bool topmost = false;
  PointerShape pointer() const { return pointer_; }
  const std::string& caption() const { return caption_; }
  Border border() const { return design().border; }
  const std::vector<std::unique_ptr<SimTextBox>>& textBoxes() const { return textBoxes_; }
  const std::vector<std::unique_ptr<SimButton>>& buttons() const { return buttons_; }
  const std::vector<std::unique_ptr<SimPictureBox>>& pictureBoxes() const { return pictureBoxes_; }
  // Every real control's rectangle in client pixels, in tab order of their kinds.
  std::vector<Rect> controlRects() const;
  // The client area's top-left corner on the screen.
  Point clientOrigin() const;
  // The child control under a client point, or the window itself.
  SimControl& controlAt(Point client);
  // The colour the user sees at a client pixel of this window (children included).
  Colour clientPixel(Point client) const;
  // The system's close box.
  void userClose();
  // The system moved or sized the window (not the form).
  void placedBySystem(const Rect& rect);

  // SimControl
  void mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) override;
  bool holdsMouse() const override { return const_cast<SimWindow*>(this)->mouseRouter().captured() != nullptr; }
  void loseMouse() override;
  SimWindow& ownerWindow() override { return *this; }
  Rect clientRect() const override;

  void keyDown(Key key, Modifiers modifiers);
  bool previewKey(Key key, Modifiers modifiers);

 protected:
  void applyRect(const Rect& rect) override;
  void showOnScreen() override;
  Rect primaryScreenArea() const override;
  void growSurface(Point size) override;
  void clearSurface(Colour color) override { surface_.clear(color); }
  void surfacePoint(Point at, Colour color) override { surface_.set(at, color); }
  void surfaceLine(Point from, Point to, Colour color) override;
  void invalidateArea(const Rect&) override {}
  Point textExtent(const FontSpec& font, std::string_view text) override;
  void layOutChildrenAt(int dpi) override;

 private:
  // As on Windows, a window that lands on a monitor of another DPI is told at once.
  void followMonitorDpi(const Rect& rect);

  SimPlatform& sim_;
  std::string caption_;
  Hwnd hwnd_;
  SimSurface surface_;
  Hdc hdc_;
  Rect screenRect_;
  std::vector<Rect> shownRects_;
  bool open_ = true;
  bool visible_ = false;
  bool changingDpi_ = false;
  PointerShape pointer_ = PointerShape::Default;
  std::vector<std::unique_ptr<SimTimer>> timers_;
  std::vector<std::unique_ptr<SimTextBox>> textBoxes_;
  std::vector<std::unique_ptr<SimScrollBar>> scrollBars_;
  std::vector<std::unique_ptr<SimComboBox>> comboBoxes_;
  std::vector<std::unique_ptr<SimPictureBox>> pictureBoxes_;
  std::vector<std::unique_ptr<SimButton>> buttons_;
};

class SimMenu final : public Menu {
 public:
  explicit SimMenu(const MenuItemSpec& top) : top(top) {}
  MenuItemSpec top;
};

}  // namespace lindrel::platform::sim
