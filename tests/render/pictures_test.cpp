// The built-in pictures: sizes, the black key of the sprites, the opaque backgrounds.
#include <QIcon>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "render/Colours.h"
#include "render/Pictures.h"
#include "harness/Game.h"
#include "tests/support/ImageChecks.h"

namespace {

constexpr QRgb key = key_black;

int enclosed_black_pixels(const QImage& sprite)
{
    return enclosed(sprite, key);
}

std::vector<PictureBox*> hero_sprites(Elements& el)
{
    std::vector<PictureBox*> sprites(el.Heads.begin() + 1, el.Heads.end());
    sprites.insert(sprites.end(), el.Faces.begin(), el.Faces.end());
    return sprites;
}

} // namespace

TEST(Pictures, EachHeroPictureHasItsSize)
{
    LoadedGame g;
    Elements& el = g.el();
    for (PictureBox* body : el.Pics)
        EXPECT_EQ(body->image().size(), QSize(130, 188));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(el.Heads[k]->image().size(), QSize(110, 138));
    for (int k = 0; k <= 11; ++k)
        EXPECT_EQ(el.Faces[k]->image().size(), QSize(115, 96));
    EXPECT_EQ(el.Faces[12]->image().size(), QSize(180, 168));
    EXPECT_EQ(el.Faces[13]->image().size(), QSize(180, 168));
    EXPECT_FALSE(el.Form1->windowIcon().isNull());
    EXPECT_TRUE(el.Form1->windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(Pictures, SpritesHaveABlackBackgroundReachedFromTheEdgeAndNoHoles)
{
    LoadedGame g;
    for (PictureBox* sprite : hero_sprites(g.el())) {
        SCOPED_TRACE(sprite->objectName().toStdString());
        const QImage& image = sprite->image();
        int black = count(image, key);
        EXPECT_GT(black, image.width() * image.height() / 5) << "the background is not black";
        EXPECT_LT(black, image.width() * image.height()) << "nothing is drawn";
        EXPECT_EQ(enclosed_black_pixels(image), 0);
        EXPECT_EQ(image.pixel(0, 0), key);
    }
}

TEST(Pictures, BodiesAreOpaqueOnThePictureAreasPaleCyan)
{
    LoadedGame g;
    const QRgb pale = from_bgr(0x00FEFFEE).rgb();
    for (PictureBox* body : g.el().Pics) {
        const QImage& image = body->image();
        EXPECT_EQ(image.pixel(0, 0), pale);
        EXPECT_EQ(image.pixel(129, 0), pale);
        EXPECT_EQ(count(image, key), 0);
        EXPECT_GT(count(image, pale), 1000);
    }
}

TEST(Pictures, TheLargeFacesShareOneOutline)
{
    LoadedGame g;
    const QImage& plain = g.el().Faces[12]->image();
    const QImage& tanned = g.el().Faces[13]->image();
    int differ = 0, colours_differ = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            differ += (plain.pixel(x, y) == key) != (tanned.pixel(x, y) == key);
            colours_differ += plain.pixel(x, y) != tanned.pixel(x, y);
        }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(colours_differ, 100) << "the tanned hand should look tanned";
}

TEST(Pictures, MissingOrMisfitPicturesAreNamed)
{
    TestHost host;
    Elements el(host);
    QTemporaryDir dir;
    QImage(131, 188, QImage::Format_RGB32).save(dir.filePath("pics0.png"));
    QImage(130, 188, QImage::Format_RGB32).save(dir.filePath("pics1.png"));
    // A picture cut short is found at start-up too, though none is decoded then.
    QImage(110, 138, QImage::Format_RGB32).save(dir.filePath("heads1.png"));
    QFile whole(dir.filePath("heads1.png"));
    ASSERT_TRUE(whole.open(QIODevice::ReadWrite));
    whole.resize(whole.size() - 20);
    whole.close();
    QStringList failed = load_pictures(el, dir.path() + "/");
    EXPECT_TRUE(failed.contains("pics0.png"));
    EXPECT_FALSE(failed.contains("pics1.png"));
    EXPECT_TRUE(failed.contains("heads1.png"));
    EXPECT_TRUE(failed.contains("faces13.png"));
    EXPECT_TRUE(failed.contains("icon.png"));
    EXPECT_TRUE(load_pictures(el).isEmpty());
}
