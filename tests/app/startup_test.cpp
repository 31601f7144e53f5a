// The start and end of the program: one copy, the load sequence, the sound-file check, the window's size.
#include <chrono>

#include <gtest/gtest.h>

#include "harness/Game.h"

namespace {

// A window on a host whose files are set up before the load runs.
struct StartUp {
    TestHost host;
    FakeSound sound;
    std::unique_ptr<Form1> form;
    int status = -999;

    void load()
    {
        status = status_when_ended([&] { Main(host, sound, form); });
    }
};

} // namespace

TEST(SingleCopy, ASecondCopySaysSoAndEndsWithoutAWindow)
{
    StartUp s;
    s.host.another_copy_running = true;
    s.load();
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.host.boxes, QStringList{QStringLiteral("既に起動しています。")});
    EXPECT_EQ(s.form, nullptr);
}

TEST(SoundFiles, AllPresentMeansNoMessageAndTheWindowStays)
{
    StartUp s;
    s.load();
    EXPECT_EQ(s.status, -999);
    EXPECT_TRUE(s.host.boxes.isEmpty());
    ASSERT_NE(s.form, nullptr);
    EXPECT_TRUE(s.form->el.Form1->isVisible());
    EXPECT_EQ(s.host.file_queries,
              (std::vector<QString>{"/opt/mokuta/mokuta.mid", "/opt/mokuta/b1.wav",
                                    "/opt/mokuta/b2.wav", "/opt/mokuta/b3.wav"}));
}

TEST(SoundFiles, EachMissingFileStopsTheGameAfterItsMessage)
{
    for (const char* name : sound_files) {
        StartUp s;
        s.host.files[QStringLiteral("/opt/mokuta/") + name] = FileCheck::NotFound;
        s.load();
        SCOPED_TRACE(name);
        EXPECT_EQ(s.status, 1);
        EXPECT_EQ(s.host.boxes, QStringList{QStringLiteral("音のファイルがない。")});
        // The check stops at the first missing file.
        EXPECT_EQ(s.host.file_queries.back(), QStringLiteral("/opt/mokuta/") + name);
    }
}

TEST(SoundFiles, AnyOtherFailureIsAnError)
{
    StartUp s;
    s.host.files[QStringLiteral("/opt/mokuta/b2.wav")] = FileCheck::OtherError;
    s.load();
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.host.boxes, QStringList{QStringLiteral("エラーです。")});
    EXPECT_EQ(s.host.file_queries.size(), 3u);
    EXPECT_EQ(s.host.notes, QStringList{QStringLiteral("/opt/mokuta/b2.wav: /opt/mokuta/b2.wav: no good")})
        << "the terminal hears which file, and why";
}

TEST(ProgramDirectory, EndsInExactlyOneSeparator)
{
    for (auto [dir, expected] : {std::pair{"/opt/mokuta", "/opt/mokuta/"},
                                 std::pair{"/opt/mokuta/", "/opt/mokuta/"}, std::pair{"/", "/"}}) {
        StartUp s;
        s.host.dir = QString::fromLatin1(dir);
        s.load();
        EXPECT_EQ(s.form->st.App_Dir, QString::fromLatin1(expected));
        EXPECT_EQ(s.host.file_queries.front(), QString::fromLatin1(expected) + "mokuta.mid");
    }
}

TEST(FormFit, KeepsTheFrameAndSetsTheInside)
{
    // Frames of 0, 8 and 40 pixels at 15 twips per pixel, and a 12-twip screen.
    struct Case {
        float tpp;
        int frame_px;
    };
    for (Case c : {Case{15, 0}, Case{15, 8}, Case{15, 40}, Case{12, 6}}) {
        const int inner = 838;
        float outer = (inner + c.frame_px) * c.tpp;
        float fitted = fitted_outer_twips(outer, c.tpp, inner, 515);
        EXPECT_FLOAT_EQ(fitted / c.tpp - c.frame_px, 515.0f);
    }
}

TEST(FormFit, TheWindowEndsWithTheWantedInnerSize)
{
    LoadedGame g;
    FormWindow& w = *g.el().Form1;
    w.resize(700, 400);
    int32_t width = 515, height = 305;
    g.form->Form_Fit(w, width, height);
    EXPECT_EQ(w.size(), QSize(515, 305));
}

TEST(Closing, EndsTheProgramAtOnceAndCleanly)
{
    LoadedGame g;
    EXPECT_EQ(status_when_ended([&] { g.host.player.close_window(); }), 0);
}

TEST(Closing, DuringAPauseEndsTheProgramWithoutFinishingThePause)
{
    LoadedGame g;
    bool after_pause = false;
    g.host.player.at(1500, [&] { g.host.player.close_window(); });
    int status = status_when_ended([&] {
        for (int i = 0; i < 100; ++i) {
            g.host.yield();
            g.host.sleep_ms(100);
        }
        after_pause = true;
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(after_pause);
    EXPECT_LE(g.host.clock_ms(), 1600u);
}

TEST(VirtualTime, TenSecondsOfPlayRunInAFractionOfASecond)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    int ticks = 0;
    el.Timer1.on_tick([&] { ++ticks; });
    el.Timer1.set_enabled(true);
    int clicks = 0;
    el.on_click(el.Shuffle, [&] { ++clicks; });
    for (uint32_t t = 500; t < 10000; t += 500)
        g.host.player.at(t, [&] { g.host.player.click(el.Shuffle); });

    auto wall_start = std::chrono::steady_clock::now();
    g.host.idle_for(10000);
    auto wall = std::chrono::steady_clock::now() - wall_start;

    EXPECT_EQ(g.host.clock_ms(), 10000u);
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(clicks, 19);
    RecordProperty("wall_ms", static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(wall).count()));
}

// Without a Japanese font the text would be empty boxes: a box in English says which package
// to install, and the game plays on.
TEST(Typefaces, WithoutAJapaneseFontAnEnglishBoxNamesThePackagesAndTheGameGoesOn)
{
    StartUp s;
    s.host.japanese_font = false;
    s.load();
    EXPECT_EQ(s.status, -999);
    ASSERT_EQ(s.host.boxes.size(), 1);
    EXPECT_TRUE(s.host.boxes[0].contains(QStringLiteral("fonts-ipafont-gothic")));
    for (QChar c : s.host.boxes[0])
        EXPECT_LT(c.unicode(), 0x80) << "the box must read without a Japanese font";
    ASSERT_NE(s.form, nullptr);
    EXPECT_TRUE(s.form->el.Starts->isVisible() && s.form->el.Starts->isEnabled());
}
