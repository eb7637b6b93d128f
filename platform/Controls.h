#pragma once
// The controls a window holds. Labels and lines are windowless: their state and behaviour
// live here, shared by every implementation. Text boxes, scroll bars, lists, picture boxes,
// buttons and timers are real controls of the implementation. Every design is in pixels at
// 96 DPI; the window lays it out at its own DPI.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Colour.h"
#include "platform/Geometry.h"
#include "platform/Input.h"

namespace lindrel::platform {

// An empty face means the window's own font.
struct FontSpec {
  std::string face;
  double points = 0;
  int weight = 400;
  int charset = 1;  // the default character set
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class Picture { None, Pen, AppIcon };

// Something the mouse router can deliver to.
class MouseElement {
 public:
  virtual MouseHandlers& mouseHandlers() = 0;
  // The element's top-left corner in the client pixels the router is given.
  virtual Point mouseOrigin() const = 0;

 protected:
  ~MouseElement() = default;
};

// What a windowless label needs from the window that draws it.
class LabelHost {
 public:
  // The size of a text in a font; a text of several lines ("\n") takes its widest line and
  // every line's height.
  virtual Point textSize(const FontSpec& font, std::string_view text) = 0;
  virtual void invalidateArea(const Rect& clientPixels) = 0;

 protected:
  ~LabelHost() = default;
};

struct LabelSpec {
  Rect design = {};
  std::string caption;
  FontSpec font = {};
  bool autoSize = false;  // the label takes the size of its caption
  Colour colour = kBlack;
};

// A windowless label: drawn by its window over the persistent surface with a transparent
// background; it takes mouse events like the window does.
class Label final : public MouseHandlers, public MouseElement {
 public:
  // At the window's DPI.
  Label(LabelHost& host, const LabelSpec& design, int dpi);
  const Rect& rect() const { return rect_; }
  void moveTo(Point topLeft);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view caption);
  const FontSpec& font() const { return font_; }
  Colour colour() const { return colour_; }
  void setColour(Colour colour);
  // The window went to another DPI: the label keeps its place in proportion and fits its
  // caption in the font at the new size.
  void rescale(int fromDpi, int toDpi);

  MouseHandlers& mouseHandlers() override { return *this; }
  Point mouseOrigin() const override { return rect_.topLeft(); }

 private:
  void place(const Rect& rect);
  void fitCaption();

  LabelHost& host_;
  Rect rect_;
  std::string caption_;
  FontSpec font_;
  bool autoSize_;
  Colour colour_;
};

// A windowless line drawn over the persistent surface: its design, and where it lies.
struct LineSpec {
  Point from;
  Point to;
  Colour colour = kBlack;
  int width = 1;
};

struct Line {
  Point from;
  Point to;
  Colour colour;
  int width;
};

class Timer {
 public:
  virtual ~Timer() = default;
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  void setInterval(int milliseconds);
  void setEnabled(bool enabled);
  std::function<void()> onTimer;

 protected:
  Timer(int interval, bool enabled) : interval_(interval), enabled_(enabled) {}
  // Brings the real timer in line with interval() and enabled().
  virtual void schedule() = 0;

 private:
  int interval_;
  bool enabled_;
};

struct TextBoxSpec {
  Rect design = {};
  std::string text = {};
  int maxLength = 0;  // 0: no limit
  bool multiLine = false;
  bool readOnly = false;
  bool verticalScrollBar = false;
  FontSpec font = {};  // no face and no size: the window's font
  bool noMargins = false;  // the text may take the box's whole width
  std::string accessibleName = {};  // what a screen reader calls it: its label
};

class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string text() const = 0;
  // Rewrites the text; in the box that has the keyboard the caret goes after it.
  virtual void setText(std::string_view text) = 0;
  // Before the box takes a typed character (Backspace is '\b'); false drops it.
  std::function<bool(char16_t character)> acceptsCharacter;
  // After the user changed the text: a typed character the box took, Delete, paste, cut, undo.
  std::function<void()> onUserEdit;
};

// Rewrites a box only when its text differs: the box keeps its caret, and costs no redraw.
inline void showText(TextBox& box, std::string_view text) {
  if (box.text() != text) box.setText(text);
}

struct ScrollBarSpec {
  Rect design = {};
  int min = 0;
  int max = 0;
  int value = 0;
  std::string accessibleName = {};
};

class ScrollBar {
 public:
  virtual ~ScrollBar() = default;
  virtual int value() const = 0;
  // Moves the bar, held to its range; raises no event.
  virtual void setValue(int value) = 0;
  // The user moved the bar (its thumb, an arrow, the track, a key); value() is where it is now.
  std::function<void()> onUserChange;
};

struct ComboBoxSpec {
  Rect design = {};
  std::string accessibleName = {};
};

// A drop-down list the user can only choose from.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  virtual void add(std::string_view text) = 0;
  // -1 when nothing is selected.
  virtual int selectedIndex() const = 0;
  // Shows an item as selected; raises no event.
  virtual void select(int index) = 0;
  // The user chose an item.
  std::function<void()> onSelect;
};

struct PictureBoxSpec {
  Rect design = {};
  bool border = true;
  Colour backColour = kButtonFace;
  Picture picture = Picture::None;
  // A tab stop that a click focuses too, with a focus mark while it has the keyboard.
  bool focusable = false;
  std::string accessibleName = {};
};

// A child window with a persistent surface of its own.
class PictureBox : public MouseHandlers {
 public:
  virtual ~PictureBox() = default;
  // Copies an area of the screen into a rectangle of the box, each screen pixel stretched to
  // a block of whole pixels. Only what lies on the desktop is copied.
  virtual void showScreenArea(const Rect& screenArea, const Rect& into) = 0;
  // Fills areas of the surface (client pixels) with a colour.
  virtual void fillRects(std::span<const Rect> areas, Colour colour) = 0;
  // A pixel of the surface; none outside it.
  virtual std::optional<Colour> pixel(Point at) const = 0;
  virtual Colour backColour() const = 0;
  // Also clears the surface to the colour.
  virtual void setBackColour(Colour colour) = 0;
  virtual void setPicture(Picture picture) = 0;
  virtual bool hasFocus() const = 0;
  // Where the box's client area starts on the screen.
  virtual Point screenOrigin() const = 0;
  // A short text in the bottom-right corner, drawn on the screen only: the surface keeps what
  // was drawn on it.
  virtual void setCornerText(std::string_view text) = 0;
  // What the box does, shown while the pointer rests on it.
  virtual void setTooltip(std::string_view text) = 0;
  // The wheel turned with the pointer over the box: notches away from the user are positive.
  std::function<void(int notches)> onWheel;

  // ---- For assistive technology (screen readers, UI Automation): the box's name, and its
  // value, read only when a client asks (none: the box has no value); clients are told of a
  // change of the value when it happens.
  virtual void setAccessibleName(std::string_view name) = 0;
  std::function<std::string()> accessibleValue;
  virtual void accessibleValueChanged() = 0;
};

struct ButtonSpec {
  Rect design = {};
  std::string caption = {};
  Picture picture = Picture::None;
  bool isDefault = false;  // Enter presses it
  bool isCancel = false;   // Esc presses it
  std::string accessibleName = {};  // for a button without a caption
};

// A push button. A press of any mouse button keeps the mouse until the release.
class Button : public MouseHandlers {
 public:
  virtual ~Button() = default;
  virtual void setPicture(Picture picture) = 0;
  std::function<void()> onClick;
};

struct HotkeyBoxSpec {
  Rect design = {};
};

// The system's box for typing a hotkey: it takes a key with Ctrl, Alt and Shift (not the
// Windows key), and shows "none" when cleared.
class HotkeyBox {
 public:
  virtual ~HotkeyBox() = default;
  // Without the Windows key; none when cleared.
  virtual std::optional<Hotkey> hotkey() const = 0;
  virtual void setHotkey(std::optional<Hotkey> key) = 0;
};

struct CheckBoxSpec {
  Rect design = {};
  std::string caption = {};
};

class CheckBox {
 public:
  virtual ~CheckBox() = default;
  virtual bool checked() const = 0;
  virtual void setChecked(bool checked) = 0;
};

// A menu tree. A caption of "-" is a separator; "&" marks the access key.
struct MenuItemSpec {
  std::string caption;
  std::function<void()> onClick;
  std::vector<MenuItemSpec> children;
  bool checked = false;  // a check mark beside the caption
  bool radio = false;    // the mark is a dot: one of a group is chosen
};

class Menu {
 public:
  virtual ~Menu() = default;
};

}  // namespace lindrel::platform
