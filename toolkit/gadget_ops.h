// A control's operation table.
//
// Every control carries a reference to a GadgetOps table. The generic control operations
// (controls.h) look the control up by number and call the matching entry of its *current* table;
// an empty entry falls back to the toolkit's handling of a plain native control: native text,
// native font and moving the control; 0 for states and attributes; nothing for colours. A higher
// layer may give a control a patched copy of its table and pass on what is not its own to the
// table it replaced (the flat gadget kit does). The toolkit reads the type code from the current
// table before it lets a program draw on a control, so a copied header keeps a canvas drawable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/ids.h"

namespace tk {

enum class GadgetType : std::int32_t {
  Label = 1,
  Edit = 2,
  Container = 3,
  Canvas = 4,
  ImageView = 5,
};

struct GadgetObject;

struct GadgetOps {
  GadgetType type;      // the control's type code
  std::int32_t length;  // the number of entries that follow the header

  std::intptr_t (*free)(GadgetObject&);  // runs when the control is destroyed
  std::intptr_t (*getState)(GadgetObject&);
  std::intptr_t (*setState)(GadgetObject&, std::intptr_t value);
  std::u16string (*getText)(GadgetObject&);
  std::intptr_t (*setText)(GadgetObject&, std::u16string_view text);
  std::intptr_t (*resize)(GadgetObject&, int x, int y, int width, int height);
  std::intptr_t (*getAttribute)(GadgetObject&, int attribute);
  std::intptr_t (*setAttribute)(GadgetObject&, int attribute, std::intptr_t value);
  std::intptr_t (*setColor)(GadgetObject&, int colorType, Color color);
  std::intptr_t (*getColor)(GadgetObject&, int colorType);
  FontHandle (*getFont)(GadgetObject&);
  std::intptr_t (*setFont)(GadgetObject&, FontHandle font);
};

inline constexpr std::int32_t kGadgetOpsEntries = 12;

// The toolkit's object for one control. It stays at one address for the control's life.
struct GadgetObject {
  ControlId number;
  WindowId window;   // the window the control was created in
  Handle handle;     // the platform's native handle
  GadgetOps* ops;    // the current table; the flat gadget kit points it at its own copy
};

}  // namespace tk
