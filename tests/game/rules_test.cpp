// The success rule, the rounding every conversion uses, and the day counter's end.
#include <random>

#include <gtest/gtest.h>

#include "game/RuleTables.h"
#include "game/Rules.h"

namespace {

double measured_chance(int32_t rate, int tries)
{
    std::mt19937 gen(20261209);
    int wins = 0;
    for (int i = 0; i < tries; ++i) {
        float u = static_cast<float>(gen() >> 8) * (1.0f / 16777216.0f);
        wins += try_succeeds(rate, u, tables::Success_Mul) ? 1 : 0;
    }
    return static_cast<double>(wins) / tries;
}

} // namespace

TEST(RoundEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(round_even(0.5), 0);
    EXPECT_EQ(round_even(1.5), 2);
    EXPECT_EQ(round_even(2.5), 2);
    EXPECT_EQ(round_even(-0.5), 0);
    EXPECT_EQ(round_even(-1.5), -2);
    EXPECT_EQ(round_even(666.6666), 667);
    EXPECT_EQ(round_even(5.5), 6);
    EXPECT_EQ(round_even(8.5), 8);
}

TEST(SuccessRule, ADrawOfExactlyOneHalfFailsAtRateFifty)
{
    EXPECT_FALSE(try_succeeds(50, 0.5f, tables::Success_Mul));
    EXPECT_TRUE(try_succeeds(50, std::nextafter(0.5f, 1.0f), tables::Success_Mul));
    EXPECT_FALSE(try_succeeds(50, 0.0f, tables::Success_Mul));
}

TEST(SuccessRule, TheEdgeOfEachRateStepLiesAtHalfOverTheMultiplier)
{
    for (int32_t rate : {10, 20, 30, 50, 60, 70, 80, 90}) {
        float m = tables::Success_Mul[rate / 10];
        float edge = static_cast<float>(0.5 / m);
        EXPECT_FALSE(try_succeeds(rate, std::nextafter(edge, 0.0f), tables::Success_Mul)) << rate;
        EXPECT_TRUE(try_succeeds(rate, std::nextafter(edge, 1.0f), tables::Success_Mul)) << rate;
    }
}

TEST(SuccessRule, ARateBelowFiveNeverSucceeds)
{
    EXPECT_FALSE(try_succeeds(0, 0.999f, tables::Success_Mul));
    EXPECT_FALSE(try_succeeds(4, 0.999f, tables::Success_Mul));
}

TEST(SuccessRule, MeasuredChancesMatchOneLessHalfOverTheMultiplier)
{
    const int tries = 400000;
    // Rate 10 (cigarettes) wins about 3.8 % of tries, rate 90 about 83.3 %.
    EXPECT_NEAR(measured_chance(10, tries), 1.0 - 0.5 / 0.52, 0.002);
    EXPECT_NEAR(measured_chance(90, tries), 1.0 - 0.5 / 3.0, 0.003);
    EXPECT_NEAR(measured_chance(70, tries), 0.6875, 0.003);
}

TEST(SuccessRule, EveryActionWinsAtTheChanceItsRateGives)
{
    // The chances the players are told about each action.
    const double expected[] = {0.75, 0.5, 0.0385, 0.75, 0.5, 0.6875, 0.1667, 0.75, 0.1667, 0.2857};
    for (int a = 0; a < tables::action_count; ++a) {
        int32_t rate = tables::Act_Table[a][1];
        double chance = 1.0 - 0.5 / tables::Success_Mul[round_even(rate / 10.0)];
        EXPECT_NEAR(chance, expected[a], 0.0005) << tables::Act_Name[a];
    }
}

TEST(DayCounter, StopsAtTheLastDayItCanHold)
{
    EXPECT_EQ(next_day(0), 1);
    EXPECT_EQ(next_day(32766), 32767);
    EXPECT_EQ(next_day(32767), 32767);
}

// The rules' own checks are on in every build, the tested one included, and stop loudly.
TEST(ChecksThatStayOn, ARateBeyondTheTableStopsTheGameWithWhere)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::array<float, 10> success_mul{};
    EXPECT_DEATH(try_succeeds(1000, 0.5f, success_mul), "Rules.cpp:[0-9]+: a success rate outside the table");
}
