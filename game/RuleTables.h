// The game's fixed tables: actions, success multipliers, prizes, lines and picture placements.
#pragma once

#include <array>
#include <cstdint>

#include <QtGlobal>

namespace tables {

inline constexpr int action_count = 10;
inline constexpr int prize_count = 5;
inline constexpr int line_count = 51;

// The names and lines of these tables are the game's Japanese; the game state takes them in the
// language the game speaks (game/GameState.cpp).
inline constexpr std::array<const char*, action_count> Act_Name = {
    QT_TRANSLATE_NOOP("Act_Name", "ごはん"),
    QT_TRANSLATE_NOOP("Act_Name", "おやつ"),
    QT_TRANSLATE_NOOP("Act_Name", "タバコ"),
    QT_TRANSLATE_NOOP("Act_Name", "ぼんやり"),
    QT_TRANSLATE_NOOP("Act_Name", "おでかけ"),
    QT_TRANSLATE_NOOP("Act_Name", "バイト"),
    QT_TRANSLATE_NOOP("Act_Name", "サボリ"),
    QT_TRANSLATE_NOOP("Act_Name", "ねる"),
    QT_TRANSLATE_NOOP("Act_Name", "よあそび"),
    QT_TRANSLATE_NOOP("Act_Name", "おさけ"),
};

// Per action: hair amount, success rate, motivation change, health change, (unused).
inline constexpr std::array<std::array<int32_t, 5>, action_count> Act_Table = {{
    {500, 80, 0, 10, 0},
    {300, 50, 5, 0, 0},
    {1000, 10, 5, -5, 0},
    {1000, 80, -10, 8, 0},
    {800, 50, 2, -2, 0},
    {200, 70, 2, -5, 0},
    {200, 20, -5, 5, 0},
    {500, 80, -5, 5, 0},
    {4000, 20, 20, -50, 0},
    {1000, 30, 5, -5, 0},
}};

// Element 0 stays 0: a rate below 5 can never succeed.
inline constexpr std::array<float, 10> Success_Mul = {
    0.0f, 0.52f, 0.6f, 0.7f, 0.8f, 1.0f, 1.4f, 1.6f, 2.0f, 3.0f,
};

inline constexpr std::array<const char*, prize_count + 1> Item_Name = {
    QT_TRANSLATE_NOOP("Item_Name", "スカ"),
    QT_TRANSLATE_NOOP("Item_Name", "抜毛予防"),
    QT_TRANSLATE_NOOP("Item_Name", "育毛剤"),
    QT_TRANSLATE_NOOP("Item_Name", "発毛剤"),
    QT_TRANSLATE_NOOP("Item_Name", "なんこう"),
    "",
};

// Per prize: daily hair gain, hair loss on failure, success rate, (unused).
inline constexpr std::array<std::array<int32_t, 4>, prize_count> Item_Table = {{
    {0, 0, 0, 0},
    {5000, 8000, 90, 0},
    {10000, 15000, 60, 0},
    {17000, 22000, 30, 0},
    {1000, 500, 50, 0},
}};

// The hero's and the callers' lines; the empty ones are never shown.
inline constexpr std::array<const char*, line_count> Mes_Text = {
    "", "",
    QT_TRANSLATE_NOOP("Mes_Text", "やってらんねぇ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "だるいなぁ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "なんか調子悪いな。"),
    QT_TRANSLATE_NOOP("Mes_Text", "おいおい。"),
    QT_TRANSLATE_NOOP("Mes_Text", "なんだよ、それ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "とりあえず、こんなもんか。"),
    QT_TRANSLATE_NOOP("Mes_Text", "お、いいねぇ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "は、発毛っすか！？"),
    QT_TRANSLATE_NOOP("Mes_Text", "あ、あやしいな。"),
    QT_TRANSLATE_NOOP("Mes_Text", "あれ、なんかヘンだな。"),
    QT_TRANSLATE_NOOP("Mes_Text", "うわっ！\u3000抜けまくり"),
    QT_TRANSLATE_NOOP("Mes_Text", "ひぇー！\u3000痛いっすぅ～"),
    QT_TRANSLATE_NOOP("Mes_Text", "かゆくなったぞ！"),
    QT_TRANSLATE_NOOP("Mes_Text", "はやくフサフサにならないかな"),
    QT_TRANSLATE_NOOP("Mes_Text", "調子がいいな。"),
    "",
    QT_TRANSLATE_NOOP("Mes_Text", "やったぉ！"),
    QT_TRANSLATE_NOOP("Mes_Text", "だめ人間・・・。"),
    QT_TRANSLATE_NOOP("Mes_Text", "お。"),
    QT_TRANSLATE_NOOP("Mes_Text", "フロあがりには\r\nこれをスプレーっすね。"),
    QT_TRANSLATE_NOOP("Mes_Text", "毛乳頭を刺激するぅー。\r\nきもちいいー。"),
    QT_TRANSLATE_NOOP("Mes_Text", "ひぇ～！\r\nすごくしみるけど、効きそう～！"),
    QT_TRANSLATE_NOOP("Mes_Text", "なんか\u3000効いてるような\r\nそうでもないような。"),
    QT_TRANSLATE_NOOP("Mes_Text", "もう、抜ける毛がないっす！！"),
    QT_TRANSLATE_NOOP("Mes_Text", "やったぉ。フサフサになったぅ！"),
    "", "", "", "",
    //: Caller 0, the hero's friend, asks him to the tanning salon; then the hero answers yes or no.
    QT_TRANSLATE_NOOP("Mes_Text", "やあ、モクタ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "一緒に日焼けサロンに行こうぜ"),
    QT_TRANSLATE_NOOP("Mes_Text", "いいねぇ。\r\n焼けた肌にはやっぱ金髪かなぁ"),
    QT_TRANSLATE_NOOP("Mes_Text", "おまえ一人で行ってこいよ。"),
    //: Caller 1, a girl, asks him to go shopping on his day off; then the hero answers yes or no.
    QT_TRANSLATE_NOOP("Mes_Text", "ねえ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "今度のお休みさぁ。\r\n買物に付き合ってくれない？"),
    QT_TRANSLATE_NOOP("Mes_Text", "うんうん。いくいく～。"),
    QT_TRANSLATE_NOOP("Mes_Text", "やなこったっす。"),
    //: Caller 2, the friend again, says he should wear a wig; then the hero answers yes or no.
    QT_TRANSLATE_NOOP("Mes_Text", "お～い。"),
    QT_TRANSLATE_NOOP("Mes_Text", "おまえさぁ。頭かなりヤバいから\r\nカツラにしたら？"),
    QT_TRANSLATE_NOOP("Mes_Text", "そうだな。\r\nどうせやるならロングヘアだぜ！"),
    QT_TRANSLATE_NOOP("Mes_Text", "そんなにヤバくないって！"),
    //: Caller 3, a strange old man, speaks old-fashioned and offers a medicine; then the hero answers.
    QT_TRANSLATE_NOOP("Mes_Text", "若人、ちょっと待ちなされ。"),
    QT_TRANSLATE_NOOP("Mes_Text", "この薬を持っていきなさい。\r\nこれで、毛が・・・"),
    QT_TRANSLATE_NOOP("Mes_Text", "こ、これ飲むと毛がはえるのか！？"),
    QT_TRANSLATE_NOOP("Mes_Text", "あやしいよそれ。いらない。\r\nムカデみたいなの入ってるし。"),
    "", "", "", "",
};

// Per hands picture: x, y, width, height in the hero picture. Rows 5 to 7 are
// the tanned counterparts of 1, 2 and 4; rows 0 and 8 are never used.
inline constexpr std::array<std::array<int16_t, 4>, 9> Hand_Pos = {{
    {0, 0, 0, 0},
    {146, 102, 65, 145},
    {110, 166, 104, 82},
    {20, 40, 300, 207},
    {120, 100, 230, 148},
    {146, 102, 65, 145},
    {110, 166, 104, 82},
    {120, 100, 230, 148},
    {0, 0, 0, 0},
}};

// Per companion picture: x, y, width, height. Caller 0 is drawn from row 2.
inline constexpr std::array<std::array<int16_t, 4>, 5> Doll_Pos = {{
    {0, 0, 0, 0},
    {0, 40, 120, 208},
    {0, 40, 136, 207},
    {80, 40, 143, 207},
    {0, 0, 0, 0},
}};

} // namespace tables

// Where the lines the game picks out lie in Mes_Text.
namespace line {
inline constexpr int16_t come_on = 5;           // "おいおい。"
inline constexpr int16_t prize_remark = 6;      // + the prize: what the hero says of it
inline constexpr int16_t product_fails = 10;    // + the product: how it goes wrong
inline constexpr int16_t smoke_and_drink = 18;  // "やったぉ！"
inline constexpr int16_t idle_day = 19;         // "だめ人間・・・。"
inline constexpr int16_t bonus_day = 20;        // "お。"
inline constexpr int16_t product_works = 20;    // + the product (1 to 4): how it feels
inline constexpr int16_t bald = 25;
inline constexpr int16_t full_hair = 26;
inline constexpr int16_t first_caller = 31;     // + 4 x the caller: greeting, offer, yes, no
} // namespace line

// Every line is present: a short initialiser list would leave null texts at the end.
static_assert(tables::Mes_Text[tables::line_count - 1] != nullptr);
static_assert(tables::Item_Name[tables::prize_count] != nullptr);
