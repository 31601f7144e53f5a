// The hero's layers, checked pixel for pixel against a picture put together here, layer by layer.
#include <gtest/gtest.h>

#include "render/Colours.h"
#include "harness/Game.h"

namespace {

constexpr QRgb key = 0xFF000000;

// The picture area as the player should see it, built independently of the game's drawing code.
struct Expected {
    QImage image;
    Expected() : image(303, 255, QImage::Format_RGB32) { image.fill(from_bgr(0x00FEFFEE)); }

    void opaque(const QImage& picture, int x, int y)
    {
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                put(x + px, y + py, picture.pixel(px, py));
    }
    // Every pixel of the sprite that is not pure black replaces the one below.
    void sprite(const QImage& picture, int x, int y)
    {
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                if (picture.pixel(px, py) != key)
                    put(x + px, y + py, picture.pixel(px, py));
    }
    void put(int x, int y, QRgb c)
    {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(x, y, c);
    }
};

// A hands picture of our own, so that the layer rules can be seen whatever the artwork is.
QImage test_hands(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(key);
    for (int y = h / 4; y < h - h / 4; ++y)
        for (int x = w / 4; x < w - w / 4; ++x)
            image.setPixel(x, y, colour);
    return image;
}

struct Hero : ::testing::Test {
    LoadedGame g;
    GameState& st = g.st();
    Elements& el = g.el();

    const QImage& pic(PictureBox* box) { return box->image(); }
    void give_hands(int k, QRgb colour)
    {
        el.hands[k]->image() = test_hands(st.Hand_Pos[k][2], st.Hand_Pos[k][3], colour);
    }
    void expect_shown(const Expected& e)
    {
        g.form->Hero_Draw();
        ASSERT_EQ(el.Mokuta->image(), e.image);
        EXPECT_EQ(el.Mokuta->shown_image(), e.image) << "the picture was not shown";
    }
};

} // namespace

TEST_F(Hero, StandingRightWithFaceAndHair)
{
    st.Head_No = 2;
    st.Face_No = 7;
    Expected e;
    e.opaque(pic(el.Pics[0]), 170, 60);
    e.sprite(pic(el.Faces[7]), 170, 96);
    e.sprite(pic(el.Heads[2]), 182, 43);
    expect_shown(e);
}

TEST_F(Hero, StandingLeftMovesEveryLayer80PixelsLeft)
{
    st.Stand_Left = True;
    st.Head_No = 3;
    st.Face_No = 12;
    give_hands(1, qRgb(250, 20, 20));
    st.Hand_No = 1;
    Expected e;
    e.opaque(pic(el.Pics[0]), 90, 60);
    e.sprite(pic(el.Faces[12]), 60, 80);
    e.sprite(pic(el.Heads[3]), 102, 43);
    e.sprite(pic(el.hands[1]), 66, 102);
    expect_shown(e);
}

TEST_F(Hero, NoHairShowsTheBaldHead)
{
    st.Head_No = 0;
    st.Face_No = 5;
    Expected e;
    e.opaque(pic(el.Pics[0]), 170, 60);
    e.sprite(pic(el.Faces[5]), 170, 96);
    expect_shown(e);
}

TEST_F(Hero, ShoppingHandsMoveBodyAndHairAndDropTheFace)
{
    give_hands(3, qRgb(20, 200, 20));
    st.Hand_No = 3;
    st.Face_No = 7;
    for (Flag left : {False, True}) {
        st.Stand_Left = left;
        Expected e;
        e.opaque(pic(el.Pics[0]), 140, 60);
        e.sprite(pic(el.Heads[2]), 152, 43);
        e.sprite(pic(el.hands[3]), left ? -60 : 20, 40);
        expect_shown(e);
    }
}

TEST_F(Hero, DrinkingHandsDropTheFaceOnly)
{
    give_hands(4, qRgb(20, 20, 200));
    st.Hand_No = 4;
    st.Face_No = 3;
    Expected e;
    e.opaque(pic(el.Pics[0]), 170, 60);
    e.sprite(pic(el.Heads[2]), 182, 43);
    e.sprite(pic(el.hands[4]), 120, 100);
    expect_shown(e);
}

TEST_F(Hero, TheTannedLookTakesTheBlondAndTannedPictures)
{
    give_hands(6, qRgb(180, 90, 60));
    st.Tan_Look = True;
    st.Body_No = 1;
    st.Head_No = 1;
    st.Hand_No = 2;
    Expected e;
    e.opaque(pic(el.Pics[1]), 170, 60);
    e.sprite(pic(el.Faces[0]), 170, 96);
    e.sprite(pic(el.Heads[8]), 182, 43);
    e.sprite(pic(el.hands[6]), 110, 166);
    expect_shown(e);
}

TEST_F(Hero, TheTannedLookLeavesTheWigAndTheShoppingAlone)
{
    give_hands(3, qRgb(20, 200, 20));
    st.Tan_Look = True;
    st.Head_No = 6;
    st.Hand_No = 3;
    Expected e;
    e.opaque(pic(el.Pics[0]), 140, 60);
    e.sprite(pic(el.Heads[6]), 152, 43);
    e.sprite(pic(el.hands[3]), 20, 40);
    expect_shown(e);
}

TEST_F(Hero, TheTannedLargeFaceTakesItsMaskFromThePlainOne)
{
    st.Tan_Look = True;
    st.Face_No = 12;
    st.Head_No = 0;
    // A pixel where the plain face is see-through but the tanned one is not:
    // through the plain face's mask it is combined with what lies below.
    QImage& tanned = el.Faces[13]->image();
    ASSERT_EQ(el.Faces[12]->image().pixel(1, 1), key);
    tanned.setPixel(1, 1, qRgb(0x10, 0x20, 0x30));
    Expected e;
    e.opaque(pic(el.Pics[0]), 170, 60);
    QImage through = tanned.copy();
    through.setPixel(1, 1, key);
    e.sprite(through, 140, 80);
    const QRgb below = e.image.pixel(141, 81);
    e.put(141, 81, 0xFF000000 | ((below ^ qRgb(0x10, 0x20, 0x30)) & 0xFFFFFF));
    expect_shown(e);
}

TEST_F(Hero, DrawingTwiceGivesTheSamePicture)
{
    give_hands(4, qRgb(20, 20, 200));
    st.Hand_No = 4;
    st.Stand_Left = True;
    g.form->Hero_Draw();
    const QImage once = el.Mokuta->image().copy();
    g.form->Hero_Draw();
    EXPECT_EQ(el.Mokuta->image(), once);
}

TEST_F(Hero, CompanionsStandAtTheirPlaceAndTheOldManStandsAlone)
{
    for (int d = 1; d <= 3; ++d) {
        el.Dolls[d]->image().fill(qRgb(60 * d, 100, 200));
    }
    // Caller 0 is drawn with the friend's picture; standing left never moves a companion.
    for (int16_t caller : {0, 1, 2}) {
        st.Doll_No = caller;
        st.Stand_Left = caller == 1 ? True : False;
        int d = caller == 0 ? 2 : caller;
        Expected e;
        e.opaque(pic(el.Pics[0]), st.Stand_Left ? 90 : 170, 60);
        e.sprite(pic(el.Faces[0]), st.Stand_Left ? 90 : 170, 96);
        e.sprite(pic(el.Heads[2]), st.Stand_Left ? 102 : 182, 43);
        e.opaque(pic(el.Dolls[d]), 0, 40);
        g.form->Draw_Doll();
        EXPECT_EQ(el.Mokuta->image(), e.image) << "caller " << caller;
    }
    st.Doll_No = 3;
    Expected alone;
    alone.opaque(pic(el.Dolls[3]), 80, 40);
    g.form->Draw_Doll();
    EXPECT_EQ(el.Mokuta->image(), alone.image);
    EXPECT_EQ(el.Mokuta->shown_image(), alone.image);
}

TEST_F(Hero, ScratchMasksHoldTheWholeSprite)
{
    give_hands(3, qRgb(20, 200, 20));
    st.Hand_No = 3;
    g.form->Hero_Draw();
    EXPECT_EQ(el.Maskwork[0]->image().size(), QSize(110, 138));
    EXPECT_EQ(el.Maskwork[1]->image().size(), QSize(115, 96));
    EXPECT_EQ(el.Maskwork[2]->image().size(), QSize(300, 207));
    EXPECT_EQ(el.Maskwork[2]->pos(), QPoint(0, 0));
}
