#pragma once

#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <array>

#include "form/pictures.h"
#include "handles.h"

namespace vortalin::win32 {

/// The window's pictures, decoded once from the program's resources with Windows Imaging
/// Component, and drawn at any density by nearest neighbour, so they stay crisp.
class PictureSet {
 public:
  /// Throws StartupError when a picture is missing, cannot be decoded or has a wrong size.
  PictureSet();
  ~PictureSet();
  PictureSet(const PictureSet&) = delete;
  PictureSet& operator=(const PictureSet&) = delete;

  /// A 32-bit bitmap of a picture, one picture pixel to each 1/96 inch at `dpi`.
  Bitmap bitmapAt(form::Picture picture, int dpi) const;
  /// A picture's size at a density.
  static SIZE sizeAt(form::Picture picture, int dpi);

 private:
  /// Keeps COM initialised on this thread for as long as the pictures live.
  struct ComApartment {
    ComApartment();
    ~ComApartment();
    bool initialised = false;
  };

  ComApartment apartment_;
  Microsoft::WRL::ComPtr<IWICImagingFactory> factory_;
  std::array<Microsoft::WRL::ComPtr<IWICBitmap>, form::pictureSlots> decoded_;  // by form::Picture
};

}  // namespace vortalin::win32
