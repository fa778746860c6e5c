#include "platform/draw/draw.h"

// Placeholder until the renderer lands: nothing loads, nothing is drawn.
namespace draw {

Pixmap::Pixmap(int w, int h, uint32_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
std::shared_ptr<Pixmap> Pixmap::Load(const u16&) { return nullptr; }
std::shared_ptr<Pixmap> Pixmap::Decode(const std::string&) { return nullptr; }
bool Pixmap::SavePng(const std::string&) const { return false; }
std::shared_ptr<Image> Image::Load(const u16&) { return nullptr; }
std::shared_ptr<Image> Image::FromPixmap(const Pixmap&) { return nullptr; }
std::shared_ptr<Font> Font::Load(const u16&, int, int) { return nullptr; }

struct Surface::State {};
Surface::Surface() : s_(std::make_unique<State>()) {}
Surface::~Surface() = default;
void Surface::Resize(int w, int h, double scale) { width_ = w; height_ = h; deviceScale_ = scale; }
int Surface::DeviceWidth() const { return width_; }
int Surface::DeviceHeight() const { return height_; }
const uint32_t* Surface::Pixels() const { return nullptr; }
uint32_t* Surface::Pixels() { return nullptr; }
void Surface::SetColor(int, int, int) {}
void Surface::SetAlpha(float) {}
void Surface::SetBlend(Blend) {}
void Surface::SetScale(float, float) {}
void Surface::SetFont(FontPtr) {}
void Surface::SetViewport(int, int, int, int) {}
void Surface::ResetViewport() {}
void Surface::SetClsColor(int, int, int) {}
int Surface::ColorR() const { return 255; }
int Surface::ColorG() const { return 255; }
int Surface::ColorB() const { return 255; }
float Surface::Alpha() const { return 1; }
float Surface::ScaleX() const { return 1; }
float Surface::ScaleY() const { return 1; }
FontPtr Surface::CurrentFont() const { return nullptr; }
void Surface::Cls() {}
void Surface::DrawRect(float, float, float, float) {}
void Surface::DrawImage(const Image&, float, float) {}
void Surface::DrawText(const u16&, float, float) {}
int Surface::TextWidth(const u16&) const { return 0; }
int Surface::TextHeight(const u16&) const { return 0; }
PixmapPtr Surface::Grab(int, int, int, int) const { return nullptr; }
void Surface::Flip() {}
void Surface::SetFlipHandler(std::function<void()>) {}
int Surface::Frames() const { return 0; }

namespace {
Surface* g_target = nullptr;
}
void SetTarget(Surface* s) { g_target = s; }
Surface* Target() { return g_target; }

}  // namespace draw
