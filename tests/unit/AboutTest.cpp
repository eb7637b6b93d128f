// The about box: opened from the menu, its texts, closing it, and the system information launch.

#include "about/frmAbout.h"
#include "platform/Handles.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::kHkeyLocalMachine;
using platform::sim::RegistryValue;
using Texts = std::vector<std::string>;

constexpr char kUsage[] =
    "    Lindrel 版本 0.1.0\r\n"
    "               Lindrel\r\n"
    "   ===================================\r\n"
    "             使用帮助与技巧\r\n"
    "1.双击鼠标 垂直与 水平切换\r\n"
    "2.按键盘上下左右微调程序坐标\r\n"
    "3.按 Ｓｈｉｆｔ ＋ 键盘上下左右 微调程序大小\r\n";
constexpr char kUnavailable[] = "此时系统信息不可用";
constexpr char kInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

class About : public SimApp {
 protected:
  frmAbout& about() { return app.about(); }
  SimWindow& box() { return dynamic_cast<SimWindow&>(*about().window()); }

  // Right-click on the ruler, choose the about item; drive runs while the box is up.
  void open(const std::function<void()>& drive = [] {}) {
    sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{"关于软件(&A)"}; };
    sim.onModal = [&](platform::Window&) { drive(); };
    sim.click(platform::button::kRight, Point{rulerRect().left + 40, rulerRect().top + 30});
  }
  // Presses the system information button of a box opened from the menu.
  void pressSysInfo() {
    open([&] {
      sim.press(*about().cmdSysInfo);
      EXPECT_TRUE(box().isOpen());  // a failure message leaves the box up
    });
  }
  void setPath(RegistryValue v) { sim.setRegistryValue(kHkeyLocalMachine, kInfoKey, "PATH", std::move(v)); }
  void setFolder(std::string_view folder) {
    sim.setRegistryValue(kHkeyLocalMachine, kLocationKey, "MSINFO", RegistryValue::text(folder));
  }
  Texts messages() const {
    Texts texts;
    for (const auto& shown : sim.messageBoxes()) texts.push_back(shown.text);
    return texts;
  }
};

TEST_F(About, OpensModallyFromTheMenuWithTheRulerOutOfTheTopmostBandUntilItCloses) {
  const auto ruler = rulerWindow().hwnd();
  bool shown = false;
  open([&] {
    shown = true;
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(sim.activeWindow(), &box());
    EXPECT_FALSE(sim.isTopmost(ruler));
    // The ruler takes no input while the box is up: no second menu.
    sim.click(platform::button::kRight, Point{rulerRect().left + 40, rulerRect().top + 30});
    EXPECT_EQ(sim.popups().size(), 1u);
    sim.closeBox(box());
  });
  ASSERT_TRUE(shown);
  EXPECT_FALSE(box().isOpen());
  EXPECT_TRUE(sim.isTopmost(ruler));
}

TEST_F(About, WithNoRoomForTheBoxTheUserIsToldAndTheRulerCarriesOn) {
  const auto hwnd = rulerWindow().hwnd();
  sim.refuseWindow = [](const platform::WindowSpec& design) { return design.className == "LindrelAbout"; };
  open();
  EXPECT_EQ(messages(), Texts{"Out of memory"});
  EXPECT_TRUE(sim.isTopmost(hwnd));
  EXPECT_TRUE(ruler().Timer1.enabled());  // the pointer zones still follow the pointer
  sim.refuseWindow = nullptr;
  bool shown = false;
  open([&] { shown = true; });
  EXPECT_TRUE(shown);
}

TEST_F(About, EveryOpeningLoadsTheSameTexts) {
  for (int opening = 0; opening < 2; ++opening) {
    open([&] {
      EXPECT_EQ(box().caption(), "关于 Lindrel");
      EXPECT_EQ(about().lblTitle->caption(), "Lindrel");
      EXPECT_EQ(about().lblVersion->caption(), "版本 0.1.0");
      EXPECT_FALSE(about().lblDisclaimer->caption().empty());
      EXPECT_EQ(about().txtHelp->text(), kUsage);
    });
  }
}

TEST_F(About, EnterAndEscCloseTheBox) {
  for (const std::int16_t key : {platform::vk::kReturn, platform::vk::kEscape}) {
    open([&] {
      sim.keyDown(key);
      EXPECT_FALSE(box().isOpen()) << "key " << key;
    });
  }
  EXPECT_TRUE(sim.isTopmost(rulerWindow().hwnd()));
}

TEST_F(About, GetKeyValueReadsTextNumbersAndOtherTypesReadOnly) {
  sim.setRegistryValue(kHkeyLocalMachine, "SOFTWARE\\Lindrel", "Text", RegistryValue::text("C:\\程序\\a b.exe"));
  sim.setRegistryValue(kHkeyLocalMachine, "SOFTWARE\\Lindrel", "Empty", RegistryValue::text(""));
  sim.setRegistryValue(kHkeyLocalMachine, "SOFTWARE\\Lindrel", "Full", RegistryValue::dword(0x12345678));
  sim.setRegistryValue(kHkeyLocalMachine, "SOFTWARE\\Lindrel", "Small", RegistryValue::dword(0x00010203));
  sim.setRegistryValue(kHkeyLocalMachine, "SOFTWARE\\Lindrel", "Expand",
                       RegistryValue::text("%x%", platform::kRegExpandSz));
  const auto read = [&](std::string_view key, std::string_view name) {
    std::string value = "before";
    const bool ok = about().GetKeyValue(kHkeyLocalMachine, key, name, value);
    return std::make_pair(ok, value);
  };
  // A standard user (the sim's default) can read them: the keys are opened for reading only.
  EXPECT_EQ(read("SOFTWARE\\Lindrel", "Text"), std::make_pair(true, std::string("C:\\程序\\a b.exe")));
  EXPECT_EQ(read("SOFTWARE\\Lindrel", "Empty"), std::make_pair(true, std::string()));
  EXPECT_EQ(read("SOFTWARE\\Lindrel", "Full"), std::make_pair(true, std::string("&h12345678")));
  EXPECT_EQ(read("SOFTWARE\\Lindrel", "Small"), std::make_pair(true, std::string("&h123")));  // last zero byte left out
  EXPECT_EQ(read("SOFTWARE\\Lindrel", "Expand"), std::make_pair(true, std::string("before")));
  EXPECT_EQ(read("SOFTWARE\\Lindrel", "Missing"), std::make_pair(false, std::string()));
  EXPECT_EQ(read("SOFTWARE\\Missing", "Text"), std::make_pair(false, std::string()));
  for (std::uint32_t access : sim.registryAccessRequested()) EXPECT_EQ(access & ~platform::kKeyRead, 0u);
  EXPECT_EQ(sim.openKeys(), 0);
}

TEST_F(About, SysInfoStartsThePathValueAsReadWithoutLookingFurther) {
  sim.addFile("C:\\Info\\MSINFO32.EXE");
  setFolder("C:\\Info");
  sim.addFile("C:\\Program Files\\Info & more\\msinfo32.exe");
  setPath(RegistryValue::text("C:\\Program Files\\Info & more\\msinfo32.exe"));
  pressSysInfo();
  EXPECT_EQ(sim.startedPrograms(), Texts{"C:\\Program Files\\Info & more\\msinfo32.exe"});
  EXPECT_TRUE(messages().empty());
  // A path that leads nowhere, or a value of another type, fails at the start; the folder
  // value is not consulted.
  for (const RegistryValue& path : {RegistryValue::text("C:\\Gone\\msinfo32.exe"), RegistryValue::dword(7),
                                    RegistryValue::text("C:\\Info\\MSINFO32.EXE", platform::kRegExpandSz)}) {
    setPath(path);
    const auto opened = sim.registryAccessRequested().size();
    pressSysInfo();
    EXPECT_EQ(sim.registryAccessRequested().size(), opened + 1);
  }
  EXPECT_EQ(sim.startedPrograms().size(), 1u);
  EXPECT_EQ(messages(), (Texts{kUnavailable, kUnavailable, kUnavailable}));
}

TEST_F(About, WithoutAPathSysInfoStartsTheProgramInTheFolderValueWhenItIsThere) {
  sim.setRegistryValue(kHkeyLocalMachine, kInfoKey, "Other", RegistryValue::text("x"));  // the key, no PATH
  pressSysInfo();  // nothing at all
  setFolder("C:\\Info");
  pressSysInfo();  // no program in the folder
  sim.addFile("C:\\Info\\MSINFO32.EXE", {.hidden = true});
  pressSysInfo();
  sim.addFile("C:\\Info\\MSINFO32.EXE", {.system = true});
  pressSysInfo();
  EXPECT_TRUE(sim.startedPrograms().empty());
  EXPECT_EQ(messages(), (Texts(4, kUnavailable)));
  // The box was up, the ruler out of the topmost band, while the message showed.
  EXPECT_FALSE(sim.messageBoxes().back().topmost.at(rulerWindow().hwnd()));
  EXPECT_EQ(sim.messageBoxes().back().caption, "Lindrel");

  sim.addFile("C:\\Info\\MSINFO32.EXE");
  pressSysInfo();
  EXPECT_EQ(sim.startedPrograms(), Texts{"C:\\Info\\MSINFO32.EXE"});
  EXPECT_EQ(messages().size(), 4u);
  EXPECT_EQ(sim.openKeys(), 0);
}

}  // namespace
}  // namespace lindrel::testing
