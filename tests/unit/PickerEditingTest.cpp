// Editing the colour with the component boxes and the bars, and the colour state across
// closing and opening the window.

#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

class PickerEditing : public PickerApp {
 protected:
  PickerEditing() { choose(Notation::Rgb); }  // the RGB notation reads plainly
};

TEST_F(PickerEditing, EachAcceptedKeyRecoloursFromWhatTheBoxesShow) {
  MagnifierWindow& p = picker();
  sim.type(p.channelBox(Channel::Red), "\b\b\b");  // an empty box is a step of typing: 0, no message
  EXPECT_EQ(texts(), (std::vector<std::string>{"0,255,255", "", "255", "255"}));
  EXPECT_EQ(bars(), (std::vector<int>{0, 255, 255}));
  sim.type(p.channelBox(Channel::Red), "1");
  EXPECT_EQ(texts()[0], "1,255,255");
  sim.type(p.channelBox(Channel::Red), "2x-8 ");  // only digits land
  EXPECT_EQ(texts(), (std::vector<std::string>{"128,255,255", "128", "255", "255"}));
  EXPECT_EQ(p.colour(), rgb(128, 255, 255));
  EXPECT_EQ(swatch(), rgb(128, 255, 255));
  EXPECT_EQ(bars(), (std::vector<int>{128, 255, 255}));

  sim.type(p.channelBox(Channel::Green), "\b\b\b30");
  EXPECT_EQ(texts()[0], "128,30,255");
  sim.type(p.channelBox(Channel::Green), "0");  // 300 is held to 255 at once
  EXPECT_EQ(texts(), (std::vector<std::string>{"128,255,255", "128", "255", "255"}));
  sim.type(p.channelBox(Channel::Green), "\b\b\b05");  // red and green keep what was typed, blue is rewritten
  sim.type(p.channelBox(Channel::Blue), "\b\b\b007");
  EXPECT_EQ(texts(), (std::vector<std::string>{"128,5,7", "128", "05", "7"}));
  EXPECT_EQ(bars(), (std::vector<int>{128, 5, 7}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(PickerEditing, APasteThatIsNoNumberBringsOneMessageAndTheBoxGoesBack) {
  MagnifierWindow& p = picker();
  sim.type(p.channelBox(Channel::Red), "\b\b\b18");
  sim.edit(p.channelBox(Channel::Green), "ab");  // pasted: told at once
  EXPECT_EQ(messages(), (std::vector<std::string>{"Type mismatch"}));
  EXPECT_TRUE(sim.messageBoxes().back().topmost.at(window().hwnd()));  // this one stays topmost
  EXPECT_EQ(texts(), (std::vector<std::string>{"18,255,255", "18", "255", "255"}));
  EXPECT_EQ(p.colour(), rgb(18, 255, 255));
  // The next edits start from a colour again: no message after every one.
  sim.type(p.channelBox(Channel::Blue), "\b");
  sim.dragThumb(p.channelBar(Channel::Blue), 3);
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_EQ(p.colour(), rgb(18, 255, 3));
  EXPECT_EQ(swatch(), rgb(18, 255, 3));
}

TEST_F(PickerEditing, DeletePasteAndUndoRecolourAsTypingDoes) {
  MagnifierWindow& p = picker();
  sim.edit(p.channelBox(Channel::Red), "");  // all selected, then Delete
  EXPECT_EQ(texts(), (std::vector<std::string>{"0,255,255", "", "255", "255"}));
  EXPECT_EQ(bars(), (std::vector<int>{0, 255, 255}));
  sim.edit(p.channelBox(Channel::Green), "77");  // pasted over
  sim.edit(p.channelBox(Channel::Blue), "400");  // held to 255 at once, as a typed value is
  EXPECT_EQ(texts(), (std::vector<std::string>{"0,77,255", "", "77", "255"}));
  EXPECT_EQ(swatch(), rgb(0, 77, 255));
  EXPECT_EQ(bars(), (std::vector<int>{0, 77, 255}));
  sim.edit(p.channelBox(Channel::Red), "18");  // undone back to an earlier text
  EXPECT_EQ(p.colour(), rgb(18, 77, 255));
  EXPECT_EQ(p.codeBox().text(), "18,77,255");
  EXPECT_TRUE(messages().empty());
}

TEST_F(PickerEditing, AThumbDragUpdatesItsBoxTheCodeTheSwatchAndTheOtherBars) {
  MagnifierWindow& p = picker();
  choose(Notation::Html);
  sim.type(p.channelBox(Channel::Red), "\b\b\b18");
  sim.clickArrow(p.channelBar(Channel::Green), -5);  // an arrow moves only its bar
  EXPECT_EQ(bars(), (std::vector<int>{18, 250, 255}));
  EXPECT_EQ(p.colour(), rgb(18, 255, 255));
  sim.dragThumb(p.channelBar(Channel::Blue), 60);
  EXPECT_EQ(texts(), (std::vector<std::string>{"#12FF3C", "18", "255", "60"}));
  EXPECT_EQ(bars(), (std::vector<int>{18, 255, 60}));
  EXPECT_EQ(swatch(), rgb(18, 255, 60));
}

TEST_F(PickerEditing, ClosingKeepsTheColourAndTheNotationAndTheNextOpeningShowsThemEverywhere) {
  MagnifierWindow& p = picker();
  sim.type(p.channelBox(Channel::Red), "\b\b\b18");
  penTo(Point{20, 171});
  releasePen(Point{20, 171});
  sim.closeBox(window());
  EXPECT_FALSE(window().isVisible());
  open();
  EXPECT_TRUE(window().isVisible());
  EXPECT_TRUE(sim.isTopmost(window().hwnd()));
  EXPECT_EQ(texts(), (std::vector<std::string>{"20,171,77", "20", "171", "77"}));
  EXPECT_EQ(bars(), (std::vector<int>{20, 171, 77}));
  EXPECT_EQ(swatch(), rgb(20, 171, 77));
  choose(Notation::Vb);
  EXPECT_EQ(p.codeBox().text(), "&h4DAB14");
  // The new window samples as the first did.
  penTo(Point{30, 40});
  EXPECT_EQ(p.codeBox().text(), "&h4D281E");
}

}  // namespace
}  // namespace lindrel::testing
