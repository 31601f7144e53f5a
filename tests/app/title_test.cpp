// The title screen, the greeting after はじめ, and the first day's screen.
#include <gtest/gtest.h>

#include "render/Colours.h"
#include "harness/Game.h"

TEST(Title, TheHeroIsDrawnOntoTheTitlePicture)
{
    LoadedGame g;
    const QImage& title = g.el().Titles->image();
    const QImage& body = g.el().Pics[0]->image();
    // The shirt at the bottom of the body lies under no hair and no face.
    EXPECT_EQ(title.pixel(360 + 65, 80 + 180), body.pixel(65, 180));
    EXPECT_EQ(title.pixel(360 + 2, 80 + 2), body.pixel(2, 2));
    EXPECT_EQ(g.el().Titles->shown_image(), title);
    EXPECT_FALSE(g.el().Titlet->isVisible());
}

TEST(Title, TheTitlePictureFillsTheWholeWindow)
{
    LoadedGame g;
    const QImage& shown = g.el().Titles->shown_image();
    ASSERT_EQ(shown.size(), QSize(515, 305));
    const QRgb background = qRgb(0xEF, 0xFF, 0xFF);
    for (QPoint p : {QPoint(5, 5), QPoint(20, 250), QPoint(200, 300), QPoint(510, 300), QPoint(340, 20)})
        EXPECT_EQ(shown.pixel(p), background) << p.x() << "," << p.y();
    QImage screen = g.el().Form1->grab().toImage();
    EXPECT_EQ(screen.pixel(20, 250), background);
}

TEST(Title, TheGreetingShowsTheLargeFaceForTwoSecondsThenTheGameOpens)
{
    LoadedGame g;
    Elements& el = g.el();
    bool greeting = false;
    QImage during;
    g.host.player.at(1900, [&] {
        greeting = el.Titlet->isVisible() && el.Titles->isVisible() && !el.Starts->isEnabled();
        during = el.Titles->image().copy();
    });
    ASSERT_TRUE(g.host.player.click(el.Starts).on_target());
    EXPECT_TRUE(greeting);
    // The large face's sparkle and thumb reach past where the small face lies.
    const QImage& big = el.Faces[12]->image();
    int from_big_face = 0;
    for (int y = 0; y < 168; ++y)
        for (int x = 0; x < 180; ++x)
            if (big.pixel(x, y) != 0xFF000000u)
                from_big_face += during.pixel(330 + x, 100 + y) == big.pixel(x, y);
    EXPECT_GT(from_big_face, 1000);

    EXPECT_FALSE(el.Titles->isVisible());
    EXPECT_FALSE(el.Starts->isVisible());
    EXPECT_FALSE(el.Titlet->isVisible());
}

TEST(Title, RightAfterTheStartDayOneWaitsForAPlan)
{
    LoadedGame g;
    Elements& el = g.el();
    const auto plans = g.st().Plan_Act;
    const QString first_plan = el.Label1[0]->caption();
    g.host.player.click(el.Starts);
    EXPECT_EQ(el.Text6->text(), "1");
    EXPECT_EQ(el.Text3->text(), "30,000");
    EXPECT_EQ(el.Text4->text(), "100");
    EXPECT_EQ(el.Text5->text(), "100");
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("\u3000今日の行動を決めてください"));
    EXPECT_EQ(g.st().Plan_Act, plans);
    EXPECT_EQ(el.Label1[0]->caption(), first_plan);
    EXPECT_EQ(g.st().Shuffle_OK, True);
    EXPECT_TRUE(g.host.player.clickable(el.Shuffle));
    EXPECT_TRUE(g.host.player.clickable(el.Label1[1]));
    EXPECT_FALSE(el.Menu_OK->isVisible());
    EXPECT_TRUE(el.Check1->isVisible());
    EXPECT_TRUE(el.Check1->isChecked());
    EXPECT_TRUE(el.Timer1.enabled());
    EXPECT_EQ(g.form->Midi_Status(), "PLAYING");
    EXPECT_EQ(g.st().Stand_Left, True);
    EXPECT_EQ(g.st().Face_No, 0);
    EXPECT_FALSE(el.Picture6->isVisible());
    EXPECT_TRUE(el.Picture3->isVisible());
}

TEST(Title, PressingStartTwiceStartsOneGame)
{
    LoadedGame g;
    Elements& el = g.el();
    int second = -1;
    g.host.player.at(100, [&] { second = g.host.player.click(el.Starts).took ? 1 : 0; });
    g.host.player.click(el.Starts);
    EXPECT_EQ(second, 0);
    const auto& sent = g.sound.sent;
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "open \"/opt/mokuta/mokuta.mid\" type sequencer alias midifile"), 1);
    EXPECT_EQ(g.st().Day_Count, 1);
}

TEST(Title, WithoutItsMusicTheGameStartsAnyway)
{
    LoadedGame g;
    g.sound.failing["open \"/opt/mokuta/mokuta.mid\""] = media_error::file_not_found;
    g.host.player.click(g.el().Starts);
    EXPECT_EQ(g.host.boxes, QStringList{QStringLiteral("MCI(midi_open) error.")});
    ASSERT_EQ(g.host.notes.size(), 1);
    EXPECT_TRUE(g.host.notes[0].startsWith(QStringLiteral("the music could not be played")));
    EXPECT_EQ(g.el().Text6->text(), "1");
    EXPECT_TRUE(g.host.player.clickable(g.el().Label1[0]));
}

TEST(Title, ClosingDuringTheGreetingEndsTheProgram)
{
    LoadedGame g;
    g.host.player.at(1000, [&] { g.host.player.close_window(); });
    EXPECT_EQ(status_when_ended([&] { g.host.player.click(g.el().Starts); }), 0);
    EXPECT_EQ(g.st().Day_Count, 0);
}

// The music is the file beside the program, the one the load checked, however the game was
// started and whatever its folder is called.
TEST(Title, TheMusicComesFromTheProgramsDirectoryWhateverItsName)
{
    LoadedGame g(false);
    g.host.dir = QStringLiteral("/home/a \"b\" 'c' もくた/mokuta");
    g.load();
    g.host.player.click(g.el().Starts);
    EXPECT_TRUE(g.host.boxes.isEmpty()) << g.host.boxes.join(' ').toStdString();
    const std::string open = "open \"/home/a \"b\" 'c' もくた/mokuta/mokuta.mid\" type sequencer alias midifile";
    EXPECT_NE(std::find(g.sound.sent.begin(), g.sound.sent.end(), open), g.sound.sent.end());
    EXPECT_EQ(g.el().Text6->text(), "1");
}
