// The bonus day: its announcement, the prize roulette that slows to a stop, and the prize.
#include <algorithm>

#include "app/Form1.h"
#include "game/Rules.h"
#include "render/Colours.h"
#include "render/Raster.h"

#include <QPainter>

namespace {

const QColor band_yellow = from_bgr(0x0000FFFF);
const QColor strip_blue = from_bgr(0x00FF8080);
const QColor name_white = from_bgr(0x00FFFFFF);
const QColor name_red = from_bgr(0x000000FF);

// A frame's drawing time is added to its pause, but a clock that jumps (or
// wraps between two readings) must not stall the spin.
constexpr uint32_t longest_drawing_ms = 250;

struct Prize {
    const char* announcement;
    QRect cell;     // in the prize sheet
    QPoint at;      // in the prize window
    int16_t face;
};

const Prize prizes[] = {
    {"スカです", QRect(), QPoint(), 1},
    {"抜毛予防スプレーをゲットしました", QRect(0, 0, 32, 67), QPoint(10, 5), 6},
    {"育毛剤をゲット！", QRect(32, 0, 32, 67), QPoint(10, 5), 7},
    {"発毛剤をゲット！", QRect(0, 69, 32, 66), QPoint(12, 5), 7},
    {"フエル軟膏をゲット！", QRect(32, 80, 32, 66), QPoint(10, 5), 9},
};

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
    Mes_Show(QStringLiteral("ボーナスデーです"));
    st.Body_No = 0;
    st.Hand_No = 0;
    st.Face_No = 0;
    Hero_Draw();
    Status_Update();
    el.Mokuta_mes->set_caption(st.Mes_Text[20]);
    Wait_Time(2000);
    Mes_Show(QStringLiteral("ルーレットで育毛剤をゲットしてください"));
    el.Roulet_OK->setEnabled(true);
    while (!st.Roulet_Done) {
        host.yield();
        host.sleep_ms(100);
    }
    st.Day_Count = next_day(st.Day_Count);
    Panel_Mode(0);
    Status_Update();
}

// One row of the strip: its band colour and its name over it.
void Form1::paint_strip_row(int row, const QColor& band, const QColor& name)
{
    PictureBox& strip = *el.Picture1;
    QPainter p(&strip.image());
    p.fillRect(QRect(QPoint(0, 20 * row), QPoint(90, 20 * row + 19)), band);
    p.end();
    text_out(strip.image(), strip.font(), name, 10, 20 * row + 2, st.Item_Name[row]);
}

void Form1::paint_strip_name(int row, const QColor& name)
{
    text_out(el.Picture1->image(), el.Picture1->font(), name, 10, 20 * row + 2, st.Item_Name[row]);
}

// One spin on a bonus day, while the game waits for it: a press that comes any
// other way (a stray event, an assistive tool) finds the roulette closed.
void Form1::Roulet_OK_Click()
{
    if (!el.Roulet_OK->isEnabled() || st.Roulet_Done || !is_bonus_day(st.Day_Count))
        return;
    el.Roulet_OK->setEnabled(false);
    const int16_t n = roulette_steps(host.random());
    spin_roulette(n);
    st.Prize_No = roulette_prize(n);
    blink_winner();
    el.Roulet_OK->setEnabled(false);
    show_prize();
    if (st.Prize_No != 0)
        Item_Use();
    st.Roulet_Done = True;
}

// n + 1 frames, each a little longer than the one before, so the band slows
// down to its stop. In frame 0 the band is painted over at once, so the first
// band the player sees is on row 1.
void Form1::spin_roulette(int16_t n)
{
    int cur = 0;
    for (int i = 0; i <= n; ++i) {
        const int prev = cur;
        st.Roulet_Tick = static_cast<int32_t>(host.clock_ms());
        cur = i % 5;
        paint_strip_row(cur, band_yellow, name_white);
        paint_strip_row(prev, strip_blue, name_white);
        el.Picture1->refresh();
        host.yield();
        const uint32_t drawing_ms = host.clock_ms() - static_cast<uint32_t>(st.Roulet_Tick);
        host.sleep_ms(3 * i + static_cast<int32_t>(std::min(drawing_ms, longest_drawing_ms)));
    }
}

// The band is left as it is: the winner ends as a red name on yellow.
void Form1::blink_winner()
{
    for (int times = 0; times < 3; ++times) {
        for (const QColor& colour : {name_white, name_red}) {
            paint_strip_name(st.Prize_No, colour);
            el.Picture1->refresh();
            host.yield();
            host.sleep_ms(100);
        }
    }
}

void Form1::show_prize()
{
    const Prize& prize = prizes[st.Prize_No];
    Mes_Show(QString::fromUtf8(prize.announcement));
    if (st.Prize_No != 0)
        BitBlt(*el.Picture2, prize.at.x(), prize.at.y(), prize.cell.width(), prize.cell.height(),
               *el.Bottle, prize.cell.x(), prize.cell.y(), Rop::SRCCOPY);
    st.Face_No = prize.face;
    Hero_Draw();
    el.Picture2->refresh();
    el.Mokuta_mes->set_caption(st.Mes_Text[st.Prize_No + 6]);
    Wait_Time(2000);
}
