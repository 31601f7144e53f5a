// The day's plans: the deal's rounding and order, picking a plan, the one re-deal, the panel's looks.
#include <gtest/gtest.h>

#include "game/Rules.h"
#include "render/Colours.h"
#include "harness/Game.h"

TEST(Deal, TiesRoundToEven)
{
    EXPECT_EQ(deal_slot(1, 0.5f), 6);
    EXPECT_EQ(deal_slot(1, 0.4999f), 5);
    EXPECT_EQ(deal_slot(2, 0.25f), 8);
    EXPECT_EQ(deal_slot(2, 0.75f), 8);
    EXPECT_EQ(deal_slot(2, 0.2499f), 7);
    EXPECT_EQ(deal_slot(2, 0.7501f), 9);
    EXPECT_EQ(deal_slot(0, 0.125f), 0);
    EXPECT_EQ(deal_slot(0, 0.375f), 2);
    EXPECT_EQ(deal_slot(0, 0.625f), 2);
    EXPECT_EQ(deal_slot(0, 0.875f), 4);
    EXPECT_EQ(deal_slot(0, 0.99999f), 4);
    EXPECT_EQ(deal_slot(0, 0.0f), 0);
}

TEST(Deal, EachSlotDrawsFromItsOwnGroup)
{
    for (float r = 0.0f; r < 1.0f; r += 1.0f / 64) {
        EXPECT_GE(deal_slot(0, r), 0);
        EXPECT_LE(deal_slot(0, r), 4);
        EXPECT_GE(deal_slot(1, r), 5);
        EXPECT_LE(deal_slot(1, r), 6);
        EXPECT_GE(deal_slot(2, r), 7);
        EXPECT_LE(deal_slot(2, r), 9);
    }
}

TEST(Deal, DrawsPlanByPlanAndSlotBySlotAndShowsThreeLines)
{
    LoadedGame g;
    g.host.give_draws({0.0f, 0.0f, 0.0f, 0.25f, 0.5f, 0.8f, 0.9f, 0.4f, 0.3f});
    g.form->Menu_Deal();
    const auto& plans = g.st().Plan_Act;
    EXPECT_EQ(plans[0], (std::array<int16_t, 3>{0, 5, 7}));
    EXPECT_EQ(plans[1], (std::array<int16_t, 3>{1, 6, 9}));
    EXPECT_EQ(plans[2], (std::array<int16_t, 3>{4, 5, 8}));
    EXPECT_EQ(g.el().Label1[1]->caption(), QStringLiteral("おやつ\r\nサボリ\r\nおさけ"));
    EXPECT_EQ(g.el().Label1[1]->text(), QStringLiteral("おやつ\nサボリ\nおさけ"));
    EXPECT_TRUE(g.host.draws.empty());
}

TEST(Deal, WhitensAndEnablesThePlansAndClearsTheSlots)
{
    LoadedGame g;
    Elements& el = g.el();
    set_back_colour(*el.Label1[2], from_bgr(0xC0C0FF));
    el.Label1[2]->setEnabled(false);
    el.Text1[0]->setText(QStringLiteral("ごはん"));
    el.Text2[0]->setText(QStringLiteral("500"));
    el.Menu_OK->show();
    g.form->Menu_Deal();
    EXPECT_EQ(back_colour(*el.Label1[2]), QColor(255, 255, 255));
    EXPECT_TRUE(el.Label1[2]->isEnabled());
    EXPECT_TRUE(el.Text1[0]->text().isEmpty());
    EXPECT_TRUE(el.Text2[0]->text().isEmpty());
    EXPECT_FALSE(el.Menu_OK->isVisibleTo(el.Form1));
}

TEST(Deal, ThreePlansAreDealtWhenTheWindowOpens)
{
    LoadedGame g;
    for (Label* plan : g.el().Label1)
        EXPECT_EQ(plan->caption().count(QStringLiteral("\r\n")), 2);
}

TEST(PickPlan, TurnsItLightYellowAndShowsTheDecideButton)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    el.Picture6->hide();
    ASSERT_TRUE(g.host.player.click(el.Label1[2]).on_target());
    ASSERT_TRUE(g.host.player.click(el.Label1[1]).on_target());
    EXPECT_EQ(g.st().Plan_No, 1);
    EXPECT_EQ(back_colour(*el.Label1[1]), from_bgr(0xC0FFFF));
    EXPECT_EQ(back_colour(*el.Label1[2]), QColor(255, 255, 255));
    EXPECT_TRUE(el.Menu_OK->isVisible());
}

TEST(PickPlan, ADisabledPlanIgnoresClicks)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    el.Picture6->hide();
    el.Label1[0]->setEnabled(false);
    EXPECT_FALSE(g.host.player.click(el.Label1[0]).on_target());
    EXPECT_FALSE(el.Menu_OK->isVisible());
}

TEST(Shuffle, OnlyOnceADay)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    el.Picture6->hide();
    g.st().Shuffle_OK = True;
    g.host.player.click(el.Label1[2]);
    g.host.give_draws({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    ASSERT_TRUE(g.host.player.click(el.Shuffle).on_target());
    EXPECT_EQ(g.st().Plan_Act[2], (std::array<int16_t, 3>{0, 5, 7}));
    EXPECT_EQ(g.st().Shuffle_OK, False);
    EXPECT_FALSE(el.Shuffle->isEnabled());
    // The old pick is forgotten on screen: no plan is yellow and the decide button is gone.
    EXPECT_EQ(g.st().Plan_No, 2);
    EXPECT_FALSE(el.Menu_OK->isVisible());
    EXPECT_EQ(back_colour(*el.Label1[2]), QColor(255, 255, 255));

    // A second press meets a disabled button; even a direct call changes nothing.
    EXPECT_FALSE(g.host.player.click(el.Shuffle).on_target());
    const auto before = g.st().Plan_Act;
    g.form->Shuffle_Click();
    EXPECT_EQ(g.st().Plan_Act, before);
}

TEST(PanelMode, QuestionLookThenEverydayLook)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    el.Menu_OK->show();
    el.Text1[3]->show();
    el.Text2[3]->show();
    g.form->Panel_Mode(1);
    EXPECT_FALSE(el.Picture3->isVisible());
    EXPECT_TRUE(el.Picture6->isVisible());
    EXPECT_FALSE(el.Shuffle->isVisible());
    EXPECT_FALSE(el.Menu_OK->isVisible());
    EXPECT_FALSE(el.Text1[0]->isVisible());
    EXPECT_FALSE(el.Text2[2]->isVisible());
    EXPECT_FALSE(el.Text1[3]->isVisible());
    EXPECT_TRUE(g.host.player.clickable(el.Roulet_OK) || !el.Roulet_OK->isEnabled());

    g.form->Panel_Mode(0);
    EXPECT_TRUE(el.Picture3->isVisible());
    EXPECT_FALSE(el.Picture6->isVisible());
    EXPECT_TRUE(el.Shuffle->isVisible());
    EXPECT_TRUE(el.Text1[2]->isVisible());
    EXPECT_TRUE(el.Text2[0]->isVisible());
    EXPECT_FALSE(el.Text1[3]->isVisible());
    EXPECT_FALSE(el.Text2[3]->isVisible());
    EXPECT_FALSE(el.Menu_OK->isVisible());
}

TEST(PanelMode, EverydayLookLeavesTheItemRowAsItWas)
{
    LoadedGame g;
    g.el().Text1[3]->show();
    g.el().Text2[3]->show();
    g.form->Panel_Mode(0);
    EXPECT_TRUE(g.el().Text1[3]->isVisible());
    EXPECT_TRUE(g.el().Text2[3]->isVisible());
}
