// Drawing on a canvas control.
//
// Drawing::Start opens a drawing session on a canvas's picture buffer; the session ends, and the
// new picture is shown on the control, when the object is destroyed. Start fails when the control
// is missing or its current operation table does not say canvas. Every session begins in mode 0
// (filled boxes, text with its background), origin (0, 0), the default control font and black.
#pragma once

#include <optional>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"
#include "toolkit/raster.h"

namespace tk {

// Drawing modes; setting a mode replaces the previous one.
inline constexpr int kModeDefault = 0;
inline constexpr int kModeTransparent = 1;  // text without its background
inline constexpr int kModeOutlined = 4;     // boxes as their one-pixel border
inline constexpr int kModeGradient = 64;    // boxes filled with the linear gradient

class Drawing {
 public:
  static std::optional<Drawing> Start(ControlId canvas);
  Drawing(Drawing&& other) noexcept;
  Drawing& operator=(Drawing&&) = delete;
  Drawing(const Drawing&) = delete;
  ~Drawing();

  int OutputWidth() const;
  int OutputHeight() const;

  void Mode(int mode);
  void Font(FontHandle font);  // 0 keeps the current font
  void FrontColor(Color color);
  void BackColor(Color color);
  void Origin(int x, int y);
  void GradientColors(Color start, Color end);
  void LinearGradient(int x1, int y1, int x2, int y2);

  void Box(int x, int y, int width, int height, Color color);
  void Line(int x, int y, int width, int height, Color color);
  void Plot(int x, int y, Color color);
  // Text with its top-left corner at (x, y) in the front colour; in mode 0 its extent is first
  // filled with the back colour. Returns the x just after the text.
  int Text(int x, int y, std::u16string_view text);
  int Text(int x, int y, std::u16string_view text, Color front);
  int Text(int x, int y, std::u16string_view text, Color front, Color back);
  int TextWidth(std::u16string_view text) const;   // 0 for the empty text
  int TextHeight(std::u16string_view text) const;  // the line height; 0 for the empty text
  void AlphaImage(Handle image, int x, int y, int opacity = 255);

 private:
  Drawing(ControlId canvas, PixelBuffer& target);

  ControlId canvas_;
  PixelBuffer* target_;
  int mode_ = kModeDefault;
  FontHandle font_;
  Color front_ = 0;
  Color back_ = Rgb(255, 255, 255);
  Point origin_;
  tk::LinearGradient gradient_;
};

}  // namespace tk
