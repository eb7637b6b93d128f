// Any sequence of keys, pasted texts, thumb drags and arrow clicks on the three channel
// boxes and bars, mixed with the magnifier's own keys (in its focused view or with the pen
// held) and wheel turns over its view. After every recolour that brought no message, the
// colour, the bars, the swatch and the code agree with what the boxes show; a recolour that
// failed keeps the colour. No box ever shows a number beyond 0..255; the pointer and the sample
// never leave the desktop and the zoom is always one of its steps.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "picker/MagnifierWindow.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimWindow.h"

namespace {

using lindrel::Channel;
using lindrel::MagnifierWindow;
namespace platform = lindrel::platform;

void checkAgreement(MagnifierWindow& m) {
  int v[3];
  for (const Channel c : lindrel::kChannels) {
    const auto reading = lindrel::readChannelBox(m.channelBox(c).text());
    if (!reading || reading->shown || m.channelBar(c).value() != reading->value) std::abort();
    v[static_cast<int>(c)] = reading->value;
  }
  const platform::Colour colour = platform::rgb(v[0], v[1], v[2]);
  if (m.model().colour() != colour || m.swatch().backColour() != colour) std::abort();
  // The HTML notation is selected: #RRGGBB of the boxes.
  char code[8];
  std::snprintf(code, sizeof code, "#%02X%02X%02X", v[0], v[1], v[2]);
  if (m.codeBox().text() != code) std::abort();
}

// The middle of a control of the magnifier, on the screen.
template <class Control>
platform::Point centreOf(MagnifierWindow& m, Control& control) {
  const platform::Rect r = dynamic_cast<platform::sim::SimControl&>(control).clientRect();
  const platform::Point origin = dynamic_cast<platform::sim::SimWindow&>(*m.window()).clientOrigin();
  return platform::Point{origin.x + (r.left + r.right) / 2, origin.y + (r.top + r.bottom) / 2};
}

void checkOnTheDesktop(platform::sim::SimPlatform& sim, MagnifierWindow& m) {
  const platform::Rect desktop = sim.virtualDesktop();
  if (!desktop.contains(sim.cursor()) || (m.model().sample() && !desktop.contains(*m.model().sample()))) std::abort();
  if (!lindrel::magnified::isZoomStep(m.model().zoom())) std::abort();
}

// One program with its magnifier open, made once per fuzzing process.
struct PickerWorld {
  platform::sim::SimPlatform sim;
  lindrel::Application app{sim};
  PickerWorld() {
    app.start();
    app.openMagnifier();
  }
  // Whether a message came up since the records were last forgotten; a channel box can only
  // fail to read text that is no number.
  bool messageShown() const {
    for (const std::string& text : sim.messages()) {
      if (!text.ends_with("不是 0 到 255 的数")) std::abort();
    }
    return !sim.messages().empty();
  }
};

constexpr platform::Key kMagnifierKeys[] = {platform::Key::Left,   platform::Key::Up,    platform::Key::Right,
                                            platform::Key::Down,   platform::Key::Return, platform::Key::Space,
                                            platform::Key::Plus,   platform::Key::Minus, platform::Key::C};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static PickerWorld world;
  auto& sim = world.sim;
  MagnifierWindow& m = world.app.magnifier();
  // The same start for every input: HTML notation, all three boxes at 255.
  sim.choose(m.notationList(), static_cast<int>(lindrel::colour_code::Notation::Html));
  for (const Channel c : lindrel::kChannels) sim.edit(m.channelBox(c), "255");

  static const char kPaste[] = "0123456789 -+.e,x#";
  for (std::size_t i = 0; i + 2 <= size;) {
    const std::uint8_t op = data[i++];
    const std::uint8_t arg = data[i++];
    const Channel channel = lindrel::kChannels[op / 6 % 3];
    platform::TextBox& box = m.channelBox(channel);
    const platform::Colour before = m.model().colour();
    sim.forgetRecords();
    const char key = static_cast<char>(arg);
    bool recoloured = false;
    switch (op % 6) {
      case 0:  // a key: whatever it is
        sim.type(box, std::string(1, key));
        recoloured = key == '\b' || (key >= '0' && key <= '9');
        break;
      case 1: {  // a paste of up to three characters, number or not
        std::string pasted;
        for (int k = 0; k < arg % 4 && i < size; ++k, ++i) pasted += kPaste[data[i] % (sizeof kPaste - 1)];
        recoloured = box.text() != pasted;  // an edit that changes nothing is no edit
        sim.edit(box, pasted);
        break;
      }
      case 2:
        sim.dragThumb(m.channelBar(channel), arg);
        recoloured = true;
        break;
      case 3:
        sim.clickArrow(m.channelBar(channel), arg % 2 == 0 ? 1 : -1);
        recoloured = true;
        break;
      case 4: {  // a key of the magnifier's, with the pen held (high bit) or in the view
        const platform::Key key = kMagnifierKeys[arg % std::size(kMagnifierKeys)];
        const platform::Modifiers modifiers{.shift = (arg & 0x10) != 0, .ctrl = (arg & 0x20) != 0};
        if (arg & 0x80) {
          sim.mouseDown(platform::MouseButton::Left, centreOf(m, m.penButton()));
          sim.moveCursor(platform::Point{(arg * 37) % 1280, (arg * 53) % 800});
          sim.keyDown(key, modifiers);
          sim.mouseUp(platform::MouseButton::Left, sim.cursor());
        } else {
          sim.focus(&m.magnifierView());
          sim.keyDown(key, modifiers);
        }
        checkOnTheDesktop(sim, m);
        recoloured = platform::isArrow(key) && !modifiers.ctrl;
        break;
      }
      default:  // the wheel over the view, and a sampling chosen
        sim.wheel(centreOf(m, m.magnifierView()), arg % 7 - 3);
        m.setSampling(lindrel::magnified::kSamplings[arg / 7 % 3]);
        checkOnTheDesktop(sim, m);
        break;
    }
    if (!recoloured) continue;
    if (!world.messageShown()) checkAgreement(m);
    else if (m.model().colour() != before) std::abort();
  }
  return 0;
}
