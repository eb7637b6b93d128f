#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimWindow.h"
#include "tests/contract/Harness.h"

namespace lindrel::contract {
namespace {

using platform::sim::SimWindow;

class SimHarness final : public Harness {
 public:
  platform::Platform& platform() override { return sim_; }
  void pump(int ms) override { sim_.advance(ms); }
  platform::Rect systemRect(platform::Window& w) override { return dynamic_cast<SimWindow&>(w).screenRect(); }
  bool isTopmost(platform::Window& w) override { return sim_.isTopmost(w); }
  void moveBySystem(platform::Window& w, platform::Point topLeft) override { sim_.moveWindow(w, topLeft); }
  std::vector<std::string> answeredMessageBoxes() override { return sim_.messages(); }

 private:
  platform::sim::SimPlatform sim_;
};

}  // namespace

std::unique_ptr<Harness> makeHarness() { return std::make_unique<SimHarness>(); }

}  // namespace lindrel::contract
