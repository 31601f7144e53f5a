// Bonus days with the roulette, hair products, callers, and the calendar that brings them.
#include <set>

#include <gtest/gtest.h>

#include "game/Rules.h"
#include "render/Colours.h"
#include "harness/Game.h"

namespace {

constexpr float win = 0.99f;
constexpr float lose = 0.0f;
const QRgb yellow = from_bgr(0x0000FFFF).rgb();
const QRgb strip_blue = from_bgr(0x00FF8080).rgb();

float just_below(double x) { return std::nextafter(static_cast<float>(x), 0.0f); }

struct Special : ::testing::Test {
    LoadedGame g;
    GameState& st = g.st();
    Elements& el = g.el();
    void SetUp() override
    {
        g.on_day(5);
        el.Text2[3]->setText(QString());
    }
    // Answers the next question with yes or no as soon as it can be clicked.
    void answer(bool yes) { g.host.player.click_when_clickable(yes ? el.Item_YES : el.Item_NO); }
    void spin_when_ready() { g.host.player.click_when_clickable(el.Roulet_OK); }
    QRgb band(int row) { return el.Picture1->image().pixel(2, 20 * row + 10); }
};

} // namespace

TEST(Roulette, EachStepCountHasItsIntervalOfTheDraw)
{
    EXPECT_EQ(roulette_steps(0.0f), 50);
    EXPECT_EQ(roulette_steps(0.99999994f), 60);
    // n = 50 + k from (2k - 1) / 20 on: just below an edge and just above it.
    for (int k = 1; k <= 10; ++k) {
        const double edge = (2 * k - 1) / 20.0;
        EXPECT_EQ(roulette_steps(just_below(edge)), 49 + k) << edge;
        EXPECT_EQ(roulette_steps(std::nextafter(static_cast<float>(edge), 1.0f)), 50 + k) << edge;
    }
    // Two draws fall exactly halfway, and go to the even count.
    EXPECT_EQ(roulette_steps(0.25f), 52);
    EXPECT_EQ(roulette_steps(0.75f), 58);
}

TEST(Roulette, EachPrizeHasItsTwoIntervals)
{
    for (int p = 1; p <= 4; ++p)
        for (double from : {0.1 * p - 0.05, 0.1 * p + 0.45}) {
            EXPECT_EQ(roulette_prize(roulette_steps(static_cast<float>(from + 0.01))), p) << from;
            EXPECT_EQ(roulette_prize(roulette_steps(static_cast<float>(from + 0.09))), p) << from;
        }
    for (float miss : {0.0f, just_below(0.05), 0.46f, just_below(0.55), 0.96f})
        EXPECT_EQ(roulette_prize(roulette_steps(miss)), 0) << miss;
}

TEST(Roulette, OutcomesComeUpOneTimeInFive)
{
    int seen[5] = {};
    const int tries = 100000;
    for (int i = 0; i < tries; ++i)
        ++seen[roulette_prize(roulette_steps((i + 0.5f) / tries))];
    for (int p = 0; p < 5; ++p)
        EXPECT_NEAR(seen[p], tries / 5, 2) << p;
}

TEST(Items, ForcedSuccesses)
{
    EXPECT_TRUE(item_always_works(1, 0, 100));
    EXPECT_TRUE(item_always_works(4, 0, 100));
    EXPECT_FALSE(item_always_works(1, 200, 99));
    EXPECT_TRUE(item_always_works(2, 151, 151));
    EXPECT_FALSE(item_always_works(2, 150, 200));
    EXPECT_FALSE(item_always_works(3, 200, 200));
    EXPECT_EQ(rate_text(90), " 90");
    EXPECT_EQ(caller_for(0.0f), 0);
    EXPECT_EQ(caller_for(just_below(0.25)), 0);
    EXPECT_EQ(caller_for(0.25f), 1);
    EXPECT_EQ(caller_for(0.99999994f), 3);
}

TEST_F(Special, ABonusDayAnnouncesItselfSpinsAndCountsAsADay)
{
    // Roulette draw 0.0: 50 steps, a miss.
    g.host.give_draws({0.0f});
    QString announcement;
    g.host.player.when([&] { return el.Mokuta_mes->caption() == QStringLiteral("お。"); },
                       [&] { announcement = el.Help_mes->text(); });
    spin_when_ready();
    const uint32_t start = g.host.clock_ms();
    g.form->Bonus_Day();
    EXPECT_EQ(announcement, QStringLiteral("\u3000ボーナスデーです"));
    EXPECT_EQ(st.Prize_No, 0);
    EXPECT_EQ(st.Face_No, 1);
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("なんだよ、それ。"));
    EXPECT_EQ(st.Day_Count, 6);
    EXPECT_EQ(el.Text6->text(), "6");
    EXPECT_EQ(el.Picture2->image().pixel(20, 30), qRgb(255, 255, 255)) << "a miss shows no bottle";
    EXPECT_TRUE(el.Picture3->isVisible());
    EXPECT_FALSE(g.host.player.clickable(el.Roulet_OK));
    EXPECT_FALSE(el.Roulet_OK->isEnabled());
    // The spin: 51 frames slept 3 x i ms, the blink 600 ms, around it the messages and pauses.
    const uint32_t spin_ms = 3 * 50 * 51 / 2;
    EXPECT_GE(g.host.clock_ms() - start, spin_ms + 600 + 2000);
}

TEST_F(Special, TheSpinSleepsThreeMillisecondsMoreEachFrame)
{
    std::vector<uint32_t> frame_times;
    g.host.give_draws({1.0f - 1e-7f});  // 60 steps
    el.Roulet_OK->setEnabled(true);
    g.host.on_yield = [&] { frame_times.push_back(g.host.clock_ms()); };
    const uint32_t start = g.host.clock_ms();
    g.form->Panel_Mode(1);
    g.host.player.click(el.Roulet_OK);
    ASSERT_GE(frame_times.size(), 61u);
    for (int i = 1; i <= 60; ++i)
        EXPECT_EQ(frame_times[i] - frame_times[i - 1], static_cast<uint32_t>(3 * (i - 1))) << i;
    EXPECT_EQ(frame_times[60] - start, 3u * 59 * 60 / 2);
    EXPECT_EQ(st.Prize_No, 0);
}

TEST_F(Special, FrameZeroIsRepaintedPlainAndTheBandWalksDownTheStrip)
{
    std::vector<std::array<QRgb, 5>> frames;
    g.host.give_draws({0.0f});
    g.form->Panel_Mode(1);
    el.Roulet_OK->setEnabled(true);
    g.host.on_yield = [&] {
        if (frames.size() < 7)
            frames.push_back({band(0), band(1), band(2), band(3), band(4)});
    };
    g.host.player.click(el.Roulet_OK);
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[0], (std::array<QRgb, 5>{strip_blue, strip_blue, strip_blue, strip_blue, strip_blue}));
    EXPECT_EQ(frames[1][1], yellow);
    EXPECT_EQ(frames[1][0], strip_blue);
    EXPECT_EQ(frames[4][4], yellow);
    EXPECT_EQ(frames[5][0], yellow);
    EXPECT_EQ(frames[5][4], strip_blue);
    // 50 steps end on row 0, left as a red name on yellow.
    EXPECT_EQ(band(0), yellow);
    EXPECT_EQ(el.Picture1->shown_image().pixel(2, 10), yellow);
}

TEST_F(Special, ThePreviousWinnerKeepsItsBandUntilTheHighlightPasses)
{
    g.form->Panel_Mode(1);
    el.Roulet_OK->setEnabled(true);
    g.host.give_draws({0.3f});  // 53 steps: row 3 wins
    g.host.player.click_when_clickable(el.Item_NO);
    g.host.player.click(el.Roulet_OK);
    ASSERT_EQ(st.Prize_No, 3);
    ASSERT_EQ(band(3), yellow);
    el.Roulet_OK->setEnabled(true);
    g.host.player.click(el.Roulet_OK);
    EXPECT_EQ(st.Prize_No, 3) << "a second spin on the same bonus day is refused";

    std::vector<QRgb> row3;
    g.host.on_yield = [&] {
        if (row3.size() < 6)
            row3.push_back(band(3));
    };
    st.Roulet_Done = False;  // as the close of the day leaves it for the next bonus day
    el.Roulet_OK->setEnabled(true);
    g.host.give_draws({0.0f});
    g.host.player.click(el.Roulet_OK);
    ASSERT_GE(row3.size(), 5u);
    EXPECT_EQ(row3[0], yellow);
    EXPECT_EQ(row3[2], yellow);
    EXPECT_EQ(row3[3], yellow) << "the highlight itself on row 3";
    EXPECT_EQ(row3[4], strip_blue);
}

// Drawing a frame takes 7 ms here, and the clock wraps in the middle of the spin:
// each frame still adds just its own drawing time to its pause.
TEST_F(Special, AClockThatWrapsDoesNotStallTheSpin)
{
    g.host.clock_ = 0xFFFFFF00u;
    g.host.clock_limit_ms = 0xFFFFFFFFu;
    g.form->Panel_Mode(1);
    el.Roulet_OK->setEnabled(true);
    g.host.give_draws({0.0f});
    g.host.on_yield = [&] { g.host.clock_ += 7; };
    const uint32_t before = g.host.slept_ms;
    g.host.player.click(el.Roulet_OK);
    EXPECT_LT(g.host.clock_ms(), 0x10000u) << "the clock did wrap";
    EXPECT_EQ(g.host.slept_ms - before, 3u * 50 * 51 / 2 + 51 * 7 + 600 + 2000 + 50 * 5);
}

TEST_F(Special, EachPrizeShowsItsBottleAndIsOffered)
{
    const QRgb white = qRgb(255, 255, 255);
    for (int16_t prize = 1; prize <= 4; ++prize) {
        st.Roulet_Done = False;
        el.Picture2->clear();
        g.form->Panel_Mode(1);
        el.Roulet_OK->setEnabled(true);
        g.host.give_draws({0.1f * prize});
        QString prompt;
        g.host.player.when([&] { return g.host.player.clickable(el.Item_NO); },
                           [&] {
                               prompt = el.Label6->caption();
                               g.host.player.click(el.Item_NO);
                           });
        g.host.player.click(el.Roulet_OK);
        ASSERT_EQ(st.Prize_No, prize);
        const QImage& window = el.Picture2->image();
        int drawn = 0;
        for (int y = 5; y < 5 + 55; ++y)
            for (int x = 10; x < 10 + 32; ++x)
                drawn += window.pixel(x, y) != white;
        EXPECT_GT(drawn, 150) << "prize " << prize;
        EXPECT_EQ(prompt, st.Item_Name[prize] + QStringLiteral("を使用しますか？\r\n成功率 ") +
                              QString::number(st.Item_Table[prize][2]) + "%");
    }
    // The jar's cell reaches past the sheet: the window stays white below it.
    EXPECT_EQ(el.Picture2->image().pixel(20, 5 + 56), white);
    EXPECT_EQ(el.Picture2->image().pixel(20, 70), white);
}

TEST_F(Special, TheNextBonusDayClearsThePrizeWindow)
{
    g.form->Panel_Mode(1);
    el.Roulet_OK->setEnabled(true);
    g.host.give_draws({0.11f});
    answer(false);
    g.host.player.click(el.Roulet_OK);
    ASSERT_EQ(st.Prize_No, 1);
    ASSERT_NE(el.Picture2->shown_image().pixel(25, 30), qRgb(255, 255, 255));

    QRgb at_announcement = 0;
    g.host.player.when([&] { return el.Help_mes->text().contains(QStringLiteral("ボーナス")); },
                       [&] { at_announcement = el.Picture2->shown_image().pixel(25, 30); });
    g.host.give_draws({0.0f});
    spin_when_ready();
    g.form->Bonus_Day();
    EXPECT_EQ(at_announcement, qRgb(255, 255, 255));
}

TEST_F(Special, TheSprayAndTheOintmentAlwaysSuitAHealthyHero)
{
    for (int16_t prize : {1, 4}) {
        st.Health = 100;
        st.Prize_No = prize;
        answer(true);
        g.host.give_draws({lose});
        g.form->Item_Use();
        EXPECT_EQ(st.Item_Now, prize);
        EXPECT_EQ(el.Text1[3]->text(), st.Item_Name[prize]);
        EXPECT_TRUE(el.Text1[3]->isVisible());
        EXPECT_TRUE(el.Text2[3]->text().isEmpty());
        EXPECT_FALSE(el.Maru->isVisible()) << "the mark goes at the end";
    }
}

TEST_F(Special, TheGrowthPotionIsNeverForced)
{
    st.Health = 200;
    st.Motivation = 200;
    st.Prize_No = 3;
    answer(true);
    g.host.give_draws({lose});
    QString loss;
    g.host.player.when([&] { return el.Help_mes->text().endsWith(QStringLiteral("本減ります")); },
                       [&] { loss = el.Help_mes->text(); });
    g.form->Item_Use();
    EXPECT_EQ(loss, QStringLiteral("\u3000髪の毛が22,000本減ります"));
    EXPECT_EQ(st.Hair_Count, 30000 - 22000);
    EXPECT_EQ(st.Item_Now, 0);
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("ひぇー！\u3000痛いっすぅ～"));
}

TEST_F(Special, AFailedOintmentCostsFiveHundred)
{
    st.Health = 99;
    st.Prize_No = 4;
    answer(true);
    g.host.give_draws({0.5f});
    g.form->Item_Use();
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("\u3000髪の毛が500本減ります"));
    EXPECT_EQ(st.Hair_Count, 29500);
    EXPECT_EQ(el.Text3->text(), "29,500");
}

TEST_F(Special, ARefusalChangesNoNumber)
{
    st.Prize_No = 2;
    answer(false);
    const std::size_t sounds_before = g.sound.sent.size();
    g.form->Item_Use();
    EXPECT_EQ(st.Hair_Count, 30000);
    EXPECT_EQ(st.Motivation, 100);
    EXPECT_EQ(st.Health, 100);
    EXPECT_EQ(st.Item_Now, 0);
    EXPECT_EQ(st.Face_No, 10);
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("おいおい。"));
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("\u3000育毛剤は使いません"));
    for (std::size_t i = sounds_before; i < g.sound.sent.size(); ++i)
        EXPECT_EQ(g.sound.sent[i].find("b1.wav"), std::string::npos);
}

namespace {

struct Offer {
    int16_t caller;
    bool accept;
    int32_t hair;
    int16_t motivation, health;
};

} // namespace

TEST_F(Special, EachCallersOfferAcceptedAndDeclined)
{
    const Offer offers[] = {
        {0, true, -20000, 0, 0},   {0, false, 0, 0, 0},  {1, true, 20000, 20, 0},
        {1, false, 0, 0, 0},       {2, true, -20000, -30, -10}, {2, false, 0, 0, 0},
        {3, true, 20000, -100, -100}, {3, false, 0, 0, 0},
    };
    for (const Offer& o : offers) {
        LoadedGame fresh;
        fresh.past_title();
        GameState& s = fresh.st();
        s.Day_Count = 15;
        s.Motivation = 150;
        s.Health = 150;
        fresh.el().Text4->setText("150");
        fresh.el().Text5->setText("150");
        fresh.host.give_draws({o.caller / 4.0f + 0.01f});
        fresh.host.player.click_when_clickable(o.accept ? fresh.el().Item_YES : fresh.el().Item_NO);
        fresh.form->Event_Call();
        SCOPED_TRACE(testing::Message() << "caller " << o.caller << (o.accept ? " yes" : " no"));
        EXPECT_EQ(s.Caller_No, o.caller);
        EXPECT_EQ(s.Hair_Count, 30000 + o.hair);
        EXPECT_EQ(s.Motivation, 150 + o.motivation);
        EXPECT_EQ(s.Health, 150 + o.health);
        EXPECT_EQ(s.Day_Count, 16);
        EXPECT_EQ(s.Doll_No, o.caller);
        EXPECT_EQ(s.Hand_No, 0);
        EXPECT_EQ(s.Stand_Left, True);
        EXPECT_EQ(s.Body_No, o.caller == 0 && o.accept ? 1 : 0);
        EXPECT_EQ(s.Tan_Look, o.caller == 0 && o.accept ? True : False);
        if (o.caller == 2 && o.accept) {
            EXPECT_EQ(s.Head_No, 6);
        }
        if (!o.accept) {
            EXPECT_EQ(fresh.el().Mokuta_mes->caption(), s.Mes_Text[31 + 4 * o.caller + 3]);
        }
        EXPECT_FALSE(fresh.el().Item_YES->isVisible());
        EXPECT_TRUE(fresh.el().Picture3->isVisible());
        EXPECT_FALSE(fresh.el().Picture6->isVisible());
    }
}

TEST_F(Special, TheOldManStandsAlone)
{
    g.host.give_draws({0.99f});
    QImage at_offer;
    g.host.player.when([&] { return g.host.player.clickable(el.Item_NO); },
                       [&] {
                           at_offer = el.Mokuta->image().copy();
                           g.host.player.click(el.Item_NO);
                       });
    g.form->Event_Call();
    ASSERT_EQ(st.Caller_No, 3);
    QImage alone(303, 255, QImage::Format_RGB32);
    alone.fill(from_bgr(0x00FEFFEE));
    const QImage& old_man = el.Dolls[3]->image();
    for (int y = 0; y < old_man.height() && 40 + y < 255; ++y)
        for (int x = 0; x < old_man.width(); ++x)
            alone.setPixel(80 + x, 40 + y, old_man.pixel(x, y));
    EXPECT_EQ(at_offer, alone);
    EXPECT_EQ(st.Face_No, 1) << "after a refusal the hero comes back puzzled";
}

TEST_F(Special, TheWigStaysOnWhileTheFriendIsAround)
{
    st.Day_Count = 15;
    g.host.give_draws({0.5f});
    answer(true);
    g.form->Event_Call();
    ASSERT_EQ(st.Head_No, 6);
    st.Hair_Count = 70000;
    g.form->Status_Update();
    EXPECT_EQ(st.Head_No, 6);
}

TEST_F(Special, TheCalendarBringsBonusDaysAndCallers)
{
    struct Case {
        int16_t day_before;
        bool bonus, caller;
        int16_t next;
    };
    for (Case c : {Case{4, true, false, 6}, Case{9, true, false, 11}, Case{14, false, true, 16},
                   Case{19, true, false, 21}, Case{24, true, false, 26}, Case{29, false, true, 31},
                   Case{44, false, true, 46}, Case{5, false, false, 6}, Case{12, false, false, 13}}) {
        LoadedGame fresh;
        fresh.on_day(c.day_before);
        GameState& s = fresh.st();
        bool spun = false, called = false;
        fresh.host.on_yield = [&] {
            ScriptedPlayer& p = fresh.host.player;
            if (p.clickable(fresh.el().Roulet_OK)) {
                spun = true;
                p.click(fresh.el().Roulet_OK);
            } else if (p.clickable(fresh.el().Item_NO)) {
                called = called ||
                         fresh.el().Label6->caption() == QStringLiteral("この話にのりますか？");
                p.click(fresh.el().Item_NO);
            }
        };
        fresh.host.draw_source = [] { return 0.0f; };
        fresh.form->Label1_Click(0);
        fresh.host.player.click(fresh.el().Menu_OK);
        EXPECT_EQ(spun, c.bonus) << c.day_before;
        EXPECT_EQ(called, c.caller) << c.day_before;
        EXPECT_EQ(s.Day_Count, c.next) << c.day_before;
    }
}

TEST_F(Special, AnEncounterEndsTheItemCourseAndABonusDayTheTannedLook)
{
    st.Item_Now = 2;
    st.Tan_Look = True;
    g.host.give_draws({0.0f});
    spin_when_ready();
    g.form->Bonus_Day();
    EXPECT_EQ(st.Item_Now, 0);
    EXPECT_EQ(st.Tan_Look, False);
    EXPECT_EQ(st.Doll_No, -1);

    st.Item_Now = 1;
    g.host.give_draws({0.3f});
    answer(false);
    g.form->Event_Call();
    EXPECT_EQ(st.Item_Now, 0);
}
