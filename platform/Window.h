#pragma once
// A top-level window as the program's windows see it. What both implementations must agree
// on lives here: geometry in whole pixels, the resize handling that a size change runs
// synchronously, the persistent surface that grows and is never cut back, windowless labels
// and lines, and the routing of mouse events. The implementation supplies the real window
// through the protected hooks.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Image.h"
#include "platform/MouseRouter.h"

namespace lindrel::platform {

enum class Border {
  None,             // no caption, frame or system menu
  FixedToolWindow,  // thin caption with a close box only, not resizable
  FixedDialog,      // dialog frame with a close box only, not resizable
};

struct WindowSpec {
  std::string className;  // one window class per kind of window
  std::string caption;
  Border border = Border::None;
  Colour backColour = kButtonFace;
  Colour foreColour = kBlack;
  // Pixels at 96 DPI: the whole window when it has no border, else its client area.
  Point designSize = {};
  // The window is made on the monitor that holds the larger part of this area (screen
  // pixels), at that monitor's DPI; none: on the primary monitor.
  std::optional<Rect> startNear = {};
  Picture icon = Picture::None;
  // The font of text drawn on the persistent surface.
  FontSpec surfaceFont = {};
  // What a screen reader calls the client area, which then answers for itself (with
  // accessibleValue); none: the system answers for it.
  std::string accessibleName = {};
};

// Who moved or sized a window: the program, or the system (the user dragging its caption,
// a change of the displays).
enum class ChangedBy { Program, System };

// The largest width or height a window may take, in pixels.
inline constexpr int kMaxWindowPixels = 32767;

class Window : public MouseHandlers, protected LabelHost, private MouseElement {
 public:
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // ---- Geometry, in screen pixels. A change of size runs onResize to completion before it
  // returns; sizes are held to 0..kMaxWindowPixels.
  const Rect& rect() const { return rect_; }
  void setRect(const Rect& rect);
  void move(Point topLeft) { setRect(Rect::at(topLeft, rect_.size())); }
  void resize(Point size) { setRect(Rect::at(rect_.topLeft(), size)); }
  Point clientSize() const;
  // The DPI the window is laid out at: its monitor's. Control and label designs and font
  // sizes are scaled to it; window geometry stays in pixels.
  int dpi() const { return dpi_; }
  int scaled(int designPixels) const { return scaledToDpi(designPixels, dpi_); }

  // Geometry changes go on while a hold lives (sizes, resize handling, drawing), but the
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

  // ---- The persistent surface, in client pixels.
  void clearSurface();
  // A line in the foreground colour, the end pixel left out.
  void drawLine(Point from, Point to);
  // Texts over the surface in its font and the foreground colour. Each shows while the
  // client area reaches its right and bottom edges: the window grown past a text shows it,
  // one that would cut it off leaves it out.
  struct SurfaceText {
    Rect rect;
    std::string text;
  };
  void setTexts(std::vector<SurfaceText> texts);
  const std::vector<SurfaceText>& texts() const { return texts_; }
  // Copies an area of the screen as the user sees it now onto the surface, at the client's
  // top-left, and gives its pixels: valid while the window is open and nothing else is drawn
  // on the surface. None when it cannot be made (no memory for it).
  std::optional<ScreenImage> captureScreen(const Rect& area);
  // Marks over everything, drawn on the screen only and in client pixels: filled boxes, then
  // lines (both ends drawn), then texts in the surface's font. Each replaces the last.
  struct Overlay {
    struct Box {
      Rect rect;
      Colour fill, border;
    };
    struct Line {
      Point from, to;
      Colour colour;
    };
    struct Text {
      Point at;
      std::string text;
      Colour colour;
    };
    std::vector<Box> boxes;
    std::vector<Line> lines;
    std::vector<Text> texts;
  };
  void setOverlay(Overlay overlay);
  const Overlay& overlay() const { return overlay_; }
  Colour foreColour() const { return design_.foreColour; }
  Colour backColour() const { return design_.backColour; }
  // New colours for what is drawn from now on (the surface is cleared to the back colour by
  // the next clearSurface); the whole client is painted again. False: they were the colours.
  bool setColours(Colour back, Colour fore);
  // Grows the surface to at least this size ahead of the window, so what is drawn there
  // shows when the window grows.
  void reserveSurface(Point size);
  Point textSize(const FontSpec& font, std::string_view text) override;

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
  virtual HotkeyBox& addHotkeyBox(const HotkeyBoxSpec& design) = 0;
  virtual CheckBox& addCheckBox(const CheckBoxSpec& design) = 0;

  // ---- Life.
  // Shows the window without waiting. The first showing puts it at a top-left corner or
  // centres it on the monitor it was made on, and runs its resize handling once, as every
  // later size change does, so the window lays itself out for the size it is shown at.
  void show(std::optional<Point> firstTopLeft = std::nullopt);
  // Shows the window centred on its monitor and waits until it has been closed.
  virtual void showModal() = 0;
  // The real window and its controls go; onClose runs.
  virtual void close() = 0;
  // Off the screen until the next show(), keeping its place and state.
  virtual void hide() = 0;
  // While held, every press, move and release of the mouse anywhere on the screen comes to
  // the window's own handlers, in its client pixels.
  virtual void holdMouse(bool hold) = 0;
  virtual bool isOpen() const = 0;
  virtual bool isVisible() const = 0;
  // Into or out of the topmost band; the window is raised within it.
  virtual void setTopmost(bool topmost) = 0;
  // The pointer over the window's client area, and while the window holds the mouse.
  virtual void setPointer(PointerShape shape) = 0;
  // Pops the menu's top-level items up at a screen point (none: at the pointer); returns
  // after the chosen item ran.
  virtual void popupMenu(Menu& menu, std::optional<Point> at) = 0;
  virtual void setCaption(std::string_view caption) = 0;

  // ---- For assistive technology (screen readers, UI Automation), where the design names the
  // window: the client area's value, read only when a client asks, and clients told of a
  // change of it when it happens. announce: a short text said once, where the system can.
  std::function<std::string()> accessibleValue;
  const std::string& accessibleName() const { return design_.accessibleName; }
  void setAccessibleName(std::string name) { design_.accessibleName = std::move(name); }
  virtual void accessibleValueChanged() = 0;
  virtual void announce(std::string_view text) = 0;

  // ---- Events.
  std::function<void()> onResize;
  std::function<void(Key key, Modifiers modifiers)> onKeyDown;
  // Every key pressed while the window or any control of it has the keyboard, before the
  // control sees it; true: the key is used up and the control never gets it.
  std::function<bool(Key key, Modifiers modifiers)> onKeyPreview;
  // The pointer left the window after it had moved over it.
  std::function<void()> onMouseLeave;
  // The wheel turned over the window (not over a picture box that takes it): notches away
  // from the user are positive.
  std::function<void(int notches)> onWheel;
  // The window is on a monitor of another DPI now; its controls, labels and fonts follow
  // already. The system suggests a rectangle (the old one scaled); without a handler the
  // window takes it.
  std::function<void(const Rect& suggested)> onDpiChange;
  // The window's rectangle changed (after the resize handling ran).
  std::function<void(ChangedBy by)> onRectChange;
  // The user's session is ending: once this returns the process may end without another word.
  std::function<void()> onSessionEnd;
  // The user's colours changed (high contrast on or off, another theme): see
  // Platform::systemColours.
  std::function<void()> onSystemColoursChange;
  std::function<void()> onClose;
  // The user asked to close the window (its close box, Alt+F4); without a handler it closes.
  std::function<void()> onCloseRequest;

 protected:
  // frame: the border's thickness on each side (zero for a borderless window).
  Window(const WindowSpec& design, Rect windowRect, Rect frame, int dpi);

  // Pushes the program's rectangle to the real window.
  virtual void applyRect(const Rect& rect) = 0;
  // Makes the window visible, in front and active, with the keyboard where it belongs.
  virtual void showOnScreen() = 0;
  // The area of the monitor the window is on, in screen pixels.
  virtual Rect monitorArea() const = 0;
  // Enlarges the surface to size, keeping its content; the new area takes the back colour.
  virtual void growSurface(Point size) = 0;
  virtual void clearSurfaceTo(Colour colour) = 0;
  virtual void surfaceLine(Point from, Point to, Colour colour) = 0;
  virtual std::optional<ScreenImage> surfaceCapture(const Rect& area) = 0;
  // One line of text in a font at the window's DPI.
  virtual Point textExtent(const FontSpec& font, std::string_view line) = 0;
  // The area of the client (in pixels) needs to be painted again.
  void invalidateArea(const Rect& clientPixels) override = 0;

  // For the implementation: creates the surface for the first client size.
  void initSurface() { reserveSurface(clientSize()); }
  // Centres the window on an area of the screen (pixels), size unchanged.
  void centreOn(const Rect& area);
  // The system moved or sized the window (not the program): runs onResize on a new size.
  void systemRect(const Rect& rect);
  // The window is on a monitor of another DPI: lays its children out again, then lets the
  // window's owner place it (or takes the suggested rectangle). frame: the border at the new DPI.
  void changeDpi(int dpi, const Rect& suggested, Rect frame);
  // Real children and the surface's font, at a new DPI.
  virtual void layOutChildrenAt(int dpi) = 0;
  // Mouse input from the system, in client pixels, with the pointer on the screen.
  void mouseInput(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client, Point screen);
  MouseRouter& mouseRouter() { return router_; }
  const WindowSpec& design() const { return design_; }
  Rect frame() const { return frame_; }

 private:
  MouseHandlers& mouseHandlers() override { return *this; }
  Point mouseOrigin() const override { return Point{}; }
  MouseElement& elementAt(Point client);
  void releaseHold();
  // Repaints the texts whose whole shows, or no longer shows, since the client's last size.
  void refreshTextsCutBy(Point clientBefore);
  // The areas the overlay draws on need painting again.
  void invalidateOverlay();
  void layOutLines();

  WindowSpec design_;
  Rect rect_;
  Rect frame_;
  int dpi_;
  Rect shownRect_;  // what the real window was last given
  int holds_ = 0;
  bool shownOnce_ = false;
  Point surfaceSize_{};
  std::vector<SurfaceText> texts_;
  Overlay overlay_;
  std::vector<std::unique_ptr<Label>> labels_;
  std::vector<LineSpec> lineDesigns_;
  std::vector<Line> lines_;
  MouseRouter router_;
};

// Out of the topmost band for as long as it lives, so a box shown meanwhile is not hidden
// behind the window; back into the band when it goes, however the scope is left.
class [[nodiscard]] TopmostSuspended {
 public:
  explicit TopmostSuspended(Window& window) : window_(window) { window_.setTopmost(false); }
  ~TopmostSuspended() { window_.setTopmost(true); }
  TopmostSuspended(const TopmostSuspended&) = delete;
  TopmostSuspended& operator=(const TopmostSuspended&) = delete;

 private:
  Window& window_;
};

}  // namespace lindrel::platform
