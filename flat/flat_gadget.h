// The flat gadget record and its vocabulary: kinds, colour slots, flags and kit attributes.
//
// A flat gadget is a canvas control that draws itself. Its data lives in one FlatGadget record,
// owned by the kit's registry (flat_registry.h) from the creator until the control is destroyed.
// The record's first member is the control's operation table: the control's table reference
// points at it, so an override gets from the GadgetObject to its record by one pointer conversion,
// without a search. That conversion is only well defined for a standard-layout record, which the
// static_assert below keeps true.
//
// Colours are packed RGB (toolkit/color.h) in slots numbered 1 to 14, the numbers the generic
// set-colour and get-colour operations take. Painters and cleanups are plain functions of the
// record that return 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

#include "toolkit/color.h"
#include "toolkit/events.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/ids.h"

namespace flat {

enum class FlatKind : std::int32_t {
  None = 0,         // a record between attach and its creator's setup
  Button = 1,       // flat button
  ImageButton = 2,  // a picture per state
  Check = 3,        // two-state check
  Progress = 4,     // flat progress bar, plain or gradient
  CaptionBar = 5,   // text strip with a close cross
};

// Colour slots.
inline constexpr int FlatColorFront = 1;  // caption text; the bar of a progress bar
inline constexpr int FlatColorBack = 2;
inline constexpr int FlatColorFrame = 3;
inline constexpr int FlatColorHoverFront = 7;  // 4 to 6 are stored and returned, never drawn
inline constexpr int FlatColorHoverBack = 8;
inline constexpr int FlatColorHoverFrame = 9;
inline constexpr int FlatColorPressedFront = 10;  // while pressed, or toggled on
inline constexpr int FlatColorPressedBack = 11;
inline constexpr int FlatColorPressedFrame = 12;
inline constexpr int FlatColorGradientBack = 13;   // gradient start
inline constexpr int FlatColorGradientFront = 14;  // gradient end
inline constexpr int kFlatColorSlots = 14;

// Flags, given at creation.
inline constexpr std::int32_t FlatAlignLeft = 0x100;
inline constexpr std::int32_t FlatAlignRight = 0x200;
inline constexpr std::int32_t FlatWrap = 0x2000;
inline constexpr std::int32_t FlatToggleMask = 0x1003;  // any of these bits: a toggle button
inline constexpr std::int32_t FlatCheckSquare = 0x2;    // a check shows a square, not a mark

// Attributes from 1024 up are the kit's; below, the canvas's own.
inline constexpr int kFlatFirstAttribute = 1024;
inline constexpr int FlatAttributeImage0 = 1025;   // image button, state 0 (set only)
inline constexpr int FlatAttributeImage1 = 1026;   // image button, state 1 (set only)
inline constexpr int FlatAttributeMaximum = 1027;  // progress bar (set and get)
inline constexpr int FlatAttributeMinimum = 1028;  // progress bar (set and get)

struct FlatGadget;
using FlatProcedure = int (*)(FlatGadget&);

struct FlatGadget {
  tk::GadgetOps ops{};                 // the control's table from attach on; keep it first
  tk::GadgetOps* baseOps = nullptr;    // the table before attach: delegation target, put back
  std::int32_t gadgetNumber = 0;       // the control's number
  tk::Handler eventHandler = nullptr;  // bound to all event types of the control, or none
  FlatKind kind = FlatKind::None;      // set by the creator
  std::int32_t flags = 0;              // bit set given at creation
  std::int32_t state = 0;              // kinds 1 to 3: 0 or 1; progress bar: the value shown
  std::u16string text;                 // the caption
  tk::FontHandle font = 0;             // font of the caption
  std::array<tk::Color, kFlatColorSlots> colors{};  // slot n at index n - 1
  FlatProcedure paint = nullptr;                    // redraws the whole control and shows it
  FlatProcedure cleanup = nullptr;      // releases the kind's own resources, first on release
  std::int32_t hover = 0;               // 1 while the pointer is over the control
  std::int32_t pressed = 0;             // 1 while the left button is held on the control
  std::int32_t minimum = 0;             // progress bar: lower end (never drawn)
  std::int32_t maximum = 0;             // progress bar: the value at which it is full
  std::array<tk::ImageId, 2> images{};  // image button: kit-owned copies for states 0 and 1;
                                        // the empty number (kAnyNumber) when none is held
};

static_assert(std::is_standard_layout_v<FlatGadget>,
              "overrides reach the record from its ops member by pointer conversion");

// Slot n of the record (1 to 14); callers check the range.
inline tk::Color& FlatColor(FlatGadget& gadget, int slot) {
  return gadget.colors[slot - 1];
}
inline tk::Color FlatColor(const FlatGadget& gadget, int slot) {
  return gadget.colors[slot - 1];
}

// The cleanup of kinds that own nothing besides their record.
int FlatCleanupNothing(FlatGadget& gadget);

}  // namespace flat
