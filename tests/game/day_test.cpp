// One day played out: locks, the slots' luck and arithmetic, the reactions, the close of the day.
#include <gtest/gtest.h>

#include "render/Colours.h"
#include "harness/Game.h"

namespace {

constexpr float win = 0.99f;
constexpr float lose = 0.0f;

struct Day : ::testing::Test {
    LoadedGame g;
    GameState& st = g.st();
    Elements& el = g.el();

    void SetUp() override
    {
        g.on_day(1);
        st.Shuffle_OK = True;
    }
    // Plays plan 0 set to the given actions, with the three slot draws given.
    void play(std::array<int16_t, 3> plan, std::initializer_list<float> slot_draws)
    {
        st.Plan_Act[0] = plan;
        ASSERT_TRUE(g.host.player.click(el.Label1[0]).on_target());
        g.host.give_draws(slot_draws);
        ASSERT_TRUE(g.host.player.click(el.Menu_OK).on_target());
    }
    // What the screen shows the given time after 決定 is pressed.
    void after_ms(uint32_t ms, std::function<void()> look)
    {
        g.host.player.at(g.host.clock_ms() + ms, std::move(look));
    }
    // The hero reacts to the plan as soon as it is taken; the first slot shows its action and
    // its hair change once it has turned.
    static constexpr uint32_t plan_taken_ms = 300;
    static constexpr uint32_t first_slot_ms = 800;
};

} // namespace

TEST_F(Day, APlainDayTakesThreePointEightSecondsAndTheTypedInstruction)
{
    const uint32_t start = g.host.clock_ms();
    play({0, 5, 7}, {win, win, win});
    EXPECT_EQ(g.host.clock_ms() - start, 3800u + 700u);
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("\u3000今日の行動を決めてください"));
}

TEST_F(Day, TheMenuIsLockedWhileTheDayRuns)
{
    bool locked = false;
    after_ms(first_slot_ms, [&] {
        locked = !el.Menu_OK->isVisible() && !el.Shuffle->isEnabled() &&
                 !el.Label1[0]->isEnabled() && !el.Label1[2]->isEnabled() &&
                 back_colour(*el.Label1[0]) == from_bgr(0xC0C0FF) &&
                 !g.host.player.clickable(el.Label1[1]);
    });
    play({0, 5, 7}, {win, win, win});
    EXPECT_TRUE(locked);
    EXPECT_TRUE(el.Shuffle->isEnabled());
    EXPECT_TRUE(el.Label1[0]->isEnabled());
    EXPECT_EQ(back_colour(*el.Label1[0]), QColor(255, 255, 255));
    EXPECT_EQ(st.Shuffle_OK, True);
}

TEST_F(Day, ClicksDuringTheDayStartNoSecondDay)
{
    int starts = 0;
    for (uint32_t t = 50; t < 4000; t += 50) {
        g.host.player.at(t, [&] {
            for (QWidget* w : std::initializer_list<QWidget*>{el.Menu_OK, el.Label1[0], el.Label1[1],
                                                              el.Shuffle, el.Starts, el.Quits})
                starts += g.host.player.click(w).took ? 1 : 0;
        });
    }
    play({0, 5, 7}, {win, win, win});
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(st.Day_Count, 2);
}

TEST_F(Day, StartValuesGiveTheAmountOrFourThirdsOfIt)
{
    QString won, lost;
    QColor won_colour, lost_colour;
    after_ms(first_slot_ms, [&] {
        won = el.Text2[0]->text();
        won_colour = fore_colour(*el.Text1[0]);
    });
    play({0, 5, 7}, {win, win, win});
    EXPECT_EQ(won, "500");
    EXPECT_EQ(won_colour, from_bgr(0xFF0000));

    st.Motivation = 100;
    st.Health = 100;
    after_ms(first_slot_ms, [&] {
        lost = el.Text2[0]->text();
        lost_colour = fore_colour(*el.Text1[0]);
    });
    play({0, 5, 7}, {lose, win, win});
    EXPECT_EQ(lost, "-667");
    EXPECT_EQ(lost_colour, from_bgr(0x0000FF));
}

TEST_F(Day, NoMotivationGainsNothingAndStaysBlue)
{
    st.Motivation = 0;
    el.Text4->setText("0");
    QString shown;
    QColor colour;
    after_ms(first_slot_ms, [&] {
        shown = el.Text2[0]->text();
        colour = fore_colour(*el.Text1[0]);
    });
    play({0, 5, 7}, {win, win, win});
    EXPECT_EQ(shown, "0");
    EXPECT_EQ(colour, from_bgr(0xFF0000));
}

TEST_F(Day, TheNumbersAddUpOverTheDay)
{
    // ごはん wins 500 at motivation 100; バイト loses 200 x (2 - 110/150); ねる wins 500 x 1.02.
    play({0, 5, 7}, {win, lose, win});
    EXPECT_EQ(st.Hair_Count, 30000 + 500 - 253 + 510 - 100);
    EXPECT_EQ(st.Motivation, 97);
    EXPECT_EQ(st.Health, 110);
    EXPECT_EQ(el.Text3->text(), "30,757") << "the day's 100 lost hairs show at the next update";
    EXPECT_EQ(el.Text6->text(), "1");
    EXPECT_EQ(st.Day_Count, 2);
    for (int k = 0; k <= 2; ++k) {
        EXPECT_TRUE(el.Text1[k]->text().isEmpty());
        EXPECT_TRUE(el.Text2[k]->text().isEmpty());
        EXPECT_EQ(fore_colour(*el.Text1[k]), from_bgr(0x000000));
    }
}

TEST_F(Day, CigarettesAndDrinksGetTheirReaction)
{
    int16_t hands = -1;
    QString said;
    after_ms(plan_taken_ms, [&] {
        hands = st.Hand_No;
        said = el.Mokuta_mes->caption();
    });
    play({2, 5, 9}, {lose, lose, lose});
    EXPECT_EQ(hands, 4);
    EXPECT_EQ(said, QStringLiteral("やったぉ！"));
    EXPECT_EQ(st.Hand_No, 0) << "the hands go at the close of the day";
}

TEST_F(Day, CigarettesAndANightOutEndWithTheNightOut)
{
    int16_t hands = -1, face = -1;
    QString said;
    after_ms(plan_taken_ms, [&] {
        hands = st.Hand_No;
        face = st.Face_No;
        said = el.Mokuta_mes->caption();
    });
    play({2, 6, 8}, {lose, lose, lose});
    EXPECT_EQ(hands, 0);
    EXPECT_EQ(face, 2);
    EXPECT_EQ(said, QStringLiteral("おいおい。"));
}

TEST_F(Day, TheLazyDayShamesTheHero)
{
    QString said;
    int16_t face = -1;
    after_ms(plan_taken_ms, [&] {
        said = el.Mokuta_mes->caption();
        face = st.Face_No;
    });
    play({3, 6, 7}, {win, win, win});
    EXPECT_EQ(said, QStringLiteral("だめ人間・・・。"));
    EXPECT_EQ(face, 8);
}

TEST_F(Day, TheLaterClosingTestWins)
{
    // ごはん, バイト, ねる change motivation by -3 and health by +10 in all.
    st.Motivation = 193;
    st.Health = 30;
    el.Text4->setText("193");
    el.Text5->setText("30");
    play({0, 5, 7}, {win, win, win});
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("だるいなぁ。"));
    EXPECT_EQ(st.Face_No, 3);
}

TEST_F(Day, AnOrdinaryMoodEmptiesTheSpeechAndDoesNotRedraw)
{
    // The cigarette hand stays in the picture: nothing redraws the hero at the close.
    el.hands[1]->image().fill(qRgb(255, 0, 255));
    st.Health = 80;
    el.Text5->setText("80");
    play({2, 5, 7}, {lose, win, win});
    EXPECT_TRUE(el.Mokuta_mes->caption().isEmpty());
    EXPECT_EQ(st.Hand_No, 0);
    EXPECT_EQ(el.Mokuta->image().pixel(146 - 80 + 30, 102 + 70), qRgb(255, 0, 255));
}

// Sixty hairs at the end of a day that wins nothing (no motivation) become -40 unseen.
TEST_F(Day, SixtyHairsAtTheCloseAreNotYetTheEnd)
{
    st.Motivation = 0;
    el.Text4->setText("0");
    st.Hair_Count = 60;
    play({3, 6, 7}, {win, win, win});
    EXPECT_EQ(st.Hair_Count, -40);
    EXPECT_EQ(el.Text3->text(), "60");
    EXPECT_FALSE(el.Quits->isVisible());

    // The next day's first slot wins at least 41 hairs: the game goes on.
    st.Motivation = 100;
    play({0, 5, 7}, {win, win, win});
    EXPECT_EQ(st.Day_Count, 3);
    EXPECT_EQ(st.Hair_Count, -40 + 500 + 200 + 510 - 100);
}

TEST_F(Day, TheDailyLossIsFoundByTheNextDaysFirstSlot)
{
    st.Motivation = 0;
    el.Text4->setText("0");
    st.Hair_Count = 60;
    play({3, 6, 7}, {win, win, win});
    ASSERT_EQ(st.Health, 118);
    g.host.player.click_when_clickable(el.Quits);
    int status = status_when_ended([&] { play({0, 5, 7}, {lose, win, win}); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(el.Text3->text(), "0");
    EXPECT_EQ(el.Text2[0]->text(), "-607");
    EXPECT_TRUE(el.Text2[1]->text().isEmpty()) << "the rest of the day never ran";
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("スキンヘッドもイカしてるぜ。"));
}

TEST_F(Day, AnItemInUseAddsItsGainEvenOnABadDay)
{
    st.Item_Now = 2;
    el.Text1[3]->show();
    el.Text2[3]->show();
    el.Text2[3]->setText(QString());
    QString gain_shown;
    int16_t face = -1;
    g.host.on_yield = [&] {
        if (gain_shown.isEmpty() && !el.Text2[3]->text().isEmpty()) {
            gain_shown = el.Text2[3]->text();
            face = st.Face_No;
        }
    };
    const uint32_t start = g.host.clock_ms();
    play({0, 5, 7}, {lose, lose, lose});
    EXPECT_EQ(gain_shown, "10000");
    EXPECT_EQ(face, 11);
    EXPECT_EQ(g.host.clock_ms() - start, 4800u + 700u);
    EXPECT_TRUE(el.Text2[3]->text().isEmpty());
    EXPECT_EQ(st.Hair_Count, 30000 - 667 - 253 - 650 + 10000 - 100);
}
