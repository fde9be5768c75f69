#include "flat/flat_overrides.h"

#include "flat/flat_attach.h"
#include "flat/flat_gadget.h"
#include "flat/flat_image_button.h"

namespace flat {

namespace {

bool IsTwoStateKind(FlatKind kind) {
  return kind == FlatKind::Button || kind == FlatKind::ImageButton || kind == FlatKind::Check;
}

bool IsColorSlot(int slot) {
  return slot >= 1 && slot <= kFlatColorSlots;
}

void StoreKitAttribute(FlatGadget& gadget, int attribute, std::intptr_t value) {
  switch (gadget.kind) {
    case FlatKind::ImageButton:
      if (attribute == FlatAttributeImage0 || attribute == FlatAttributeImage1) {
        HoldFlatImage(gadget, attribute - FlatAttributeImage0, tk::ImageId{int(value)});
      }
      break;
    case FlatKind::Progress:
      if (attribute == FlatAttributeMaximum) {
        gadget.maximum = std::int32_t(value);
      } else if (attribute == FlatAttributeMinimum) {
        gadget.minimum = std::int32_t(value);
      }
      break;
    default:
      break;
  }
}

}  // namespace

void InstallFlatOverrides(tk::GadgetOps& ops) {
  ops.free = FreeFlat;
  ops.getState = GetFlatState;
  ops.setState = SetFlatState;
  ops.getText = GetFlatText;
  ops.setText = SetFlatText;
  ops.resize = ResizeFlat;
  ops.getAttribute = GetFlatAttribute;
  ops.setAttribute = SetFlatAttribute;
  ops.setColor = SetFlatColor;
  ops.getColor = GetFlatColor;
  ops.getFont = GetFlatFont;
  ops.setFont = SetFlatFont;
}

std::intptr_t GetFlatState(tk::GadgetObject& object) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr || gadget->kind == FlatKind::Button) {
    return 0;
  }
  return gadget->state;
}

std::intptr_t SetFlatState(tk::GadgetObject& object, std::intptr_t value) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr) {
    return 0;
  }
  gadget->state = IsTwoStateKind(gadget->kind) ? std::int32_t(value != 0) : std::int32_t(value);
  gadget->paint(*gadget);
  return 0;
}

std::u16string GetFlatText(tk::GadgetObject& object) {
  FlatGadget* gadget = FlatFromObject(object);
  return gadget == nullptr ? std::u16string() : gadget->text;
}

std::intptr_t SetFlatText(tk::GadgetObject& object, std::u16string_view text) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr) {
    return 0;
  }
  gadget->text = text;
  gadget->paint(*gadget);
  return 0;
}

std::intptr_t ResizeFlat(tk::GadgetObject& object, int x, int y, int width, int height) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr) {
    return 0;
  }
  auto baseResize = gadget->baseOps->resize;
  std::intptr_t result = baseResize ? baseResize(object, x, y, width, height) : 0;
  gadget->paint(*gadget);
  return result;
}

std::intptr_t GetFlatAttribute(tk::GadgetObject& object, int attribute) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr) {
    return 0;
  }
  if (attribute < kFlatFirstAttribute) {
    auto baseGet = gadget->baseOps->getAttribute;
    return baseGet ? baseGet(object, attribute) : 0;
  }
  if (gadget->kind == FlatKind::Progress) {
    if (attribute == FlatAttributeMaximum) {
      return gadget->maximum;
    }
    if (attribute == FlatAttributeMinimum) {
      return gadget->minimum;
    }
  }
  return 0;
}

std::intptr_t SetFlatAttribute(tk::GadgetObject& object, int attribute, std::intptr_t value) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr) {
    return 0;
  }
  auto baseSet = gadget->baseOps->setAttribute;
  if (attribute < kFlatFirstAttribute) {
    return baseSet ? baseSet(object, attribute, value) : 0;
  }
  std::intptr_t result = 0;
  if (gadget->kind == FlatKind::Button) {
    // A button has no kit attributes of its own; the canvas gets the call.
    result = baseSet ? baseSet(object, attribute, value) : 0;
  } else {
    StoreKitAttribute(*gadget, attribute, value);
  }
  gadget->paint(*gadget);
  return result;
}

std::intptr_t SetFlatColor(tk::GadgetObject& object, int slot, tk::Color color) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr || !IsColorSlot(slot)) {
    return 0;
  }
  FlatColor(*gadget, slot) = color;
  gadget->paint(*gadget);
  return 0;
}

std::intptr_t GetFlatColor(tk::GadgetObject& object, int slot) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr || !IsColorSlot(slot)) {
    return -1;
  }
  return FlatColor(*gadget, slot);
}

tk::FontHandle GetFlatFont(tk::GadgetObject& object) {
  FlatGadget* gadget = FlatFromObject(object);
  return gadget == nullptr ? 0 : gadget->font;
}

std::intptr_t SetFlatFont(tk::GadgetObject& object, tk::FontHandle font) {
  FlatGadget* gadget = FlatFromObject(object);
  if (gadget == nullptr || font == 0) {
    return 0;
  }
  gadget->font = font;
  gadget->paint(*gadget);
  return 0;
}

}  // namespace flat
