// The game's pace: typed messages and pauses, step by step in virtual time.
#include <gtest/gtest.h>

#include "harness/Game.h"

TEST(MesShow, TypesOneMoreCharacterEvery50ms)
{
    LoadedGame g;
    std::vector<QString> seen;
    const uint32_t start = g.host.clock_ms();
    const int yields = g.host.yields;
    g.host.on_yield = [&] { seen.push_back(g.el().Help_mes->text()); };
    const QString text = QStringLiteral("今日の行動を決めてください");
    g.form->Mes_Show(text);
    EXPECT_EQ(g.host.clock_ms() - start, 700u);
    EXPECT_EQ(g.host.yields - yields, 14);
    ASSERT_EQ(seen.size(), 14u);
    EXPECT_EQ(seen.front(), QStringLiteral("\u3000"));
    EXPECT_EQ(seen[1], QStringLiteral("\u3000今"));
    EXPECT_EQ(seen.back(), QStringLiteral("\u3000") + text);
    EXPECT_EQ(g.el().Help_mes->text(), QStringLiteral("\u3000") + text);
    EXPECT_EQ(g.el().Form1->focusWidget(), g.el().Help_mes);
}

TEST(MesShow, AnEmptyMessageShowsTheSpaceAloneFor50ms)
{
    LoadedGame g;
    g.el().Text1[0]->setFocus();
    const uint32_t start = g.host.clock_ms();
    g.form->Mes_Show(QString());
    EXPECT_EQ(g.host.clock_ms() - start, 50u);
    EXPECT_EQ(g.el().Help_mes->text(), QStringLiteral("\u3000"));
    EXPECT_EQ(g.el().Form1->focusWidget(), g.el().Help_mes);
}

TEST(MesShow, ASecondMessageReplacesTheFirstFromItsFirstStep)
{
    LoadedGame g;
    g.form->Mes_Show(QStringLiteral("ボーナスデーです"));
    QString first_step;
    g.host.on_yield = [&] {
        if (first_step.isEmpty())
            first_step = g.el().Help_mes->text();
    };
    g.form->Mes_Show(QStringLiteral("ハゲました"));
    EXPECT_EQ(first_step, QStringLiteral("\u3000"));
    EXPECT_EQ(g.el().Help_mes->text(), QStringLiteral("\u3000ハゲました"));
}

TEST(WaitTime, StepsOf100msRoundedToEven)
{
    struct Case {
        int32_t ms;
        int steps;
    };
    for (Case c : {Case{0, 0}, Case{49, 0}, Case{50, 0}, Case{51, 1}, Case{150, 2}, Case{250, 2},
                   Case{500, 5}, Case{1000, 10}, Case{2000, 20}}) {
        LoadedGame g;
        const int yields = g.host.yields;
        const uint32_t start = g.host.clock_ms();
        g.form->Wait_Time(c.ms);
        EXPECT_EQ(g.host.yields - yields, c.steps) << c.ms;
        EXPECT_EQ(g.host.clock_ms() - start, static_cast<uint32_t>(100 * c.steps)) << c.ms;
    }
}

TEST(WaitTime, YieldsBeforeEachSleepSoClicksRunDuringThePause)
{
    LoadedGame g;
    g.past_title();
    std::vector<uint32_t> clicked_at;
    g.el().on_click(g.el().Shuffle, [&] { clicked_at.push_back(g.host.clock_ms()); });
    const uint32_t start = g.host.clock_ms();
    g.host.player.at(start, [&] { g.host.player.click(g.el().Shuffle); });
    g.host.player.at(start + 150, [&] { g.host.player.click(g.el().Shuffle); });
    g.form->Wait_Time(500);
    EXPECT_EQ(clicked_at, (std::vector<uint32_t>{start, start + 200}));
}

TEST(MesShow, AnotherLanguageTypesInTheStepsOfTheJapanese)
{
    LoadedGame g;
    std::vector<QString> seen;
    g.host.on_yield = [&] { seen.push_back(g.el().Help_mes->text()); };
    const uint32_t start = g.host.clock_ms();
    // Longer and shorter than their Japanese: each takes the Japanese's 14 and 6 steps.
    for (const Words& m : {Words("Choose what he does today", QStringLiteral("今日の行動を決めてください")),
                           Words("Huh?", QStringLiteral("あれ、ヘンだ"))}) {
        seen.clear();
        const uint32_t before = g.host.clock_ms();
        g.form->Mes_Show(m);
        EXPECT_EQ(g.host.clock_ms() - before, 50u * (m.japanese.size() + 1));
        ASSERT_EQ(seen.size(), static_cast<size_t>(m.japanese.size() + 1));
        EXPECT_EQ(seen.back(), QStringLiteral("\u3000") + m.text);
        for (std::size_t i = 1; i < seen.size(); ++i)
            EXPECT_TRUE(seen[i].startsWith(seen[i - 1]) && seen[i].size() - seen[i - 1].size() <= 2) << i;
    }
    EXPECT_EQ(g.host.clock_ms() - start, 700u + 350u);
}
