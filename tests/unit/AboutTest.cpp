// The about box: opened modally from the menu, out of memory, and the system information launch.

#include "about/AboutBox.h"
#include "platform/Handles.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::kHkeyLocalMachine;
using platform::sim::RegistryValue;
using Texts = std::vector<std::string>;

constexpr char kUnavailable[] = "此时系统信息不可用";
constexpr char kInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

class About : public SimApp {
 protected:
  AboutBox& about() { return app.about(); }
  SimWindow& box() { return dynamic_cast<SimWindow&>(*about().window()); }

  // From the ruler's menu; drive runs while the box is up.
  void open(const std::function<void()>& drive = [] {}) {
    sim.onModal = [&](platform::Window&) { drive(); };
    chooseFromMenu(Point{rulerRect().left + 40, rulerRect().top + 30}, "关于软件(&A)");
  }
  void pressSystemInfo() {
    open([&] {
      sim.press(*about().systemInfoButton());
      EXPECT_TRUE(box().isOpen());  // a failure message leaves the box up
    });
  }
  void setPath(RegistryValue v) { sim.setRegistryValue(kHkeyLocalMachine, kInfoKey, "PATH", std::move(v)); }
  void setFolder(std::string_view folder) {
    sim.setRegistryValue(kHkeyLocalMachine, kLocationKey, "MSINFO", RegistryValue::text(folder));
  }
};

// Its texts, the ruler out of the topmost band and the closing keys are checked end to end.
TEST_F(About, OpensModallyWithItsTitleAndVersionAndTheRulerTakesNoInputUntilItCloses) {
  bool shown = false;
  open([&] {
    shown = true;
    EXPECT_EQ(about().titleLabel()->caption(), "Lindrel");
    EXPECT_EQ(about().versionLabel()->caption(), "版本 0.1.0");
    sim.click(platform::MouseButton::Right, Point{rulerRect().left + 40, rulerRect().top + 30});
    EXPECT_EQ(sim.popups().size(), 1u);  // no second menu
    sim.keyDown(platform::Key::Escape);
  });
  ASSERT_TRUE(shown);
  EXPECT_FALSE(box().isOpen());
}

TEST_F(About, WithNoRoomForTheBoxTheUserIsToldAndTheRulerCarriesOn) {
  const auto hwnd = rulerWindow().hwnd();
  sim.refuseWindow = [](const platform::WindowSpec& design) { return design.className == "LindrelAbout"; };
  open();
  EXPECT_EQ(messages(), Texts{"Out of memory"});
  EXPECT_TRUE(sim.isTopmost(hwnd));
  sim.refuseWindow = nullptr;
  bool shown = false;
  open([&] { shown = true; });
  EXPECT_TRUE(shown);
}

TEST_F(About, RegistryValuesAreReadAsTextExpandedTextNumbersOrLeftAloneAndOnlyForReading) {
  const auto store = [&](const char* name, RegistryValue value) {
    sim.setRegistryValue(kHkeyLocalMachine, "SOFTWARE\\Lindrel", name, std::move(value));
  };
  store("Text", RegistryValue::text("C:\\程序\\a b.exe"));
  store("Empty", RegistryValue::text(""));
  store("Full", RegistryValue::dword(0x12345678));
  store("Small", RegistryValue::dword(0x00010203));
  store("Expand", RegistryValue::text("%SystemRoot%\\x", platform::kRegExpandSz));
  sim.environment["SystemRoot"] = "C:\\Windows";
  const auto read = [&](std::string_view name, std::string_view key = "SOFTWARE\\Lindrel") {
    std::string value = "before";
    return std::make_pair(about().readRegistryValue(kHkeyLocalMachine, key, name, value), value);
  };
  using Read = std::pair<bool, std::string>;
  // A standard user (the sim's default) can read them: the keys are opened for reading only.
  EXPECT_EQ(read("Text"), Read(true, "C:\\程序\\a b.exe"));
  EXPECT_EQ(read("Empty"), Read(true, ""));
  EXPECT_EQ(read("Full"), Read(true, "&h12345678"));
  EXPECT_EQ(read("Small"), Read(true, "&h123"));  // the last zero byte left out
  EXPECT_EQ(read("Expand"), Read(true, "C:\\Windows\\x"));
  EXPECT_EQ(read("Missing"), Read(false, ""));
  EXPECT_EQ(read("Text", "SOFTWARE\\Missing"), Read(false, ""));
  for (std::uint32_t access : sim.registryAccessRequested()) EXPECT_EQ(access & ~platform::kKeyRead, 0u);
  EXPECT_EQ(sim.openKeys(), 0);
}

TEST_F(About, SystemInfoStartsThePathValueOrElseTheProgramInTheFolderValue) {
  sim.environment["ProgramFiles"] = "C:\\Program Files";
  sim.addFile("C:\\Program Files\\Info & more\\msinfo32.exe");
  sim.addFile("C:\\Info\\MSINFO32.EXE");
  setFolder("C:\\Info");
  struct Case { RegistryValue path; const char* started; };
  const Case cases[] = {
      {RegistryValue::text("C:\\Program Files\\Info & more\\msinfo32.exe"), "C:\\Program Files\\Info & more\\msinfo32.exe"},
      {RegistryValue::text("%ProgramFiles%\\Info & more\\msinfo32.exe", platform::kRegExpandSz),
       "C:\\Program Files\\Info & more\\msinfo32.exe"},
      // A path that names no program, or no path at all: the folder value's program.
      {RegistryValue::text("C:\\Gone\\msinfo32.exe"), "C:\\Info\\MSINFO32.EXE"},
      {RegistryValue::dword(7), "C:\\Info\\MSINFO32.EXE"},
  };
  for (const Case& c : cases) {
    setPath(c.path);
    pressSystemInfo();
    EXPECT_EQ(sim.startedPrograms().back(), c.started);
  }
  EXPECT_EQ(sim.startedPrograms().size(), std::size(cases));
  EXPECT_TRUE(messages().empty());
}

TEST_F(About, WithoutAPathSystemInfoStartsTheProgramInTheFolderValueWhenItIsThere) {
  sim.setRegistryValue(kHkeyLocalMachine, kInfoKey, "Other", RegistryValue::text("x"));  // the key, no PATH
  pressSystemInfo();  // nothing at all
  setFolder("C:\\Info");
  pressSystemInfo();  // no program in the folder
  sim.addFile("C:\\Info\\MSINFO32.EXE", {.hidden = true});
  pressSystemInfo();
  sim.addFile("C:\\Info\\MSINFO32.EXE", {.system = true});
  pressSystemInfo();
  EXPECT_TRUE(sim.startedPrograms().empty());
  EXPECT_EQ(messages(), (Texts(4, kUnavailable)));
  // The box was up, the ruler out of the topmost band, while the message showed.
  EXPECT_FALSE(sim.messageBoxes().back().topmost.at(rulerWindow().hwnd()));

  sim.addFile("C:\\Info\\MSINFO32.EXE");
  pressSystemInfo();
  EXPECT_EQ(sim.startedPrograms(), Texts{"C:\\Info\\MSINFO32.EXE"});
  EXPECT_EQ(messages().size(), 4u);
  EXPECT_EQ(sim.openKeys(), 0);
}

}  // namespace
}  // namespace lindrel::testing
