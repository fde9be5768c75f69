// Caption layout: where a flat gadget's text goes inside a rectangle.
//
// One line: aligned left (inset 2), right (inset 2) or centred, and one pixel above the vertical
// centre. Wrapped (FlatWrap): split at every single space, lines filled greedily while the line
// with the next word stays narrower than the rectangle's width less 12, each line trimmed of its
// end spaces and aligned on its own width, the block placed around the vertical middle by an
// estimate of its line count (the whole caption's width over the rectangle's). The first word of
// a line is always placed, however wide; lines outside the rectangle are left to canvas clipping.
//
// Every halving truncates toward zero and each term is halved on its own (width / 2 - w / 2).
// LayoutFlatCaption computes the lines; DrawFlatCaption measures and draws them in a drawing
// session whose font, front colour and mode the caller has chosen.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "toolkit/drawing.h"
#include "toolkit/geometry.h"

namespace flat {

struct FlatCaptionLine {
  tk::Point at;              // top-left corner of the text
  std::u16string_view text;  // a piece of the caption
  bool operator==(const FlatCaptionLine&) const = default;
};

// The text width of a string in the drawing font; 0 for the empty string.
using FlatTextWidth = std::function<int(std::u16string_view)>;

// captionHeight is the text height of the whole caption (the font's line height, 0 when empty).
// A wrapped caption in a rectangle of width 0 has no lines.
std::vector<FlatCaptionLine> LayoutFlatCaption(tk::Rect rect, std::u16string_view caption,
                                               std::int32_t flags, int captionHeight,
                                               const FlatTextWidth& widthOf);

void DrawFlatCaption(tk::Drawing& drawing, tk::Rect rect, std::u16string_view caption,
                     std::int32_t flags);

}  // namespace flat
