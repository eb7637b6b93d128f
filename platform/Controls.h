#pragma once
// The controls a form obtains from its window. Labels, lines and images are windowless:
// their state and behaviour live here, shared by every implementation. Text boxes, scroll
// bars, lists, picture boxes, buttons and timers are real controls of the implementation.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Api.h"
#include "platform/Input.h"
#include "platform/Units.h"

namespace lindrel::platform {

// A mouse event as a handler receives it: the button pressed or released (a press or
// release) or the buttons held (a move), the modifier keys, and the position in twips from
// the element's top-left.
struct MouseEvent {
  MouseButtons buttons;
  Modifiers modifiers;
  double x = 0;
  double y = 0;
};

using MouseHandler = std::function<void(const MouseEvent&)>;

struct MouseHandlers {
  MouseHandler onMouseDown;
  MouseHandler onMouseMove;
  MouseHandler onMouseUp;
  std::function<void()> onDblClick;
};

// Something the mouse router can deliver to.
class MouseElement {
 public:
  virtual MouseHandlers& mouseHandlers() = 0;
  // The element's top-left corner in the client pixels the router is given.
  virtual Point mouseOrigin() const = 0;

 protected:
  ~MouseElement() = default;
};

// An empty face means the window's own font.
struct FontSpec {
  std::string face;
  double points = 0;
  int weight = 400;
  int charset = 1;  // the default character set
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class Picture { None, Pen, AppIcon };

// Geometry of a child element, held in whole pixels from the owner's client area and
// read and written in twips.
class Placed {
 public:
  double left() const { return twipsFromPixels(rect_.left); }
  double top() const { return twipsFromPixels(rect_.top); }
  double width() const { return twipsFromPixels(rect_.width()); }
  double height() const { return twipsFromPixels(rect_.height()); }
  void setLeft(double twips);
  void setTop(double twips);
  const Rect& pixelRect() const { return rect_; }

 protected:
  explicit Placed(Rect rect) : rect_(rect) {}
  virtual ~Placed() = default;
  void setPixelRect(Rect rect);
  // Runs after every change of the rectangle.
  virtual void placed(const Rect& before) = 0;

 private:
  Rect rect_;
};

Rect pixelRectFromTwips(double left, double top, double width, double height);

// Where a control's design puts it, at the design DPI.
template <class Spec>
DesignRect designRectOf(const Spec& design) {
  return DesignRect{design.left, design.top, design.width, design.height};
}

// What a windowless label needs from the window that draws it.
class LabelHost {
 public:
  // One line of text.
  virtual Point textExtent(const FontSpec& font, std::string_view text) = 0;
  // Every line of a caption ("\n" between lines).
  virtual Point captionSize(const FontSpec& font, std::string_view text) = 0;
  virtual void invalidateArea(const Rect& clientPixels) = 0;

 protected:
  ~LabelHost() = default;
};

struct LabelSpec {
  double left = 0, top = 0, width = 0, height = 0;  // twips
  std::string caption;
  FontSpec font;
  bool autoSize = false;
  Colour foreColor = kBlack;
};

// A windowless label: drawn by its window over the persistent surface with a transparent
// background; it takes mouse events like the window does.
class Label final : public Placed, public MouseHandlers, public MouseElement {
 public:
  Label(LabelHost& host, const LabelSpec& design);
  const std::string& caption() const { return caption_; }
  // With auto-size on, the label takes the size of its caption at once.
  void setCaption(std::string_view caption);
  const FontSpec& font() const { return font_; }
  Colour foreColor() const { return foreColor_; }
  // The window went to another DPI: the label keeps its place in proportion and fits its
  // caption in the font at the new size.
  void rescale(int fromDpi, int toDpi);

  MouseHandlers& mouseHandlers() override { return *this; }
  Point mouseOrigin() const override { return Point{pixelRect().left, pixelRect().top}; }

 private:
  void placed(const Rect& before) override;
  void fitCaption();

  LabelHost& host_;
  std::string caption_;
  FontSpec font_;
  bool autoSize_;
  Colour foreColor_;
};

struct LineSpec {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips
  Colour color = kBlack;
  int widthPixels = 1;
};

// A windowless line drawn over the persistent surface.
struct Line {
  Point from;
  Point to;
  Colour color;
  int widthPixels;
};

// An invisible holder of a picture.
struct Image {
  Picture picture = Picture::None;
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
  double left = 0, top = 0, width = 0, height = 0;
  std::string text;
  int maxLength = 0;  // 0: no limit
  bool multiLine = false;
  bool readOnly = false;
  bool verticalScrollBar = false;
  FontSpec font = {};  // no face and no size: the window's font
  bool noMargins = false;  // the text may take the box's whole width
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

struct ScrollBarSpec {
  double left = 0, top = 0, width = 0, height = 0;
  int min = 0, max = 0, value = 0;
};

class ScrollBar {
 public:
  virtual ~ScrollBar() = default;
  virtual int value() const = 0;
  // Moves the bar; raises no event.
  virtual void setValue(int value) = 0;
  // While the user drags the thumb, after the value has moved.
  std::function<void()> onScroll;
};

struct ComboBoxSpec {
  double left = 0, top = 0, width = 0, height = 0;
};

// A drop-down list the user can only choose from.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  virtual void addItem(std::string_view text) = 0;
  virtual int listCount() const = 0;
  virtual std::string item(int index) const = 0;
  // -1 when nothing is selected.
  virtual int listIndex() const = 0;
  // Selects an item and raises onClick, as a choice by the user does.
  virtual void setListIndex(int index) = 0;
  std::function<void()> onClick;
};

struct PictureBoxSpec {
  double left = 0, top = 0, width = 0, height = 0;
  bool border = true;
  Colour backColor = rgb(0xF0, 0xF0, 0xF0);
  Picture picture = Picture::None;
  // A tab stop that a click focuses too, with a focus mark while it has the keyboard.
  bool focusable = false;
};

// A child window with its own persistent surface.
class PictureBox : public MouseHandlers {
 public:
  virtual ~PictureBox() = default;
  // The surface's device context; what is drawn on it shows at the next repaint.
  virtual Hdc hdc() = 0;
  // The colour of a pixel of the surface (client pixels).
  virtual Colour point(int x, int y) = 0;
  virtual Colour backColor() const = 0;
  // Also clears the surface to the colour.
  virtual void setBackColor(Colour color) = 0;
  virtual void setPicture(Picture picture) = 0;
  // Fills areas of the surface (client pixels) with a colour.
  virtual void fillRects(std::span<const Rect> areas, Colour color) = 0;
  virtual bool hasFocus() const = 0;
  // The wheel turned with the pointer over the box: notches away from the user are positive.
  std::function<void(int notches)> onWheel;
};

struct ButtonSpec {
  double left = 0, top = 0, width = 0, height = 0;
  std::string caption;
  Picture picture = Picture::None;
  bool isDefault = false;  // Enter presses it
  bool isCancel = false;   // Esc presses it
};

// A push button. A press of any mouse button keeps the mouse until the release.
class Button : public MouseHandlers {
 public:
  virtual ~Button() = default;
  virtual std::string caption() const = 0;
  virtual Picture picture() const = 0;
  virtual void setPicture(Picture picture) = 0;
  std::function<void()> onClick;
};

// A menu tree. A caption of "-" is a separator; "&" marks the access key.
struct MenuItemSpec {
  std::string caption;
  std::function<void()> onClick;
  std::vector<MenuItemSpec> children;
  bool checked = false;  // a check mark beside the caption
};

class Menu {
 public:
  virtual ~Menu() = default;
};

}  // namespace lindrel::platform
