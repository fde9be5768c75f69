#include "toolkit/images.h"

#include "toolkit/core_state.h"
#include "toolkit/platform.h"
#include "toolkit/raster.h"

namespace tk {
namespace {

// An image's handle is the address of its pixels' owner, which never moves while it lives.
Handle HandleOf(const Image& image) {
  return reinterpret_cast<Handle>(&image);
}

Image* Find(ImageId id) {
  core::Context* context = core::Current();
  if (!context)
    return nullptr;
  auto it = context->images.find(id.value);
  return it == context->images.end() ? nullptr : it->second.get();
}

// Image views that show a freed image show nothing from then on.
void Unshow(Handle image) {
  core::Context* context = core::Current();
  for (auto& record : context->controls) {
    if (record->kind == GadgetType::ImageView && record->image == image) {
      record->image = 0;
      platform::SetImageViewPicture(record->object.handle, nullptr);
    }
  }
}

std::intptr_t Store(ImageId id, Image image) {
  core::Context* context = core::Current();
  if (!context)
    return 0;
  bool chosen = id.value == kAnyNumber;
  if (chosen) {
    id.value = core::ChooseNumber(*context, context->images);
  } else {
    FreeImage(id);
  }
  auto& slot = context->images[id.value];
  slot = std::make_unique<Image>(std::move(image));
  return chosen ? id.value : HandleOf(*slot);
}

}  // namespace

std::intptr_t CatchPngImage(ImageId id, std::span<const std::uint8_t> png) {
  Image image;
  if (!core::Current() || !platform::DecodePng(png, image))
    return 0;
  return Store(id, std::move(image));
}

std::intptr_t CopyImage(ImageId source, ImageId target) {
  Image* original = Find(source);
  return original ? Store(target, *original) : 0;
}

bool ResizeImage(ImageId id, int width, int height) {
  Image* image = Find(id);
  if (!image || width <= 0 || height <= 0)
    return false;
  if (image->width != width || image->height != height)
    *image = ScaleImage(*image, width, height);
  return true;
}

void FreeImage(ImageId id) {
  Image* image = Find(id);
  if (!image)
    return;
  Unshow(HandleOf(*image));
  core::Current()->images.erase(id.value);
}

bool IsImage(ImageId id) {
  return Find(id) != nullptr;
}

Handle ImageHandleOf(ImageId id) {
  Image* image = Find(id);
  return image ? HandleOf(*image) : 0;
}

const Image* ImageFromHandle(Handle handle) {
  core::Context* context = core::Current();
  if (!context || handle == 0)
    return nullptr;
  for (const auto& [number, image] : context->images) {
    if (HandleOf(*image) == handle)
      return image.get();
  }
  return nullptr;
}

int ImageWidth(ImageId id) {
  Image* image = Find(id);
  return image ? image->width : 0;
}

int ImageHeight(ImageId id) {
  Image* image = Find(id);
  return image ? image->height : 0;
}

}  // namespace tk
