#pragma once
// The magnifier and colour picker: a small always-on-top tool window that enlarges the
// screen round the pointer (2 to 20 times, 5 at first) and reads the colour under it, of one
// pixel or averaged over a square, shows that colour as numbers and as a code in one of ten
// notations, copies the code, and lets the colour be edited with the bars, the channel boxes
// or a typed code. The colours taken last stand beside the enlarged view as swatches, and
// the contrast of the colour against another one stands beside its swatch. From the keyboard
// the arrow keys move the sampled pixel (or the pointer, while the pen is held) one pixel at
// a time. What it shows is its PickerModel.

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "picker/PickerModel.h"
#include "platform/ChangeCoalescer.h"
#include "platform/Platform.h"

namespace lindrel {

class MagnifierWindow {
 public:
  explicit MagnifierWindow(platform::Platform& platform);
  ~MagnifierWindow();
  MagnifierWindow(const MagnifierWindow&) = delete;
  MagnifierWindow& operator=(const MagnifierWindow&) = delete;

  // Shows the window, where the user last put it when it shows there, else beside an area of
  // the screen (the ruler's) and wholly on its monitor, with the colour it holds; returns at
  // once. The model survives closing, and so does the window, hidden: an opening makes it
  // only the first time and for a monitor of another DPI.
  void open(const platform::Rect& beside);
  // An open window goes beside an area (the ruler's) by the rule an opening uses.
  void moveBeside(const platform::Rect& area);
  // The language changed: an open magnifier is shown again in it, where it stands.
  void textsChanged();
  // Null before the first opening; a closed window stays, hidden, until the next opening.
  platform::Window* window() { return window_.get(); }
  bool isOpen() const { return window_ != nullptr && window_->isOpen() && open_; }

  const PickerModel& model() const { return model_; }
  // The settings kept from the last run.
  void restore(colour_code::Notation notation, const std::vector<platform::Colour>& history, int zoom,
               magnified::Sampling sampling);

  // One tick of picking (20 a second while the pen is held): the pixel under the pointer (or
  // the average round it) enlarged into the view and shown everywhere, and the contrast
  // once the colour has held for a tick.
  void sampleTick();
  // Reads the code box in the selected notation into the colour; a code that cannot be read
  // brings a message and changes nothing.
  void applyTypedCode();
  void copyCode();
  void setSampling(magnified::Sampling sampling);
  // Picking as if the pen were held, the window open: until a click anywhere or Enter takes
  // the colour under the pointer, or Esc puts back the colour there was.
  void pickAnywhere(const platform::Rect& beside);
  bool picking() const { return window_ != nullptr && controls_.sampleTimer != nullptr && controls_.sampleTimer->enabled(); }
  // One of the zoom steps; anything else is ignored.
  void setZoom(int zoom);

  // Where the user last moved the window to (its top-left, screen pixels); none: beside the
  // area open() is given.
  const std::optional<platform::Point>& place() const { return place_; }
  void setPlace(const std::optional<platform::Point>& topLeft) { place_ = topLeft; }
  // Where the screen lies in the view now (valid after the first opening).
  magnified::ViewLayout viewLayout() const;
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
  // Slot 0 shows the newest colour taken.
  platform::PictureBox& historySwatch(std::size_t slot) { return *controls_.historySwatches.at(slot); }
  // The colour the contrast is measured against, and the ratio with its level.
  platform::PictureBox& partnerSwatch() { return *controls_.partnerSwatch; }
  platform::TextBox& contrastBox() { return *controls_.contrastBox; }
  platform::Timer& sampleTimer() { return *controls_.sampleTimer; }

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
    platform::Label* colourName = nullptr;  // the nearest named colour, under the code box
    platform::Timer* sampleTimer = nullptr;
    // Screen readers hear of a new colour in the view a few times a second at most.
    std::unique_ptr<platform::CoalescedChanges> colourChanges;
  };
  static constexpr std::size_t index(Channel c) { return static_cast<std::size_t>(c); }

  void load(const platform::Rect& onMonitorOf);
  void wireControls();
  // Every control from the model, as an opening shows them.
  void showModel();
  // Esc, the close box: the window goes off the screen, picking ended as Esc ends it.
  void close();
  // Pressing the pen starts sampling 20 times a second; releasing it stops.
  void startPicking();
  void stopPicking();
  // The end of picking without the pen: the colour under a point taken, or the one before
  // put back.
  void finishPickingAnywhere(std::optional<platform::Point> takenAt);

  // Enlarges the screen round a pixel into the view and takes the pixel (or the average
  // round it) as the colour; a pixel that cannot be read leaves the colour as it was.
  void sampleAt(platform::Point screenPixel);
  std::optional<platform::Colour> colourInView(const magnified::ViewLayout& layout);
  // The screen round the last sample, enlarged, into the view again, with the grid from 8x
  // and the sampled area outlined.
  void paintMagnifiedView();
  void copyScreenIntoView(const magnified::ViewLayout& layout);
  // The grid and the outline over the enlarged copy.
  void markView(const magnified::ViewLayout& layout);
  // The keys of the window before its controls see them: while the pen is held the arrows
  // move the pointer; in the focused view they move the sample, take it, zoom and copy.
  bool previewKey(platform::Key key, platform::Modifiers modifiers);
  bool viewKey(platform::Key key, platform::Modifiers modifiers);
  // The sample moves by a step from the last one (from the pointer before the first), kept
  // on the desktop; the view and every readout follow.
  void moveSample(platform::Point step);
  void movePointer(platform::Point step);
  // A press on the view takes the screen pixel shown under it.
  void viewPressed(const platform::MouseEvent& event);
  void zoomBy(int notches);
  void sampleWith(magnified::Sampling sampling);
  // The choice of sampling and zoom, at the pointer or (none) at the view.
  void popupViewMenu(std::optional<platform::Point> at);
  // The zoom and the sampling, in the view's corner.
  void showZoom();
  // The corner and the view after the zoom or the sampling changed, when the window is open.
  void showViewChoices();
  // The code, the bars, the boxes and the swatch from the model.
  void showColour();
  // The nearest named colour under the code box, and the view's value changed.
  void showColourName();
  // Beside an area of the screen, wholly on a monitor, by placement::besideArea.
  platform::Point placeBeside(const platform::Rect& area) const;
  // The user changed a channel's box, or dragged its bar: the model, then everything else.
  void channelBoxEdited(Channel channel);
  void channelBarMoved(Channel channel);
  void showChannelChange();

  // The colour goes first in the history, which the swatches and the contrast then show.
  void takeColour();
  void showHistory();
  // Each swatch is named by its colour's code, in the notation chosen.
  void nameHistory();
  void showContrast();
  // A press on a history swatch or the partner's. Left: the swatch's colour everywhere, the
  // history as it was; Ctrl+left: the contrast is measured against its colour (on the
  // partner: against the newest other colour again); right: its code is copied.
  void swatchPressed(std::optional<platform::Colour> colour, const platform::MouseEvent& event);
  void changed();

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
  bool open_ = false;  // the window is kept, hidden, while closed
  Controls controls_;
  PickerModel model_;
  std::optional<platform::Point> place_;
  std::unique_ptr<platform::Platform::ScreenHold> pickingScreen_;  // while the pen is held
  // Whether the pen held now has read a colour yet: only then does its release take one.
  bool sampledSincePenDown_ = false;
  // Picking without the pen, and the colour to put back if it is cancelled.
  std::optional<platform::Colour> pickingAnywhereFrom_;
  std::optional<platform::Colour> namedColour_;  // the colour the name label shows
};

}  // namespace lindrel
