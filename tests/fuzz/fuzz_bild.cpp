// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures (PNG, JPEG, BMP): the header reader, the decoders and the
// drawable image made from what they give.
#include <string>

#include "platform/draw/draw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  draw::ReadPictureHeader(bytes);
  auto p = draw::Pixmap::Decode(bytes);
  if (p) {
    if (p->width <= 0 || p->height <= 0 || p->pixels.size() != size_t(p->width) * p->height) __builtin_trap();
    auto img = draw::Image::FromPixmap(*p);
    if (img) {
      draw::Surface s;
      s.Resize(64, 64);
      s.SetScale(0.5f, 0.5f);
      s.DrawImage(*img, 1, 1);
    }
  }
  return 0;
}
