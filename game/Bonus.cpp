// The bonus day: its announcement, the prize roulette that slows to a stop, and the prize.
#include <algorithm>

#include "app/Form1.h"
#include "game/Looks.h"
#include "game/RuleTables.h"
#include "game/Rules.h"
#include "game/Words.h"
#include "render/Colours.h"
#include "render/PictureGeometry.h"
#include "render/Raster.h"

#include <QPainter>

namespace {

// A frame's drawing time is added to its pause, but a clock that jumps (or
// wraps between two readings) must not stall the spin.
constexpr uint32_t longest_drawing_ms = 250;

// Per prize: its announcement and the hero's face; its picture's cell is in the picture geometry.
struct Prize {
    const char* announcement;
    int16_t face;
};

constexpr Prize prizes[] = {
    {QT_TRANSLATE_NOOP("Bonus", "スカです"), 1},
    {QT_TRANSLATE_NOOP("Bonus", "抜毛予防スプレーをゲットしました"), 6},
    {QT_TRANSLATE_NOOP("Bonus", "育毛剤をゲット！"), 7},
    {QT_TRANSLATE_NOOP("Bonus", "発毛剤をゲット！"), 7},
    //: フエル ("it grows") is the ointment's brand name: a pun on what it promises.
    {QT_TRANSLATE_NOOP("Bonus", "フエル軟膏をゲット！"), 9},
};

// One row of the strip: its band colour and its name over it.
void paint_strip_row(Form1& f, int row, const QColor& band, const QColor& name)
{
    PictureBox& strip = *f.el.Picture1;
    QPainter p(&strip.image());
    p.fillRect(QRect(QPoint(0, 20 * row), QPoint(90, 20 * row + 19)), band);
    p.end();
    text_out(strip.image(), strip.font(), name, 10, 20 * row + 2, f.st.Item_Name[row]);
}

void paint_strip_name(Form1& f, int row, const QColor& name)
{
    text_out(f.el.Picture1->image(), f.el.Picture1->font(), name, 10, 20 * row + 2,
             f.st.Item_Name[row]);
}

// n + 1 frames, each a little longer than the one before, so the band slows
// down to its stop. In frame 0 the band is painted over at once, so the first
// band the player sees is on row 1.
void spin_roulette(Form1& f, int16_t n)
{
    int cur = 0;
    for (int i = 0; i <= n; ++i) {
        const int prev = cur;
        f.st.Roulet_Tick = static_cast<int32_t>(f.host.clock_ms());
        cur = i % 5;
        paint_strip_row(f, cur, colour::yellow, colour::white);
        paint_strip_row(f, prev, colour::light_blue, colour::white);
        f.el.Picture1->refresh();
        f.host.yield();
        const uint32_t drawing_ms = f.host.clock_ms() - static_cast<uint32_t>(f.st.Roulet_Tick);
        f.host.sleep_ms(3 * i + static_cast<int32_t>(std::min(drawing_ms, longest_drawing_ms)));
    }
}

// The band is left as it is: the winner ends as a red name on yellow.
void blink_winner(Form1& f)
{
    for (int times = 0; times < 3; ++times) {
        for (const QColor& name : {colour::white, colour::red}) {
            paint_strip_name(f, f.st.Prize_No, name);
            f.el.Picture1->refresh();
            f.host.yield();
            f.host.sleep_ms(100);
        }
    }
}

void show_prize(Form1& f)
{
    GameState& st = f.st;
    const Prize& prize = prizes[st.Prize_No];
    const picture::PrizeCell& cell = picture::prize_cells[st.Prize_No];
    f.Mes_Show(say("Bonus", prize.announcement));
    if (st.Prize_No != 0)
        BitBlt(*f.el.Picture2, cell.at_x, cell.at_y, cell.w, cell.h, *f.el.Bottle, cell.x, cell.y,
               Rop::SRCCOPY);
    st.Face_No = prize.face;
    f.Hero_Draw();
    f.el.Picture2->refresh();
    f.el.Mokuta_mes->set_caption(st.Mes_Text[line::prize_remark + st.Prize_No]);
    f.Wait_Time(2000);
}

} // namespace

void Form1::Bonus_Day()
{
    st.Doll_No = -1;
    el.Picture2->clear();
    el.Picture2->refresh();
    Panel_Mode(1);
    st.Tan_Look = False;
    st.Item_Now = 0;
    el.Roulet_OK->setEnabled(false);
    Mes_Show(say("Bonus", "ボーナスデーです"));
    st.Body_No = 0;
    st.Hand_No = held::nothing;
    st.Face_No = expression::calm;
    Hero_Draw();
    Status_Update();
    el.Mokuta_mes->set_caption(st.Mes_Text[line::bonus_day]);
    Wait_Time(2000);
    Mes_Show(say("Bonus", "ルーレットで育毛剤をゲットしてください"));
    el.Roulet_OK->setEnabled(true);
    wait_until([this] { return st.Roulet_Done != False; });
    st.Day_Count = next_day(st.Day_Count);
    Panel_Mode(0);
    Status_Update();
}



// One spin on a bonus day, while the game waits for it: a press that comes any
// other way (a stray event, an assistive tool) finds the roulette closed.
void Form1::Roulet_OK_Click()
{
    if (!el.Roulet_OK->isEnabled() || st.Roulet_Done || !is_bonus_day(st.Day_Count))
        return;
    el.Roulet_OK->setEnabled(false);
    const int16_t n = roulette_steps(host.random());
    spin_roulette(*this, n);
    st.Prize_No = roulette_prize(n);
    blink_winner(*this);
    el.Roulet_OK->setEnabled(false);
    show_prize(*this);
    if (st.Prize_No != 0)
        Item_Use();
    st.Roulet_Done = True;
}



