// The kit's entries of a flat gadget's operation table.
//
// Each takes the record through the control's table reference and does nothing (returns 0, or -1
// for a colour) when there is none. Every change repaints the whole control at once through the
// record's paint; what is not the kit's goes to the canvas's own entry in baseOps. Attribute
// numbers below 1024 are always the canvas's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/ids.h"

namespace flat {

// Puts the eleven overrides and FreeFlat into a copied table; the header and any other entry stay.
void InstallFlatOverrides(tk::GadgetOps& ops);

std::intptr_t GetFlatState(tk::GadgetObject& object);  // a flat button always reports 0
std::intptr_t SetFlatState(tk::GadgetObject& object, std::intptr_t value);
std::u16string GetFlatText(tk::GadgetObject& object);
std::intptr_t SetFlatText(tk::GadgetObject& object, std::u16string_view text);
// Passes the four values on untouched (kKeepValue keeps a coordinate), then repaints at the new
// size; returns the canvas's result.
std::intptr_t ResizeFlat(tk::GadgetObject& object, int x, int y, int width, int height);
std::intptr_t GetFlatAttribute(tk::GadgetObject& object, int attribute);
std::intptr_t SetFlatAttribute(tk::GadgetObject& object, int attribute, std::intptr_t value);
std::intptr_t SetFlatColor(tk::GadgetObject& object, int slot, tk::Color color);
std::intptr_t GetFlatColor(tk::GadgetObject& object, int slot);
tk::FontHandle GetFlatFont(tk::GadgetObject& object);
std::intptr_t SetFlatFont(tk::GadgetObject& object, tk::FontHandle font);  // 0 is ignored

}  // namespace flat
