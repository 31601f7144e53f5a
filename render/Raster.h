// The raster stand-in: block transfers between kept images, and the mask of a sprite.
#pragma once

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class PictureBox;

enum class Rop : uint32_t {
    SRCCOPY = 0x00CC0020,    // target = source
    SRCAND = 0x008800C6,     // target = target AND source
    SRCINVERT = 0x00660046,  // target = target XOR source
};

// Transfers w x h pixels from (sx, sy) of the source to (x, y) of the target.
// Whatever falls outside the target is cut off, and so is whatever would come
// from outside the source: those target pixels are left as they were.
void BitBlt(QImage& target, int x, int y, int w, int h, const QImage& source, int sx, int sy,
            Rop rop);
void BitBlt(PictureBox& target, int x, int y, int w, int h, const PictureBox& source, int sx,
            int sy, Rop rop);

// Fills the top-left width x height pixels of the mask's image with the mask
// of the sprite's: white where the sprite is exactly black, black elsewhere.
void Mask_Make(PictureBox& mask_surface, PictureBox& sprite_surface, int32_t width,
               int32_t height);

// The two transfers that lay a sprite over a picture, its pure black left out.
void masked_copy(PictureBox& target, int x, int y, int w, int h, const PictureBox& mask,
                 const PictureBox& sprite);

// Draws text with the top-left corner of its character cell at x, y, over
// what is already there (the cell's background is left alone).
void text_out(QImage& image, const QFont& font, const QColor& colour, int x, int y,
              const QString& text);
