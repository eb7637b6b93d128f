#pragma once
// A top-level window as the forms see it. The logic both implementations must agree on
// lives here: geometry in twips held as whole pixels, the resize handling that a size write
// runs synchronously, the persistent surface that grows and is never cut back, windowless
// labels and lines, and the routing of mouse events. The implementation supplies the real
// window through the protected hooks.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/MouseRouter.h"

namespace lindrel::platform {

enum class Border {
  None,             // no caption, frame or system menu
  FixedToolWindow,  // thin caption with a close box only, not resizable
  FixedDialog,      // dialog frame with a close box only, not resizable
};

struct WindowSpec {
  std::string className;  // one window class per form
  std::string caption;
  Border border = Border::None;
  Colour backColor = rgb(0xF0, 0xF0, 0xF0);
  Colour foreColor = kBlack;
  // Twips at the design DPI: the whole window when it has no border, else its client area.
  double width = 0;
  double height = 0;
  // The window is made on the monitor that holds the larger part of this area (screen
  // pixels), at that monitor's DPI; none: on the primary monitor.
  std::optional<Rect> startNear;
  Picture icon = Picture::None;
  // The font of text written on the persistent surface (TextOut on hdc()).
  FontSpec surfaceFont;
};

// Who moved or sized a window: the program, or the system (the user dragging its caption,
// a change of the displays).
enum class ChangedBy { Program, System };

// The largest width or height a window may take, in pixels.
inline constexpr std::int32_t kMaxWindowPixels = 32767;

class Window : public MouseHandlers, protected LabelHost, private MouseElement {
 public:
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // ---- Geometry, in twips. A width or height write runs onResize to completion before it
  // returns, when the size in pixels changed; a negative size raises InvalidPropertyValue.
  double left() const { return twipsFromPixels(rect_.left); }
  double top() const { return twipsFromPixels(rect_.top); }
  double width() const { return twipsFromPixels(rect_.width()); }
  double height() const { return twipsFromPixels(rect_.height()); }
  void setLeft(double twips);
  void setTop(double twips);
  void setWidth(double twips);
  void setHeight(double twips);
  // Moves to a new left and top in one step, size unchanged.
  void move(double left, double top);
  // A new width and height in one step (one run of onResize), top-left unchanged.
  void resize(double width, double height);
  // The window's rectangle in screen pixels, as the program holds it.
  const Rect& pixelRect() const { return rect_; }
  Point clientSize() const;
  // The DPI the window is laid out at: its monitor's. Control designs, label designs and
  // font sizes are scaled from the design DPI to it; window geometry stays in pixels.
  int dpi() const { return dpi_; }
  // A length of the design at the window's DPI, in whole pixels.
  std::int32_t designPixels(double designTwips) const { return pixelsAtDpi(designTwips, dpi_); }

  // Geometry writes go on while a hold lives (sizes, resize handling, drawing), but the
  // window on the screen keeps its place and size until the last hold ends.
  class [[nodiscard]] ScreenUpdateHold {
   public:
    explicit ScreenUpdateHold(Window& window);
    ~ScreenUpdateHold();
    ScreenUpdateHold(const ScreenUpdateHold&) = delete;
    ScreenUpdateHold& operator=(const ScreenUpdateHold&) = delete;

   private:
    Window& window_;
  };
  ScreenUpdateHold holdScreenUpdates() { return ScreenUpdateHold(*this); }

  // ---- The persistent surface: twips for points and lines, pixels for text on hdc().
  void cls();
  // Paints one point in the foreground colour and moves the drawing position there.
  void pset(double x, double y);
  // A line in the foreground colour from the drawing position to (x, y), end point excluded.
  void lineTo(double x, double y);
  // The surface's device context, carrying the window's font and foreground colour.
  virtual Hdc hdc() = 0;
  Colour backColor() const { return backColor_; }
  Colour foreColor() const { return foreColor_; }
  // The surface's size in pixels: the largest client area the window has had, or more
  // where reserveSurface asked for it.
  Point surfaceSize() const { return surfaceSize_; }
  // Grows the surface to at least this size ahead of the window, so what is drawn there
  // shows when the window grows.
  void reserveSurface(Point size);
  // The size in pixels a text takes in a font (an empty face: the window's own font); a
  // text of several lines ("\n") takes its widest line and every line's height.
  Point textSize(const FontSpec& font, std::string_view text);

  // ---- Windowless children.
  Label& addLabel(const LabelSpec& design);
  void addLine(const LineSpec& design);
  const std::vector<std::unique_ptr<Label>>& labels() const { return labels_; }
  const std::vector<Line>& lines() const { return lines_; }

  // ---- Real children, in tab order.
  virtual Timer& addTimer(int intervalMs, bool enabled) = 0;
  virtual TextBox& addTextBox(const TextBoxSpec& design) = 0;
  virtual ScrollBar& addScrollBar(const ScrollBarSpec& design) = 0;
  virtual ComboBox& addComboBox(const ComboBoxSpec& design) = 0;
  virtual PictureBox& addPictureBox(const PictureBoxSpec& design) = 0;
  virtual Button& addButton(const ButtonSpec& design) = 0;

  // ---- Life.
  virtual Hwnd hwnd() const = 0;
  // Shows the window without waiting. The first showing puts it at a top-left corner (in
  // screen pixels) or centres it on the primary screen, and raises its resize handling
  // once, as every later size change does, so the window lays itself out for the size it
  // is shown at.
  void show(std::optional<Point> firstTopLeft = std::nullopt);
  // Shows the window centred and waits until it has been closed.
  virtual void showModal() = 0;
  // Unloads: the real window and its controls go; onUnload runs.
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual bool isVisible() const = 0;
  // The pointer over the window's client area, and while the window holds the mouse.
  virtual void setPointer(PointerShape shape) = 0;
  // Pops the menu's top-level items up at a screen point (none: at the pointer); returns
  // after the chosen item ran.
  virtual void popupMenu(Menu& menu, std::optional<Point> at = std::nullopt) = 0;
  virtual void setCaption(std::string_view caption) = 0;

  // ---- Events.
  std::function<void()> onResize;
  std::function<void(Key key, Modifiers modifiers)> onKeyDown;
  // Every key pressed while the window or any control of it has the keyboard, before the
  // control sees it; true: the key is used up and the control never gets it.
  std::function<bool(Key key, Modifiers modifiers)> onKeyPreview;
  // The pointer left the window after it had moved over it.
  std::function<void()> onMouseLeave;
  // The window is on a monitor of another DPI now; its controls, labels and fonts follow
  // already. The system suggests a rectangle (the old one scaled); without a handler the
  // window takes it.
  std::function<void(const Rect& suggested)> onDpiChange;
  // The window's rectangle changed (after the resize handling ran).
  std::function<void(ChangedBy by)> onRectChange;
  // The user's session is ending: once this returns the process may end without another word.
  std::function<void()> onSessionEnd;
  std::function<void()> onUnload;

 protected:
  // frame: the border's thickness on each side (zero for a borderless window).
  Window(const WindowSpec& design, Rect windowRect, Rect frame, int dpi);

  // Pushes the program's rectangle to the real window.
  virtual void applyRect(const Rect& rect) = 0;
  // Makes the window visible, in front and active, with the keyboard where it belongs.
  virtual void showOnScreen() = 0;
  // The primary screen's area, in screen pixels.
  virtual Rect primaryScreenArea() const = 0;
  // Enlarges the surface to size, keeping its content; the new area takes the back colour.
  virtual void growSurface(Point size) = 0;
  virtual void clearSurface(Colour color) = 0;
  virtual void surfacePoint(Point at, Colour color) = 0;
  // A line on the surface from one pixel to another, the end pixel excluded.
  virtual void surfaceLine(Point from, Point to, Colour color) = 0;
  // The area of the client (in pixels) needs to be painted again.
  void invalidateArea(const Rect& clientPixels) override = 0;
  Point captionSize(const FontSpec& font, std::string_view text) override { return textSize(font, text); }

  // For the implementation: creates the surface for the first client size.
  void initSurface();
  // Centres the window on an area of the screen (pixels), size unchanged.
  void centreOn(const Rect& area);
  // The system moved or sized the window (not the program): runs onResize on a new size.
  void systemRect(const Rect& rect);
  // The window is on a monitor of another DPI: lays its children out again, then lets the
  // form place the window (or takes the suggested rectangle).
  // frame: the border at the new DPI.
  void changeDpi(int dpi, const Rect& suggested, Rect frame);
  // Real children and the surface's font, at a new DPI.
  virtual void layOutChildrenAt(int dpi) = 0;
  // Mouse input from the system, in client pixels.
  void mouseInput(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client);
  MouseRouter& mouseRouter() { return router_; }
  const WindowSpec& design() const { return design_; }
  Rect frame() const { return frame_; }

 private:
  MouseHandlers& mouseHandlers() override { return *this; }
  Point mouseOrigin() const override { return Point{}; }
  MouseElement& elementAt(Point client);
  void setRect(const Rect& rect);
  void releaseHold();
  void growSurfaceToClient();
  void layOutLines();

  WindowSpec design_;
  Colour backColor_;
  Colour foreColor_;
  Rect rect_;
  Rect frame_;
  int dpi_;
  Rect shownRect_;  // what the real window was last given
  int holds_ = 0;
  bool shownOnce_ = false;
  Point surfaceSize_{};
  Point drawPosition_{};
  std::vector<std::unique_ptr<Label>> labels_;
  std::vector<LineSpec> lineDesigns_;
  std::vector<Line> lines_;
  MouseRouter router_;
};

// Calls fn for every pixel of a line from one point to another, the end point excluded,
// as a GDI pen of one pixel draws it.
void forEachLinePixel(Point from, Point to, const std::function<void(Point)>& fn);

}  // namespace lindrel::platform
