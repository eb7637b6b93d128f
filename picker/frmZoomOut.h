#pragma once
// The magnifier and colour picker: a small always-on-top tool window that enlarges the
// screen round the pointer five times and reads the colour under it, shows that colour as
// numbers and as a code in one of five notations, copies the code, and lets the colour be
// edited with the bars, the component boxes or a typed code.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "platform/Platform.h"

namespace lindrel {

class Application;

class frmZoomOut {
 public:
  explicit frmZoomOut(Application& app);
  ~frmZoomOut();
  frmZoomOut(const frmZoomOut&) = delete;
  frmZoomOut& operator=(const frmZoomOut&) = delete;

  // The magnifier command: loads the window with its design values if it is not open,
  // shows it, returns at once. The colour state survives closing.
  void open();
  platform::Window* window() { return window_.get(); }

  // The notations of the code box, by their place in cmbSel.
  enum Notation : int { Html = 0, Vb = 1, Delphi = 2, Rgb = 3, Cpp = 4 };

  // ---- Sampling and the magnifier.
  // Reads the pixel under the pointer and brings every control up to date with it.
  void setColor();
  // The 100 x 100 pixels round the pointer, five times enlarged, into Pic2.
  void paintMagnifier();
  void Timer1_Timer();
  void CmdPen_MouseDown(std::int16_t Button, std::int16_t Shift, double X, double Y);
  void CmdPen_MouseUp(std::int16_t Button, std::int16_t Shift, double X, double Y);
  void Pic2_MouseDown(std::int16_t Button, std::int16_t Shift, double X, double Y);

  // ---- The code notations.
  // "#" and the pairs of s swapped end for end: BBGGRR gives #RRGGBB and back.
  std::string HexToHtml(const std::string& s) const;
  // The stored components into the bars and the component boxes.
  void setRGB();
  // The stored colour's code in the selected notation into the code box.
  void showColorCode();
  void btnCopy_Click();

  // ---- Editing.
  // Recolours from the component boxes. keyCode is the key that just landed in a box (or 8
  // after a thumb drag); any key but Backspace and the digits is set to 0 and does nothing.
  void setColor2(std::int16_t& keyCode);
  // Reads the code box in the selected notation into the colour and the swatch.
  void applyColorCode();
  void red_Scroll();
  void green_Scroll();
  void blue_Scroll();

  // A component as the window holds it: a number after a sample, or the text of its box
  // after an edit (an empty box counts as 0 and stays empty).
  using Part = std::variant<double, std::string>;

  // ---- State, kept for the life of the object (across openings of the window).
  platform::Point cursorPos{};
  double colorValue = 0;  // red + 256 * green + 65536 * blue
  std::string hexText;    // BBGGRR of colorValue, or the code last given to the Set button
  Part redPart = std::string{};
  Part greenPart = std::string{};
  Part bluePart = 0.0;  // a number in plain decimal, or an empty text while its box is empty

  // ---- The controls of the open window, by their design names; null before the first
  // opening. A closed window keeps its objects until the next opening replaces them.
  platform::PictureBox* Pic2 = nullptr;
  platform::Button* CmdPen = nullptr;
  platform::PictureBox* pic = nullptr;
  platform::TextBox* txtColor = nullptr;
  platform::ComboBox* cmbSel = nullptr;
  platform::Button* btnCopy = nullptr;
  platform::Button* cmdSet = nullptr;
  platform::Image imgPen{platform::Picture::Pen};
  platform::Label* Label1 = nullptr;
  platform::ScrollBar* red = nullptr;
  platform::TextBox* txtR = nullptr;
  platform::Label* Label2 = nullptr;
  platform::ScrollBar* green = nullptr;
  platform::TextBox* txtG = nullptr;
  platform::Label* Label3 = nullptr;
  platform::ScrollBar* blue = nullptr;
  platform::TextBox* txtB = nullptr;
  platform::Timer* Timer1 = nullptr;

 private:
  void load();
  void Form_Load();
  // The second half of a sample: code, components, bars, boxes and swatch from colorValue.
  void renderSample();
  void componentScrolled(platform::ScrollBar& bar, platform::TextBox& box);
  // A box changed without a typed character (Delete, paste, cut, undo).
  void componentEdited();
  std::string codeFor(int notation) const;

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
};

}  // namespace lindrel
