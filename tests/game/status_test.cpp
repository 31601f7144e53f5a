// The read-outs after a change, the mood remarks at the line of 50, the hair picture and both endings.
#include <gtest/gtest.h>

#include "game/Rules.h"
#include "render/Colours.h"
#include "harness/Game.h"

TEST(SlotArithmetic, GainsScaleWithMotivationAndLossesWithHealth)
{
    EXPECT_EQ(slot_gain(100, 500), 500);
    EXPECT_EQ(slot_loss(100, 500), 667);
    EXPECT_EQ(slot_gain(100, 4000), 4000);
    EXPECT_EQ(slot_loss(100, 4000), 5333);
    EXPECT_EQ(slot_gain(0, 4000), 0);
    EXPECT_EQ(slot_gain(150, 300), 450);
    EXPECT_EQ(slot_loss(200, 1000), 667);
    EXPECT_EQ(slot_loss(200, 500), 333);
    EXPECT_EQ(slot_loss(200, 4000), 2667);
    EXPECT_EQ(slot_loss(200, 200), 133);
    EXPECT_EQ(slot_loss(150, 800), 800);
    EXPECT_EQ(slot_loss(0, 800), 1600);
}

TEST(HairPicture, FollowsTheCountAndLeavesTheEdgesAlone)
{
    EXPECT_EQ(hair_picture_for(0), 1);
    EXPECT_EQ(hair_picture_for(14999), 1);
    EXPECT_EQ(hair_picture_for(15000), -1);
    EXPECT_EQ(hair_picture_for(15001), 2);
    EXPECT_EQ(hair_picture_for(59999), 2);
    EXPECT_EQ(hair_picture_for(60000), -1);
    EXPECT_EQ(hair_picture_for(60001), 3);
}

TEST(Thousands, GroupsDigitsWithCommas)
{
    EXPECT_EQ(thousands(0), "0");
    EXPECT_EQ(thousands(999), "999");
    EXPECT_EQ(thousands(1000), "1,000");
    EXPECT_EQ(thousands(30000), "30,000");
    EXPECT_EQ(thousands(100000), "100,000");
    EXPECT_EQ(thousands(1234567), "1,234,567");
    EXPECT_EQ(thousands(-1500), "-1,500");
}

TEST(DayClose, LaterTestsOverrideEarlierOnes)
{
    DayCloseLook tired = day_close_look(190, 40);
    EXPECT_EQ(tired.line, 3);
    EXPECT_EQ(tired.face, 3);
    EXPECT_EQ(tired.hands, 0);
    DayCloseLook sick = day_close_look(30, 5);
    EXPECT_EQ(sick.line, 4);
    EXPECT_EQ(sick.face, 4);
    DayCloseLook bored = day_close_look(40, 100);
    EXPECT_EQ(bored.line, 2);
    EXPECT_EQ(bored.hands, 1);
    DayCloseLook fine = day_close_look(101, 101);
    EXPECT_TRUE(fine.redraw);
    EXPECT_EQ(fine.line, -1);
    EXPECT_EQ(fine.face, 0);
    EXPECT_EQ(fine.hands, -1);
    DayCloseLook keen = day_close_look(181, 100);
    EXPECT_EQ(keen.line, 15);
    EXPECT_EQ(keen.face, 11);
    for (auto [m, h] : {std::pair<int16_t, int16_t>{50, 50}, {100, 100}, {100, 50}, {50, 101}}) {
        DayCloseLook none = day_close_look(m, h);
        EXPECT_FALSE(none.redraw) << m << " " << h;
        EXPECT_EQ(none.line, -1);
    }
}

namespace {

struct Status : ::testing::Test {
    LoadedGame g;
    GameState& st = g.st();
    Elements& el = g.el();
    void SetUp() override
    {
        g.on_day(1);
    }
    QString remark() { return el.Help_mes->text(); }
};

} // namespace

TEST_F(Status, AtTheStartNothingIsSaid)
{
    el.Help_mes->setText("x");
    g.form->Status_Update();
    EXPECT_EQ(remark(), "x");
    EXPECT_EQ(el.Text4->text(), "100");
    EXPECT_EQ(el.Text5->text(), "100");
    EXPECT_EQ(el.Text3->text(), "30,000");
    EXPECT_EQ(el.Text6->text(), "1");
    EXPECT_EQ(fore_colour(*el.Text4), from_bgr(0xFF0000));
}

TEST_F(Status, MotivationRemarksAtTheLineOf50)
{
    struct Case {
        const char* before;
        int16_t now;
        const char* said;
        uint32_t colour;
    };
    for (Case c : {Case{"51", 49, "やる気がないようです", 0x0000FF}, Case{"50", 49, "", 0x0000FF},
                   Case{"49", 50, "やる気がでてきたようです", 0xFF0000},
                   Case{"30", 20, "", 0x0000FF}, Case{"60", 50, "", 0xFF0000}}) {
        el.Help_mes->setText(QString());
        el.Text4->setText(c.before);
        st.Motivation = c.now;
        g.form->Status_Update();
        const QString said = QString::fromUtf8(c.said);
        EXPECT_EQ(remark(), said.isEmpty() ? QString() : QStringLiteral("\u3000") + said) << c.before;
        EXPECT_EQ(el.Text4->text(), QString::number(c.now));
        EXPECT_EQ(fore_colour(*el.Text4), from_bgr(c.colour)) << c.before;
    }
}

TEST_F(Status, TheHealthRemarkFollowsAndReplacesTheMotivationRemark)
{
    el.Text4->setText("60");
    el.Text5->setText("60");
    st.Motivation = 40;
    st.Health = 40;
    g.form->Status_Update();
    EXPECT_EQ(remark(), QStringLiteral("\u3000不健康のようです"));
    el.Text5->setText("10");
    st.Health = 50;
    g.form->Status_Update();
    EXPECT_EQ(remark(), QStringLiteral("\u3000健康になったようです"));
}

TEST_F(Status, BoundsKeepMotivationAndHealthWithin0And200)
{
    st.Motivation = 230;
    st.Health = -45;
    g.form->Status_Update();
    EXPECT_EQ(st.Motivation, 200);
    EXPECT_EQ(st.Health, 0);
    EXPECT_EQ(el.Text4->text(), "200");
    EXPECT_EQ(el.Text5->text(), "0");
}

TEST_F(Status, ExactlyFifteenAndSixtyThousandLeaveTheHairAsItWas)
{
    for (int32_t count : {15000, 60000}) {
        st.Head_No = 3;
        el.Mokuta->image().fill(Qt::red);
        st.Hair_Count = count;
        g.form->Status_Update();
        EXPECT_EQ(st.Head_No, 3);
        EXPECT_EQ(el.Mokuta->image().pixel(5, 5), QColor(Qt::red).rgb()) << "redrawn at " << count;
    }
    st.Hair_Count = 60001;
    g.form->Status_Update();
    EXPECT_EQ(st.Head_No, 3);
    EXPECT_NE(el.Mokuta->image().pixel(5, 5), QColor(Qt::red).rgb());
    st.Hair_Count = 14999;
    g.form->Status_Update();
    EXPECT_EQ(st.Head_No, 1);
}

TEST_F(Status, TheWigStaysOnWhileTheFriendIsAroundAndBaldStaysBald)
{
    st.Doll_No = 2;
    st.Head_No = 6;
    st.Hair_Count = 70000;
    g.form->Status_Update();
    EXPECT_EQ(st.Head_No, 6);
    st.Doll_No = -1;
    st.Head_No = 0;
    g.form->Status_Update();
    EXPECT_EQ(st.Head_No, 0);
}

TEST_F(Status, NinetyNineThousandNineHundredNinetyNineIsNoEnding)
{
    st.Hair_Count = 99999;
    g.form->Status_Update();
    EXPECT_EQ(el.Text3->text(), "99,999");
    EXPECT_FALSE(el.Quits->isVisible());
}

TEST_F(Status, AFullHeadOfHairEndsTheGameWithTheHerosLastWord)
{
    st.Hair_Count = 100000;
    g.form->Midi_Play("mokuta.mid");
    QString during;
    g.host.player.when([&] { return g.host.player.clickable(el.Quits); },
                       [&] {
                           during = el.Mokuta_mes->caption();
                           g.host.player.click(el.Quits);
                       });
    const uint32_t start = g.host.clock_ms();
    uint32_t quit_at = 0;
    g.host.player.when([&] { return !el.Quits->isEnabled() && el.Quits->isVisible(); },
                       [&] { quit_at = g.host.clock_ms(); });
    EXPECT_EQ(status_when_ended([&] { g.form->Status_Update(); }), 0);

    EXPECT_EQ(el.Text3->text(), "100,000");
    EXPECT_EQ(during, QStringLiteral("やったぉ。フサフサになったぅ！"));
    EXPECT_EQ(el.Last_mes[0]->caption(), "フ");
    EXPECT_EQ(el.Last_mes[1]->caption(), "サ");
    EXPECT_TRUE(el.Last_mes[0]->isVisible());
    EXPECT_EQ(fore_colour(*el.Last_mes[1]), from_bgr(0xFF0000));
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("\u3000フサフサになりました"));
    EXPECT_FALSE(el.Check1->isVisible());
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("モテすぎて困るぜ。"));
    EXPECT_EQ(st.Face_No, 11);
    EXPECT_EQ(st.Hand_No, 2);
    EXPECT_EQ(st.Head_No, 4);
    EXPECT_GE(g.host.clock_ms() - quit_at, 2000u);
    EXPECT_GT(quit_at, start);
    const auto& sent = g.sound.sent;
    EXPECT_EQ(std::count(sent.begin(), sent.end(),
                         "open \"/opt/mokuta/b2.wav\" type waveaudio alias waveaudio"), 2);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "close midifile"), sent.end());
}

TEST_F(Status, ANegativeCountShowsZeroAndMakesTheHeroBald)
{
    st.Hair_Count = -40;
    g.host.player.click_when_clickable(el.Quits);
    EXPECT_EQ(status_when_ended([&] { g.form->Status_Update(); }), 0);
    EXPECT_EQ(el.Text3->text(), "0");
    EXPECT_EQ(st.Hair_Count, 0);
    EXPECT_EQ(st.Head_No, 0);
    EXPECT_EQ(el.Last_mes[0]->caption(), "ハ");
    EXPECT_EQ(el.Last_mes[1]->caption(), "ゲ");
    EXPECT_EQ(fore_colour(*el.Last_mes[0]), from_bgr(0x0000FF));
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("\u3000ハゲました"));
    EXPECT_EQ(el.Mokuta_mes->caption(), QStringLiteral("スキンヘッドもイカしてるぜ。"));
    EXPECT_EQ(st.Hand_No, 0);
    EXPECT_FALSE(el.Menu_OK->isEnabled());
    EXPECT_FALSE(el.Shuffle->isEnabled());
    EXPECT_FALSE(el.Roulet_OK->isEnabled());
}

TEST_F(Status, ClosingTheWindowWhileTheEndingWaitsEndsTheProgram)
{
    st.Hair_Count = 0;
    g.host.player.when([&] { return g.host.player.clickable(el.Quits); },
                       [&] { g.host.player.close_window(); });
    EXPECT_EQ(status_when_ended([&] { g.form->Status_Update(); }), 0);
    EXPECT_EQ(st.Quit_Flag, False);
}
