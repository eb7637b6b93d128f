#pragma once
// The magnifier and colour picker: a small always-on-top tool window that enlarges the
// screen round the pointer (2 to 20 times, 5 at first) and reads the colour under it, of one
// pixel or averaged over a square, shows that colour as numbers and as a code in one of ten
// notations, copies the code, and lets the colour be edited with the bars, the channel boxes
// or a typed code. The colours taken last stand beside the enlarged view as swatches, and
// the contrast of the colour against another one stands beside its swatch. From the keyboard
// the arrow keys move the sampled pixel (or the pointer, while the pen is held) one pixel at
// a time.

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "picker/ColourCode.h"
#include "picker/ColourHistory.h"
#include "picker/MagnifiedView.h"
#include "platform/Handles.h"
#include "platform/Platform.h"

namespace lindrel {

enum class Channel { Red, Green, Blue };
inline constexpr std::array<Channel, 3> kChannels{Channel::Red, Channel::Green, Channel::Blue};

class MagnifierWindow {
 public:
  explicit MagnifierWindow(platform::Platform& platform);
  ~MagnifierWindow();
  MagnifierWindow(const MagnifierWindow&) = delete;
  MagnifierWindow& operator=(const MagnifierWindow&) = delete;

  // Loads the window if it is not open, where the user last put it when it shows there,
  // else beside an area of the screen (the ruler's) and wholly on its monitor, and shows it
  // with the colour it holds; returns at once. The colour and the notation survive closing.
  void open(const platform::Rect& beside);
  // Null before the first opening; a closed window keeps its object until the next opening.
  platform::Window* window() { return window_.get(); }

  // Reads the pixel under the pointer (or the average round it), enlarges the screen round
  // it into the view and brings the swatch, the code, the bars and the boxes up to date.
  void sampleUnderPointer();
  // The screen round the last sample, enlarged, into the view again, with the grid from 8x
  // and the sampled area outlined.
  void paintMagnifiedView();
  // One tick of picking (20 a second while the pen is held): a sample, then the view, and
  // the contrast once the colour has held for a tick.
  void sampleTick();
  // Reads the code box in the selected notation into the colour, the swatch, the bars and
  // the boxes; a code that cannot be read brings a message and changes nothing.
  void applyTypedCode();
  void copyCode();

  platform::Colour colour() const { return colour_; }

  // Where the user last moved the window to (its top-left, screen pixels); none: beside the
  // area open() is given.
  const std::optional<platform::Point>& place() const { return place_; }
  void setPlace(const std::optional<platform::Point>& topLeft) { place_ = topLeft; }
  int zoom() const { return zoom_; }
  // One of the zoom steps; anything else is ignored.
  void setZoom(int zoom);
  magnified::Sampling sampling() const { return sampling_; }
  void setSampling(magnified::Sampling sampling);
  // Where the screen lies in the view now (valid after the first opening).
  magnified::ViewLayout viewLayout() const;
  colour_code::Notation notation() const { return notation_; }
  // Chooses the notation, in the list too when the window is open.
  void setNotation(colour_code::Notation notation);
  // The colours taken, newest first; restored ones come back in that order.
  const std::vector<platform::Colour>& history() const { return history_.colours(); }
  void setHistory(const std::vector<platform::Colour>& newestFirst);
  // The user moved the window, chose another notation, zoom or sampling, or took a colour.
  std::function<void()> onChange;

  // The controls of the open window (valid after the first opening).
  platform::PictureBox& magnifierView() { return *controls_.magnifierView; }
  platform::Button& penButton() { return *controls_.penButton; }
  platform::PictureBox& swatch() { return *controls_.swatch; }
  platform::TextBox& codeBox() { return *controls_.codeBox; }
  platform::ComboBox& notationList() { return *controls_.notationList; }
  platform::Button& copyButton() { return *controls_.copyButton; }
  platform::Button& setButton() { return *controls_.setButton; }
  platform::ScrollBar& channelBar(Channel c) { return *controls_.bars[index(c)]; }
  platform::TextBox& channelBox(Channel c) { return *controls_.boxes[index(c)]; }
  platform::Timer& sampleTimer() { return *controls_.sampleTimer; }
  // Slot 0 shows the newest colour taken.
  platform::PictureBox& historySwatch(std::size_t slot) { return *controls_.historySwatches.at(slot); }
  // The colour the contrast is measured against, and the ratio with its level.
  platform::PictureBox& partnerSwatch() { return *controls_.partnerSwatch; }
  platform::TextBox& contrastBox() { return *controls_.contrastBox; }

 private:
  struct Controls {
    platform::PictureBox* magnifierView = nullptr;
    platform::Button* penButton = nullptr;
    platform::PictureBox* swatch = nullptr;
    platform::TextBox* codeBox = nullptr;
    platform::ComboBox* notationList = nullptr;
    platform::Button* copyButton = nullptr;
    platform::Button* setButton = nullptr;
    std::array<platform::ScrollBar*, 3> bars{};
    std::array<platform::TextBox*, 3> boxes{};
    std::array<platform::PictureBox*, ColourHistory::kCapacity> historySwatches{};
    platform::PictureBox* partnerSwatch = nullptr;
    platform::TextBox* contrastBox = nullptr;
    platform::Timer* sampleTimer = nullptr;
  };
  static constexpr std::size_t index(Channel c) { return static_cast<std::size_t>(c); }

  void load(const platform::Rect& onMonitorOf);
  // Pressing the pen starts sampling 20 times a second; releasing it stops.
  void startPicking();
  void stopPicking();
  bool picking() { return sampleTimer().enabled(); }

  // Enlarges the screen round a pixel into the view and takes the pixel (or the average
  // round it) as the colour; a pixel that cannot be read leaves the colour as it was.
  void sampleAt(platform::Point screenPixel);
  std::optional<platform::Colour> colourInView(const magnified::ViewLayout& layout);
  void copyScreenIntoView(const magnified::ViewLayout& layout);
  // The grid and the outline over the enlarged copy.
  void markView(const magnified::ViewLayout& layout);
  // The keys of the window before its controls see them: while the pen is held the arrows
  // move the pointer; in the focused view they move the sample, take it, zoom and copy.
  bool previewKey(platform::Key key, platform::Modifiers modifiers);
  bool viewKey(platform::Key key, platform::Modifiers modifiers);
  // The sample moves by a step from the last one (from the pointer before the first), kept
  // on the desktop; the view and every readout follow.
  void moveSample(int dx, int dy);
  void movePointer(int dx, int dy);
  platform::Point onDesktop(platform::Point p) const;
  // A press on the view takes the screen pixel shown under it.
  void viewPressed(const platform::MouseEvent& event);
  void zoomTo(int zoom);
  void sampleWith(magnified::Sampling sampling);
  // The choice of sampling and zoom, at the pointer or (none) at the view.
  void popupViewMenu(std::optional<platform::Point> at);
  // The title, then the zoom and the sampling.
  void showZoom();
  // The caption and the view after the zoom or the sampling changed, when the window is open.
  void showViewChoices();
  void drawGrid(const magnified::ViewLayout& layout);
  void drawOutline(const magnified::ViewLayout& layout);
  // Code, channels and swatch from the colour.
  void showColour();
  // The bars and the boxes from the colour.
  void showChannels();
  // Below the area if there is room on its monitor, else above, else on the side with the
  // most room; in screen pixels.
  platform::Point placeBeside(const platform::Rect& area) const;
  // The colour's code in the selected notation into the code box.
  void showCode();
  // Recolours from the channel boxes after the user changed one; text that is no number
  // brings a message and puts the boxes back as they were.
  void recolourFromBoxes();
  void channelScrolled(Channel channel);

  // The colour goes first in the history, which the swatches and the contrast then show.
  void takeColour();
  void showHistory();
  // The ratio of the colour against the chosen partner, else the newest other colour taken.
  void showContrast();
  // Left: the swatch's colour everywhere, the history as it was; Ctrl+left: the contrast is
  // measured against its colour (against the newest other again when it already was);
  // right: its code is copied.
  void historySwatchPressed(std::size_t slot, const platform::MouseEvent& event);
  // Puts a text on the clipboard; a clipboard another program keeps brings a message.
  void copyToClipboard(const std::string& text);

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
  Controls controls_;
  platform::Image penImage_{platform::Picture::Pen};

  platform::Colour colour_ = platform::kWhite;
  colour_code::Notation notation_ = colour_code::Notation::Html;
  std::optional<platform::Point> place_;
  // What the boxes held after the last colour they gave or were given: a rejected edit
  // goes back to it.
  std::array<std::string, 3> acceptedBoxTexts_;
  platform::Point lastSample_{};  // the pixel last sampled, in screen pixels
  bool sampled_ = false;          // whether anything has been sampled since the start
  int zoom_ = magnified::kDefaultZoom;
  magnified::Sampling sampling_ = magnified::Sampling::Point;
  platform::ScreenDc pickingScreen_;  // open while the pen is held
  // Whether the pen held now has read a colour yet: only then does its release take one.
  bool sampledSincePenDown_ = false;
  ColourHistory history_;
  std::optional<platform::Colour> chosenPartner_;  // by Ctrl+click; none: the newest other
};

}  // namespace lindrel
