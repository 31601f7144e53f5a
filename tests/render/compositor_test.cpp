// Block transfers and the mask compositor: what a sprite leaves of the picture below it.
#include <gtest/gtest.h>

#include "render/Colours.h"
#include "render/Raster.h"
#include "harness/Game.h"

namespace {

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A scratch picture box of its own for sprites and targets.
struct Boxes : ::testing::Test {
    LoadedGame g;
    PictureBox& target = *g.el().Mokuta;
    PictureBox& sprite = *g.el().hands[3];
    PictureBox& mask = *g.el().Maskwork[2];

    void sprite_of(int w, int h, QRgb background)
    {
        sprite.place(QRect(0, 0, w + 2, h + 2));
        sprite.image().fill(background);
        mask.place(QRect(0, 0, w + 2, h + 2));
    }
    void draw(int x, int y, int w, int h)
    {
        Mask_Make(mask, sprite, w, h);
        masked_copy(target, x, y, w, h, mask, sprite);
    }
};

} // namespace

TEST(BitBlt, CopiesAndCombines)
{
    QImage target = filled(4, 4, 0xFF0F0F0F);
    QImage source = filled(4, 4, 0xFF3C3C3C);
    BitBlt(target, 0, 0, 1, 1, source, 0, 0, Rop::SRCCOPY);
    BitBlt(target, 1, 0, 1, 1, source, 0, 0, Rop::SRCAND);
    BitBlt(target, 2, 0, 1, 1, source, 0, 0, Rop::SRCINVERT);
    EXPECT_EQ(target.pixel(0, 0), 0xFF3C3C3Cu);
    EXPECT_EQ(target.pixel(1, 0), 0xFF0C0C0Cu);
    EXPECT_EQ(target.pixel(2, 0), 0xFF333333u);
    EXPECT_EQ(target.pixel(3, 0), 0xFF0F0F0Fu);
}

TEST(BitBlt, IsCutOffAtTheTargetsEdge)
{
    QImage target = filled(10, 10, 0xFF000000);
    QImage source = filled(6, 6, 0xFFFFFFFF);
    BitBlt(target, 7, -2, 6, 6, source, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(target.pixel(7, 0), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(9, 3), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(9, 4), 0xFF000000u);
    EXPECT_EQ(target.pixel(6, 0), 0xFF000000u);
}

TEST(BitBlt, RowsPastTheSourceCopyNothing)
{
    QImage target = filled(10, 10, 0xFF123456);
    QImage source = filled(4, 5, 0xFFFFFFFF);
    BitBlt(target, 0, 0, 4, 8, source, 0, 2, Rop::SRCCOPY);
    EXPECT_EQ(target.pixel(0, 2), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(3, 2), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(0, 3), 0xFF123456u);
    EXPECT_EQ(target.pixel(0, 7), 0xFF123456u);
}

TEST_F(Boxes, TheMaskIsWhiteOnBlackWhateverTheScratchColours)
{
    mask.set_background(QColor(10, 200, 30));
    set_fore_colour(mask, QColor(200, 10, 90));
    sprite_of(3, 2, 0xFF000000);
    sprite.image().setPixel(1, 0, 0xFF000001);
    sprite.image().setPixel(2, 1, 0xFFFFFFFF);
    Mask_Make(mask, sprite, 3, 2);
    EXPECT_EQ(mask.image().pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(mask.image().pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(mask.image().pixel(2, 1), 0xFF000000u);
    EXPECT_EQ(mask.image().pixel(0, 1), 0xFFFFFFFFu);
    EXPECT_EQ(sprite.surface_background(), 0x000000u);
}

TEST_F(Boxes, ANearBlackPixelIsDrawnAndOnlyExactBlackIsSeeThrough)
{
    target.image().fill(0xFFEEFFFE);
    sprite_of(4, 4, 0xFF000000);
    sprite.image().setPixel(1, 1, 0xFF000001);
    sprite.image().setPixel(2, 2, 0xFF010000);
    draw(10, 10, 4, 4);
    EXPECT_EQ(target.image().pixel(11, 11), 0xFF000001u);
    EXPECT_EQ(target.image().pixel(12, 12), 0xFF010000u);
    EXPECT_EQ(target.image().pixel(10, 10), 0xFFEEFFFEu);
    EXPECT_EQ(target.image().pixel(13, 11), 0xFFEEFFFEu);
}

TEST_F(Boxes, AnAllBlackSpriteChangesNothing)
{
    for (int y = 0; y < target.image().height(); ++y)
        for (int x = 0; x < target.image().width(); ++x)
            target.image().setPixel(x, y, qRgb(x, y, x ^ y));
    const QImage before = target.image().copy();
    sprite_of(50, 40, 0xFF000000);
    draw(5, 7, 50, 40);
    EXPECT_EQ(target.image(), before);
}

TEST_F(Boxes, ASpriteWithoutBlackCoversItsRectangle)
{
    target.image().fill(0xFFEEFFFE);
    sprite_of(20, 10, 0xFF8040C0);
    draw(3, 4, 20, 10);
    EXPECT_EQ(target.image().copy(3, 4, 20, 10), filled(20, 10, 0xFF8040C0));
    EXPECT_EQ(target.image().pixel(2, 4), 0xFFEEFFFEu);
    EXPECT_EQ(target.image().pixel(23, 13), 0xFFEEFFFEu);
    EXPECT_EQ(target.image().pixel(3, 14), 0xFFEEFFFEu);
}

TEST_F(Boxes, DrawingTwiceEqualsDrawingOnce)
{
    target.image().fill(0xFF336699);
    sprite_of(8, 8, 0xFF000000);
    for (int i = 0; i < 8; ++i)
        sprite.image().setPixel(i, i, qRgb(200, 30 * i, 7));
    draw(2, 2, 8, 8);
    const QImage once = target.image().copy();
    draw(2, 2, 8, 8);
    EXPECT_EQ(target.image(), once);
}

TEST_F(Boxes, ASecondMaskReplacesTheFirst)
{
    sprite_of(6, 6, 0xFF000000);
    sprite.image().fill(0xFFFF0000);
    Mask_Make(mask, sprite, 6, 6);
    sprite.image().fill(0xFF000000);
    Mask_Make(mask, sprite, 6, 6);
    EXPECT_EQ(mask.image().copy(0, 0, 6, 6), filled(6, 6, 0xFFFFFFFF));
}
