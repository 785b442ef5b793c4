#include "picture_set.h"

#include <cstdint>
#include <string>
#include <vector>

#include "form/pictures.h"
#include "form/twips.h"
#include "resource_ids.h"
#include "startup_error.h"

namespace vortalin::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr int bytesPerPixel = 4;

int resourceId(form::Picture picture) {
  switch (picture) {
    case form::Picture::Course: return VORTALIN_COURSE_PICTURE;
    case form::Picture::PlayerCar: return VORTALIN_PLAYER_CAR_PICTURE;
    case form::Picture::RivalCar: return VORTALIN_RIVAL_CAR_PICTURE;
    case form::Picture::None: break;
  }
  return 0;
}

std::string nameOf(form::Picture picture) { return std::string(form::pictureFile(picture)); }

ComPtr<IWICStream> resourceStream(IWICImagingFactory& factory, form::Picture picture) {
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId(picture)), RT_RCDATA);
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
  if (bytes == nullptr) {
    throw StartupError("the built-in picture " + nameOf(picture) + " is missing", GetLastError());
  }
  ComPtr<IWICStream> stream;
  checkResult(factory.CreateStream(&stream), "cannot make a picture stream");
  checkResult(stream->InitializeFromMemory(bytes, SizeofResource(nullptr, found)),
              "cannot read a built-in picture");
  return stream;
}

ComPtr<IWICBitmap> decode(IWICImagingFactory& factory, form::Picture picture) {
  const std::string failure = "cannot decode the built-in picture " + nameOf(picture);
  ComPtr<IWICBitmapDecoder> decoder;
  checkResult(factory.CreateDecoderFromStream(resourceStream(factory, picture).Get(), nullptr,
                                              WICDecodeMetadataCacheOnLoad, &decoder),
              failure.c_str());
  ComPtr<IWICBitmapFrameDecode> frame;
  checkResult(decoder->GetFrame(0, &frame), failure.c_str());
  ComPtr<IWICFormatConverter> converter;
  checkResult(factory.CreateFormatConverter(&converter), failure.c_str());
  checkResult(
      converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                            nullptr, 0, WICBitmapPaletteTypeCustom),
      failure.c_str());
  ComPtr<IWICBitmap> bitmap;
  checkResult(factory.CreateBitmapFromSource(converter.Get(), WICBitmapCacheOnLoad, &bitmap),
              failure.c_str());
  UINT width = 0;
  UINT height = 0;
  checkResult(bitmap->GetSize(&width, &height), failure.c_str());
  const form::PixelSize expected = form::pictureSize(picture);
  if (static_cast<int>(width) != expected.width || static_cast<int>(height) != expected.height) {
    throw StartupError("the built-in picture " + nameOf(picture) + " is " + std::to_string(width) +
                       " x " + std::to_string(height) + " pixels, not " +
                       std::to_string(expected.width) + " x " + std::to_string(expected.height));
  }
  return bitmap;
}

}  // namespace

PictureSet::ComApartment::ComApartment() {
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // Already initialised in another model (RPC_E_CHANGED_MODE) serves as well.
  initialised = SUCCEEDED(result);
  if (FAILED(result) && result != RPC_E_CHANGED_MODE) checkResult(result, "cannot start COM");
}

PictureSet::ComApartment::~ComApartment() {
  if (initialised) CoUninitialize();
}

PictureSet::PictureSet() {
  checkResult(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(&factory_)),
              "Windows Imaging Component is not available");
  for (const form::Picture picture : form::allPictures) {
    decoded_[static_cast<int>(picture)] = decode(*factory_.Get(), picture);
  }
}

PictureSet::~PictureSet() = default;

SIZE PictureSet::sizeAt(form::Picture picture, int dpi) {
  const form::PixelSize natural = form::pictureSize(picture);
  return {form::twipsToPixels(natural.width * form::twipsPerPixel, dpi),
          form::twipsToPixels(natural.height * form::twipsPerPixel, dpi)};
}

// Enlarged by the shared rule rather than Windows Imaging Component's scaler, which takes
// another pixel wherever the scale is not whole.
Bitmap PictureSet::bitmapAt(form::Picture picture, int dpi) const {
  const form::PixelSize natural = form::pictureSize(picture);
  const SIZE size = sizeAt(picture, dpi);
  std::vector<std::uint32_t> source(static_cast<std::size_t>(natural.width * natural.height));
  const UINT sourceStride = static_cast<UINT>(natural.width * bytesPerPixel);
  checkResult(decoded_[static_cast<int>(picture)]->CopyPixels(
                  nullptr, sourceStride, static_cast<UINT>(source.size() * bytesPerPixel),
                  reinterpret_cast<BYTE*>(source.data())),
              "cannot read a picture");

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw StartupError("cannot make a picture bitmap", GetLastError());
  std::vector<int> columns(static_cast<std::size_t>(size.cx));
  for (int x = 0; x < size.cx; ++x)
    columns[static_cast<std::size_t>(x)] = form::sourcePixel(x, natural.width, size.cx);
  auto* pixel = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < size.cy; ++y) {
    const std::uint32_t* row =
        source.data() + form::sourcePixel(y, natural.height, size.cy) * natural.width;
    for (const int column : columns) *pixel++ = row[column];
  }
  return bitmap;
}

}  // namespace vortalin::win32
