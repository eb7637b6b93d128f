#include "platform/sim/SimPlatform.h"
#include "tests/contract/Harness.h"

namespace lindrel::contract {
namespace {

class SimHarness final : public Harness {
 public:
  platform::Platform& platform() override { return sim_; }
  void pump(int ms) override { sim_.advance(ms); }
  bool isTopmost(platform::Hwnd hwnd) override { return sim_.isTopmost(hwnd); }
  std::vector<std::string> answeredMessageBoxes() override {
    std::vector<std::string> texts;
    for (const auto& box : sim_.messageBoxes()) texts.push_back(box.text);
    return texts;
  }
  bool endSession(platform::Hwnd) override {
    sim_.endSession();
    return true;
  }

 private:
  platform::sim::SimPlatform sim_;
};

}  // namespace

std::unique_ptr<Harness> makeHarness() { return std::make_unique<SimHarness>(); }

}  // namespace lindrel::contract
