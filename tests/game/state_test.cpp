// The game state right after the window has loaded, and the lines the tables hold.
#include <gtest/gtest.h>

#include "game/RuleTables.h"
#include "harness/Game.h"

TEST(StateAfterLoad, HoldsTheStartingNumbers)
{
    LoadedGame g;
    GameState& st = g.st();
    EXPECT_EQ(st.Hair_Count, 30000);
    EXPECT_EQ(st.Motivation, 100);
    EXPECT_EQ(st.Health, 100);
    EXPECT_EQ(st.Day_Count, 0);
    EXPECT_EQ(st.Head_No, 2);
    EXPECT_EQ(st.Caller_No, -1);
    EXPECT_EQ(st.Doll_No, -1);
    EXPECT_EQ(st.Body_No, 0);
    EXPECT_EQ(st.Face_No, 0);
    EXPECT_EQ(st.Hand_No, 0);
    EXPECT_EQ(st.Prize_No, 0);
    EXPECT_EQ(st.Item_Now, 0);
    EXPECT_EQ(st.Yes_No, 0);
    for (Flag f : {st.Roulet_Done, st.Shuffle_OK, st.Stand_Left, st.Quit_Flag, st.Tan_Look})
        EXPECT_EQ(f, False);
    EXPECT_EQ(g.host.seedings, 1);
}

TEST(StateAfterLoad, FieldsKeepTheirWidths)
{
    GameState st;
    static_assert(sizeof(st.Hair_Count) == 4 && sizeof(st.Roulet_Tick) == 4);
    static_assert(sizeof(st.Day_Count) == 2 && sizeof(st.Motivation) == 2 &&
                  sizeof(st.Health) == 2 && sizeof(st.Plan_Act[0][0]) == 2);
    static_assert(sizeof(st.Stand_Left) == 2 && sizeof(st.Success_Mul[0]) == 4);
    static_assert(sizeof(st.Act_Table[0][0]) == 4 && sizeof(st.Item_Table[0][0]) == 4);
    EXPECT_EQ(True, -1);
}

TEST(StateAfterLoad, TablesAreFilled)
{
    LoadedGame g;
    GameState& st = g.st();
    EXPECT_EQ(st.Act_Name[8], QStringLiteral("よあそび"));
    EXPECT_EQ(st.Act_Table[8][0], 4000);
    EXPECT_EQ(st.Act_Table[8][3], -50);
    EXPECT_EQ(st.Item_Name[3], QStringLiteral("発毛剤"));
    EXPECT_TRUE(st.Item_Name[5].isEmpty());
    EXPECT_EQ(st.Item_Table[3][1], 22000);
    EXPECT_EQ(st.Success_Mul[0], 0.0f);
    // 0.52 is kept as the nearest single-precision value, not as a double.
    EXPECT_EQ(st.Success_Mul[1], 0.52f);
    EXPECT_NE(static_cast<double>(st.Success_Mul[1]), 0.52);
    EXPECT_EQ(st.Hand_Pos[3][2], 300);
    EXPECT_EQ(st.Doll_Pos[3][0], 80);
}

TEST(Tables, TannedHandsRepeatTheirPlainRows)
{
    EXPECT_EQ(tables::Hand_Pos[5], tables::Hand_Pos[1]);
    EXPECT_EQ(tables::Hand_Pos[6], tables::Hand_Pos[2]);
    EXPECT_EQ(tables::Hand_Pos[7], tables::Hand_Pos[4]);
}

TEST(Tables, LinesFollowTheirIndexArithmetic)
{
    LoadedGame g;
    const auto& m = g.st().Mes_Text;
    // The roulette, failure and success lines of each prize, and each caller's four lines.
    EXPECT_EQ(m[6 + 0], QStringLiteral("なんだよ、それ。"));
    EXPECT_EQ(m[10 + 4], QStringLiteral("かゆくなったぞ！"));
    EXPECT_EQ(m[20 + 1], QStringLiteral("フロあがりには\r\nこれをスプレーっすね。"));
    EXPECT_EQ(m[31 + 4 * 3 + 3], QStringLiteral("あやしいよそれ。いらない。\r\nムカデみたいなの入ってるし。"));
    EXPECT_EQ(m[31 + 4 * 2 + 1], QStringLiteral("おまえさぁ。頭かなりヤバいから\r\nカツラにしたら？"));
    for (int unused : {0, 1, 17, 27, 28, 29, 30, 47, 48, 49, 50})
        EXPECT_TRUE(m[unused].isEmpty()) << unused;
}

TEST(Tables, TwoLineSpeechesBreakWithCarriageReturnAndLineFeed)
{
    int two_line = 0;
    for (const char* line : tables::Mes_Text) {
        QString s = QString::fromUtf8(line);
        EXPECT_EQ(s.count(QStringLiteral("\r\n")), s.count(QChar('\n'))) << line;
        two_line += s.contains(QStringLiteral("\r\n")) ? 1 : 0;
    }
    EXPECT_EQ(two_line, 10);
}

TEST(Tables, FullWidthSpacesAreIdeographicSpaces)
{
    QString twelve = QString::fromUtf8(tables::Mes_Text[12]);
    QString twenty_four = QString::fromUtf8(tables::Mes_Text[24]);
    EXPECT_EQ(twelve.at(4), QChar(0x3000));
    EXPECT_EQ(twenty_four.at(3), QChar(0x3000));
    for (const char* line : tables::Mes_Text)
        EXPECT_FALSE(QString::fromUtf8(line).contains(QChar(' '))) << line;
}
