// The raster stand-in: block transfers between kept images, and the mask of a sprite.
#include "render/Raster.h"

#include <algorithm>
#include <vector>

#include <QFontMetrics>
#include <QPainter>

#include "render/Colours.h"
#include "render/Widgets.h"

namespace {

constexpr uint32_t rgb_bits = 0x00FFFFFF;
constexpr uint32_t opaque = 0xFF000000;

uint32_t combine(uint32_t target, uint32_t source, Rop rop)
{
    switch (rop) {
    case Rop::SRCCOPY:
        return opaque | (source & rgb_bits);
    case Rop::SRCAND:
        return opaque | (target & source & rgb_bits);
    case Rop::SRCINVERT:
        return opaque | ((target ^ source) & rgb_bits);
    }
    return target;
}

// A one-bit-deep bitmap that lives only inside one mask's making.
class MonoBitmap {
public:
    MonoBitmap(int w, int h) : w_(w), bits_(static_cast<std::size_t>(std::max(0, w * h)), 0) {}
    void set(int x, int y, bool on) { bits_[static_cast<std::size_t>(y * w_ + x)] = on ? 1 : 0; }
    bool get(int x, int y) const { return bits_[static_cast<std::size_t>(y * w_ + x)] != 0; }

private:
    int w_;
    std::vector<uint8_t> bits_;
};

} // namespace

void BitBlt(QImage& target, int x, int y, int w, int h, const QImage& source, int sx, int sy,
            Rop rop)
{
    // Cut the rectangle to what both images hold.
    int x0 = std::max({0, x, x - sx});
    int y0 = std::max({0, y, y - sy});
    int x1 = std::min({x + w, target.width(), x - sx + source.width()});
    int y1 = std::min({y + h, target.height(), y - sy + source.height()});
    for (int ty = y0; ty < y1; ++ty) {
        auto* out = reinterpret_cast<uint32_t*>(target.scanLine(ty));
        const auto* in = reinterpret_cast<const uint32_t*>(source.constScanLine(ty - y + sy));
        for (int tx = x0; tx < x1; ++tx)
            out[tx] = combine(out[tx], in[tx - x + sx], rop);
    }
}

void BitBlt(PictureBox& target, int x, int y, int w, int h, const PictureBox& source, int sx,
            int sy, Rop rop)
{
    BitBlt(target.image(), x, y, w, h, source.image(), sx, sy, rop);
}

void Mask_Make(PictureBox& mask_surface, PictureBox& sprite_surface, int32_t width,
               int32_t height)
{
    const QImage& sprite = sprite_surface.image();
    QImage& mask = mask_surface.image();
    MonoBitmap work(width, height);

    // Colour to one bit: a pixel of the sprite's background colour (black) becomes 1.
    sprite_surface.set_surface_background(0x000000);
    const uint32_t key = from_bgr(sprite_surface.surface_background()).rgb() & rgb_bits;
    const int copy_w = std::min(width, sprite.width());
    const int copy_h = std::min(height, sprite.height());
    for (int y = 0; y < copy_h; ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(sprite.constScanLine(y));
        for (int x = 0; x < copy_w; ++x)
            work.set(x, y, (in[x] & rgb_bits) == key);
    }

    // One bit to colour: set bits become white and clear bits black, whatever
    // colours the scratch element itself was given.
    const int out_w = std::min(width, mask.width());
    const int out_h = std::min(height, mask.height());
    for (int y = 0; y < out_h; ++y) {
        auto* out = reinterpret_cast<uint32_t*>(mask.scanLine(y));
        for (int x = 0; x < out_w; ++x)
            out[x] = work.get(x, y) ? 0xFFFFFFFF : opaque;
    }
}

void masked_copy(PictureBox& target, int x, int y, int w, int h, const PictureBox& mask,
                 const PictureBox& sprite)
{
    BitBlt(target, x, y, w, h, mask, 0, 0, Rop::SRCAND);
    BitBlt(target, x, y, w, h, sprite, 0, 0, Rop::SRCINVERT);
}

void text_out(QImage& image, const QFont& font, const QColor& colour, int x, int y,
              const QString& text)
{
    QPainter p(&image);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(x, y + QFontMetrics(font).ascent(), text);
}
