// The hands, the callers, the prize sheet and the title: sizes, backgrounds, and how they sit on the hero.
#include <queue>

#include <gtest/gtest.h>

#include "render/Colours.h"
#include "harness/Game.h"
#include "tests/support/ImageChecks.h"

namespace {

constexpr QRgb key = key_black;

bool dark(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c) < 3 * 110;
}

} // namespace

TEST(MorePictures, HandsAreSpritesOfTheirSizes)
{
    LoadedGame g;
    const QSize sizes[] = {{}, {65, 145}, {104, 82}, {300, 207}, {230, 148}, {65, 145}, {104, 82}, {230, 148}};
    for (int k = 1; k <= 7; ++k) {
        const QImage& hands = g.el().hands[k]->image();
        SCOPED_TRACE(k);
        EXPECT_EQ(hands.size(), sizes[k]);
        EXPECT_EQ(enclosed(hands, key), 0) << "a hole in the figure";
        EXPECT_GT(count(hands, key), hands.width() * hands.height() / 5);
        EXPECT_LT(count(hands, key), hands.width() * hands.height());
    }
}

TEST(MorePictures, CallersTitleAndPrizeSheetAreOpaqueOnTheirBackgrounds)
{
    LoadedGame g;
    Elements& el = g.el();
    const QRgb cyan = from_bgr(0x00FEFFEE).rgb();
    struct Case {
        const QImage& image;
        QSize size;
        QRgb background;
    };
    const QImage title = el.Titles->image();
    for (const Case& c : {Case{el.Dolls[1]->image(), {120, 208}, from_bgr(0x00FEFFEF).rgb()},
                          Case{el.Dolls[2]->image(), {136, 207}, cyan},
                          Case{el.Dolls[3]->image(), {143, 207}, cyan}}) {
        EXPECT_EQ(c.image.size(), c.size);
        EXPECT_EQ(c.image.pixel(0, 0), c.background);
        EXPECT_EQ(c.image.pixel(c.size.width() - 1, 0), c.background);
        EXPECT_EQ(count(c.image, key), 0);
        EXPECT_GT(count(c.image, c.background), 2000);
    }
    EXPECT_EQ(title.pixel(2, 2), qRgb(0xEF, 0xFF, 0xFF));
    const QImage& sheet = el.Bottle->image();
    EXPECT_EQ(sheet.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(64, 134), qRgb(255, 255, 255));
}

TEST(MorePictures, CallersMeltIntoTheHerosPicture)
{
    LoadedGame g;
    const QRgb cyan = from_bgr(0x00FEFFEE).rgb();
    for (int16_t caller : {1, 2, 3}) {
        g.st().Doll_No = caller;
        g.form->Draw_Doll();
        const auto& place = g.st().Doll_Pos[caller];
        QRgb corner = g.el().Mokuta->image().pixel(place[0] + place[2] - 1, place[1]);
        EXPECT_LE(std::abs(qRed(corner) - qRed(cyan)) + std::abs(qGreen(corner) - qGreen(cyan)) +
                      std::abs(qBlue(corner) - qBlue(cyan)),
                  2)
            << "caller " << caller;
    }
}

TEST(MorePictures, EveryPrizeCellHoldsItsProduct)
{
    LoadedGame g;
    const QImage& sheet = g.el().Bottle->image();
    const QRgb white = qRgb(255, 255, 255);
    for (QRect cell : {QRect(0, 0, 32, 67), QRect(32, 0, 32, 67), QRect(0, 69, 32, 66),
                       QRect(32, 80, 32, 55)}) {
        const QImage inside = sheet.copy(cell);
        EXPECT_GT(inside.width() * inside.height() - count(inside, white), 200)
            << cell.x() << "," << cell.y();
    }
}

TEST(MorePictures, HandsMeetTheBodyWithoutGapsOrBlackAtBothPlaces)
{
    LoadedGame g;
    GameState& st = g.st();
    const QRgb cyan = from_bgr(0x00FEFFEE).rgb();
    for (int16_t hands = 1; hands <= 4; ++hands) {
        for (Flag tanned : {False, True}) {
            for (Flag left : {False, True}) {
                st.Hand_No = hands;
                st.Tan_Look = tanned;
                st.Body_No = tanned ? 1 : 0;
                st.Stand_Left = left;
                st.Face_No = 0;
                st.Head_No = 2;
                g.form->Hero_Draw();
                const QImage& picture = g.el().Mokuta->image();
                SCOPED_TRACE(testing::Message() << "hands " << hands << " tanned " << tanned
                                                << " left " << left);
                EXPECT_EQ(count(picture, key), 0) << "the key colour shows";
                EXPECT_LE(enclosed(picture, cyan), 4) << "background shut in between hand and body";
            }
        }
    }
}

// Every sizeable piece of a hands picture touches the hero drawn without it: nothing floats
// beside him. Smoke, a burp cloud or a sparkle may float; a hand or a prop may not. The girl
// of the shopping picture stands on her own, on the line where the hero's body ends.
TEST(MorePictures, NoPieceOfTheHandsFloats)
{
    LoadedGame g;
    GameState& st = g.st();
    const QRgb cyan = from_bgr(0x00FEFFEE).rgb();
    struct Case {
        int16_t hands;
        Flag left;
    };
    // The shopping picture only ever comes with the caller standing beside the hero.
    for (Case c : {Case{1, False}, Case{1, True}, Case{2, False}, Case{2, True}, Case{3, False},
                   Case{4, False}, Case{4, True}}) {
        st.Stand_Left = c.left;
        st.Hand_No = c.hands;
        PictureBox& store = *g.el().hands[c.hands];
        const QImage sprite = store.image().copy();
        store.image().fill(key);
        g.form->Hero_Draw();
        const QImage alone = g.el().Mokuta->image().copy();
        store.image() = sprite;

        const int body_floor = 60 + 188 - 3;  // within a line width of the body's last row
        const auto& place = st.Hand_Pos[c.hands];
        const int x0 = place[0] - (c.left ? 80 : 0), y0 = place[1];
        const int w = sprite.width(), h = sprite.height();
        auto figure = [&](QPoint q) {
            return q.x() >= 0 && q.y() >= 0 && q.x() < w && q.y() < h && sprite.pixel(q) != key;
        };
        auto hero_at = [&](QPoint q) {
            QPoint a(x0 + q.x(), y0 + q.y());
            return alone.rect().contains(a) && alone.pixel(a) != cyan;
        };
        std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
        for (int sy = 0; sy < h; ++sy)
            for (int sx = 0; sx < w; ++sx) {
                if (!figure({sx, sy}) || seen[sy * w + sx])
                    continue;
                std::queue<QPoint> todo;
                todo.push({sx, sy});
                seen[sy * w + sx] = 1;
                int size = 0;
                bool anchored = false;
                while (!todo.empty()) {
                    QPoint p = todo.front();
                    todo.pop();
                    ++size;
                    anchored = anchored || hero_at(p) || (c.hands == 3 && y0 + p.y() >= body_floor);
                    for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                        QPoint q = p + d;
                        if (!figure(q)) {
                            anchored = anchored || hero_at(q);
                            continue;
                        }
                        if (!seen[q.y() * w + q.x()]) {
                            seen[q.y() * w + q.x()] = 1;
                            todo.push(q);
                        }
                    }
                }
                if (size >= 150) {
                    EXPECT_TRUE(anchored) << "hands " << c.hands << (c.left ? " left" : " right")
                                          << ": a piece of " << size << " pixels at " << sx << ","
                                          << sy << " floats";
                }
            }
    }
}

TEST(MorePictures, ShoppingAndDrinkingBringTheHerosOwnEyes)
{
    LoadedGame g;
    GameState& st = g.st();
    for (int16_t hands : {3, 4}) {
        st.Hand_No = hands;
        g.form->Hero_Draw();
        const int body_x = hands == 3 ? 140 : 170;
        const QImage& picture = g.el().Mokuta->image();
        int dark_near_eyes = 0;
        for (int eye_x : {49, 85})
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    dark_near_eyes += dark(picture.pixel(body_x + eye_x + dx, 60 + 68 + dy));
        EXPECT_GT(dark_near_eyes, 8) << "hands " << hands;
    }
}
