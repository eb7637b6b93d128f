// Editing the colour with the component boxes and the bars, and the colour state across
// closing and opening the window.

#include <cstdio>

#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

class PickerEditing : public PickerApp {
 protected:
  PickerEditing() { choose(Notation::Rgb); }  // the RGB notation reads plainly

  struct Step {
    Channel box;
    const char* text;  // typed, or when edited, the whole text after a delete, paste or undo
    std::vector<std::string> shown;  // the code, then the red, green and blue boxes
  };
  // After each step the bars, the colour and the swatch follow the code, with no message.
  void expectSteps(std::initializer_list<Step> steps, bool edit = false) {
    for (int step = 0; const Step& s : steps) {
      SCOPED_TRACE(::testing::Message() << "step " << step++);
      if (edit) sim.edit(picker().channelBox(s.box), s.text);
      else sim.type(picker().channelBox(s.box), s.text);
      int r = -1, g = -1, b = -1;
      std::sscanf(s.shown[0].c_str(), "%d,%d,%d", &r, &g, &b);
      expectShows(rgb(r, g, b), s.shown);
    }
    EXPECT_TRUE(messages().empty());
  }
};

TEST_F(PickerEditing, EachAcceptedKeyRecoloursFromWhatTheBoxesShow) {
  using enum Channel;
  expectSteps({{Red, "\b\b\b", {"0,255,255", "", "255", "255"}},  // an empty box is a step of typing: 0, no message
               {Red, "1", {"1,255,255", "1", "255", "255"}},
               {Red, "2x-8 ", {"128,255,255", "128", "255", "255"}},  // only digits land
               {Green, "\b\b\b30", {"128,30,255", "128", "30", "255"}},
               {Green, "0", {"128,255,255", "128", "255", "255"}},  // 300 is held to 255 at once
               // Red and green keep what was typed, blue is rewritten.
               {Green, "\b\b\b05", {"128,5,255", "128", "05", "255"}},
               {Blue, "\b\b\b007", {"128,5,7", "128", "05", "7"}}});
}

TEST_F(PickerEditing, DeletePasteAndUndoRecolourAsTypingDoes) {
  using enum Channel;
  expectSteps({{Red, "", {"0,255,255", "", "255", "255"}},  // all selected, then Delete
               {Green, "77", {"0,77,255", "", "77", "255"}},  // pasted over
               {Blue, "400", {"0,77,255", "", "77", "255"}},  // held to 255 at once, as a typed value is
               {Red, "18", {"18,77,255", "18", "77", "255"}}},  // undone back to an earlier text
              true);
}

TEST_F(PickerEditing, APasteThatIsNoNumberBringsOneMessageAndTheBoxGoesBack) {
  MagnifierWindow& p = picker();
  sim.type(p.channelBox(Channel::Red), "\b\b\b18");
  sim.edit(p.channelBox(Channel::Green), "ab");  // pasted: told at once
  EXPECT_EQ(messages(), (std::vector<std::string>{"Type mismatch"}));
  EXPECT_TRUE(sim.messageBoxes().back().topmost.at(window().hwnd()));  // this one stays topmost
  expectShows(rgb(18, 255, 255), {"18,255,255", "18", "255", "255"});
  // The next edits start from a colour again: no message after every one.
  sim.type(p.channelBox(Channel::Blue), "\b");
  sim.dragThumb(p.channelBar(Channel::Blue), 3);
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_EQ(p.colour(), rgb(18, 255, 3));
  EXPECT_EQ(swatch(), rgb(18, 255, 3));
}

TEST_F(PickerEditing, AThumbDragUpdatesItsBoxTheCodeTheSwatchAndTheOtherBars) {
  MagnifierWindow& p = picker();
  choose(Notation::Html);
  sim.type(p.channelBox(Channel::Red), "\b\b\b18");
  sim.clickArrow(p.channelBar(Channel::Green), -5);  // an arrow moves only its bar
  EXPECT_EQ(bars(), (std::vector<int>{18, 250, 255}));
  EXPECT_EQ(p.colour(), rgb(18, 255, 255));
  sim.dragThumb(p.channelBar(Channel::Blue), 60);
  expectShows(rgb(18, 255, 60), {"#12FF3C", "18", "255", "60"});
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
  expectShows(rgb(20, 171, 77), {"20,171,77", "20", "171", "77"});
  choose(Notation::Vb);
  EXPECT_EQ(p.codeBox().text(), "&h4DAB14");
  // The new window samples as the first did.
  penTo(Point{30, 40});
  EXPECT_EQ(p.codeBox().text(), "&h4D281E");
}

}  // namespace
}  // namespace lindrel::testing
