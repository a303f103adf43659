#include "ui/layout.h"

namespace zg {
namespace {

constexpr double kTitleFont = 9.75;
constexpr double kCreditFont = 6.75;
constexpr double kF = kWindowFontSize;

// clang-format off
constexpr std::array<ControlSpec, kCtlCount> kControls{{
  {Ctl::Command1, "Command1", CtlKind::Button, "Создать знакогенератор", 0x0080C0FF, {420, 6300, 1455, 612}, kF, false, false, false},
  {Ctl::Command2, "Command2", CtlKind::Button, "Импортировать знакогенератор", 0x00C0FFFF, {420, 7140, 1455, 612}, kF, false, false, false},
  {Ctl::Command3, "Command3", CtlKind::Button, "Стереть", 0x008080FF, {7140, 5985, 855, 435}, kF, false, false, false},
  {Ctl::Command4, "Command4", CtlKind::Button, "Очистить знакогенератор", 0x000000FF, {9870, 6825, 2295, 495}, kF, false, false, false},
  {Ctl::Command5, "Command5", CtlKind::Button, "Сохранить знакогенератор", 0x00FFC0FF, {5040, 7035, 1470, 612}, kF, false, false, false},
  {Ctl::Command6, "Command6", CtlKind::Button, "Вверх", 0x00C0C0FF, {8085, 5985, 750, 435}, kF, false, false, false},
  {Ctl::Command7, "Command7", CtlKind::Button, "Вниз", 0x00C0C0FF, {8925, 5985, 750, 435}, kF, false, false, false},
  {Ctl::Command8, "Command8", CtlKind::Button, "Влево", 0x00C0C0FF, {9765, 5985, 750, 435}, kF, false, false, false},
  {Ctl::Command9, "Command9", CtlKind::Button, "Вправо", 0x00C0C0FF, {10605, 5985, 750, 435}, kF, false, false, false},
  {Ctl::Command10, "Command10", CtlKind::Button, "Изменить вид развертки", 0x00FF00FF, {7245, 6825, 2295, 495}, kF, false, false, false},
  {Ctl::Command11, "Command11", CtlKind::Button, "Откат", 0x00FFFFFF, {11445, 5985, 750, 435}, kF, false, false, false},
  {Ctl::Check1, "Check1", CtlKind::CheckBox, "Негативный шрифт", 0, {5160, 6564, 1284, 372}, kF, false, false, false},
  {Ctl::Frame2, "Frame2", CtlKind::Frame, "Выходной файл", 0, {2148, 6192, 4575, 1572}, kF, false, false, false},
  {Ctl::Combo1, "Combo1", CtlKind::Combo, "Data code", 0, {156, 324, 1224, 288}, kF, false, false, true},
  {Ctl::Combo2, "Combo2", CtlKind::Combo, "&hNN", 0, {144, 960, 1224, 330}, kF, false, false, true},
  {Ctl::Label20, "Label20", CtlKind::Label, "Формат строки", 0, {1728, 288, 708, 396}, kF, false, false, true},
  {Ctl::Label21, "Label21", CtlKind::Label, "Формат числа", 0, {1725, 960, 735, 480}, kF, false, false, true},
  {Ctl::Label2, "Label2", CtlKind::Label, "   Выбор символа", 0, {2400, 120, 1935, 255}, kTitleFont, true, false, false},
  {Ctl::Label3, "Label3", CtlKind::Label, "Редактирование знакоместа", 0, {8295, 120, 3135, 255}, kTitleFont, true, false, false},
  {Ctl::Label18, "Label18", CtlKind::Label, "", 0, {10395, 7665, 2055, 255}, kCreditFont, false, true, false},
  {Ctl::Label19, "Label19", CtlKind::Label, "", 0, {7140, 420, 2430, 225}, kF, false, false, false},
}};

constexpr std::array<LineSpec, 10> kLines{{
  {"Line1", 6720, 276, 6720, 6000},
  {"Line2", 240, 240, 240, 6000},
  {"Line3", 6720, 6000, 240, 6000},
  {"Line4", 2280, 240, 240, 240},
  {"Line5", 4440, 240, 6720, 240},
  {"Line6", 6960, 240, 6960, 6510},
  {"Line7", 12390, 210, 12390, 6510},
  {"Line8", 12390, 6510, 6930, 6510},
  {"Line9", 7875, 240, 6960, 240},
  {"Line10", 12375, 240, 11550, 240},
}};

constexpr std::array<double, 16> kColumnHeadingLeft{
    732, 1080, 1464, 1824, 2184, 2532, 2892, 3264, 3636, 3972, 4332, 4680, 5028, 5376, 5736, 6132};
// clang-format on

Rect Scaled(const Rect& r, double k) { return {r.left * k, r.top * k, r.width * k, r.height * k}; }

}  // namespace

const std::array<ControlSpec, kCtlCount>& DesignedControls() { return kControls; }
const ControlSpec& DesignedControl(Ctl id) { return kControls[static_cast<int>(id)]; }
const std::array<LineSpec, 10>& DesignedLines() { return kLines; }

std::vector<HeadingSpec> DesignedHeadings() {
  static const char* const kDigits = "0123456789ABCDEF";
  std::vector<HeadingSpec> out;
  for (int c = 0; c < 16; ++c) {
    const bool twoBlanks = c >= 12 && c <= 14;  // "C  ", "D  ", "E  "
    std::string caption(1, kDigits[c]);
    caption += twoBlanks ? "  " : "   ";
    out.push_back({caption, {kColumnHeadingLeft[c], c == 15 ? 444.0 : 456.0, 372, 252}});
  }
  for (int row = 0; row < 14; ++row) {
    std::string caption(1, kDigits[2 + row]);
    caption += "0h";
    out.push_back({caption, {240, 840.0 + 360.0 * row, 375, 255}});
  }
  return out;
}

Rect DesignedSymbolBox(int i) {
  return {720.0 + 360.0 * (i % 16), 720.0 + 360.0 * (i / 16), kSymbolBoxSize, kSymbolBoxSize};
}

Rect DesignedPixelBox(int k) {
  return {7140.0 + 210.0 * (k % 24), 735.0 + 210.0 * (k / 24), kPixelBoxSize, kPixelBoxSize};
}

float ScaleFactorForScreen(double screenTwips) {
  return screenTwips < kSmallScreenTwips ? static_cast<float>(kSmallScreenScale) : 1.0F;
}

ScaledLayout ComputeLayout(double screenTwips) {
  ScaledLayout out;
  out.kscr = ScaleFactorForScreen(screenTwips);
  // Products are formed in double precision from the float factor.
  const bool scale = out.kscr < 0.95F;
  const double k = scale ? static_cast<double>(out.kscr) : 1.0;
  if (scale) {
    out.windowWidth = kDesignedWidth * k * 1.02;
    out.windowHeight = kDesignedHeight * k;
  }
  for (const auto& c : kControls) {
    const int i = static_cast<int>(c.id);
    out.controls[i] = Scaled(c.rect, k);
    double font = c.fontSize;
    // The credit line is scaled twice: by kscr * 1.2 first, then with the rest.
    if (scale && c.id == Ctl::Label18) font = font * k * 1.2;
    out.fontSizes[i] = font * k;
  }
  for (int l = 0; l < 10; ++l) {
    const auto& s = kLines[l];
    out.lines[l] = {s.x1 * k, s.y1 * k, s.x2 * k, s.y2 * k};
  }
  out.headings = DesignedHeadings();
  for (auto& h : out.headings) {
    h.rect = Scaled(h.rect, k);
    out.headingFontSizes.push_back(kWindowFontSize * k);
  }
  for (int i = 0; i < kSymbolCount; ++i) out.symbolBoxes[i] = Scaled(DesignedSymbolBox(i), k);
  for (int i = 0; i < kGridBoxes; ++i) out.pixelBoxes[i] = Scaled(DesignedPixelBox(i), k);
  out.symbolFontSize = kNormalFontSize;
  return out;
}

}  // namespace zg
