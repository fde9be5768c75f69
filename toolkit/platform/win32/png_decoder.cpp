// PNG decoding by the Windows Imaging Component: PNG only, converted to straight-alpha BGRA,
// which is the toolkit's 0xAARRGGBB in memory. COM is started by Init.

#include <limits>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/com_ref.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {

using namespace tk::win32;

namespace {

// Pictures beyond this side length are refused rather than risk a huge allocation.
constexpr UINT kLargestSide = 16384;

}  // namespace

bool DecodePng(std::span<const std::uint8_t> png, Image& out) {
  if (png.empty() || png.size() > std::numeric_limits<DWORD>::max())
    return false;
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICBitmapSource> converted;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.OutVoid())) ||
      FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), DWORD(png.size()))) ||
      FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.Out())) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnLoad)) ||
      FAILED(decoder->GetFrame(0, frame.Out())) ||
      FAILED(
          ::WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(), converted.Out()))) {
    return false;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > kLargestSide || height > kLargestSide) {
    return false;
  }
  Image image{.width = int(width), .height = int(height), .pixels = {}};
  image.pixels.resize(std::size_t(width) * height);
  if (FAILED(converted->CopyPixels(nullptr, width * 4, UINT(image.pixels.size() * 4),
                                   reinterpret_cast<BYTE*>(image.pixels.data())))) {
    return false;
  }
  out = std::move(image);
  return true;
}

}  // namespace tk::platform
