// One day of the game: the picked plan played out slot by slot, and the close of the day.
#include "app/Form1.h"
#include "game/Rules.h"
#include "render/Colours.h"

namespace {
const QColor pink = from_bgr(0xC0C0FF);
const QColor blue = from_bgr(0xFF0000);
const QColor red = from_bgr(0x0000FF);
const QColor black = from_bgr(0x000000);
} // namespace

void Form1::Menu_OK_Click()
{
    std::array<int16_t, 3> action{};
    lock_menu(action);
    show_plan(action);
    react_to_plan(action);
    for (int k = 0; k <= 2; ++k)
        resolve_slot(k, action[k]);
    use_item_of_the_day();
    clear_slots();
    close_day();
}

// Nothing can start a second day or change the plan until the next deal.
void Form1::lock_menu(std::array<int16_t, 3>& action)
{
    el.Menu_OK->hide();
    el.Shuffle->setEnabled(false);
    set_back_colour(*el.Label1[st.Plan_No], pink);
    for (int slot = 0; slot <= 2; ++slot) {
        el.Label1[slot]->setEnabled(false);
        action[slot] = st.Plan_Act[st.Plan_No][slot];
    }
}

void Form1::show_plan(const std::array<int16_t, 3>& action)
{
    for (int slot = 0; slot <= 2; ++slot) {
        host.yield();
        host.sleep_ms(100);
        el.Text1[slot]->setText(st.Act_Name[action[slot]]);
    }
}

// A few plans make the hero react at once; a later reaction overrides an earlier one.
void Form1::react_to_plan(const std::array<int16_t, 3>& action)
{
    bool redraw = false;
    if (action[0] == 2) {
        st.Hand_No = 1;
        redraw = true;
    }
    if (action[2] == 8) {
        el.Mokuta_mes->set_caption(st.Mes_Text[5]);
        st.Face_No = 2;
        st.Hand_No = 0;
        redraw = true;
    }
    if (action[2] == 9 && action[0] == 2) {
        el.Mokuta_mes->set_caption(st.Mes_Text[18]);
        st.Hand_No = 4;
        redraw = true;
    }
    if (action[0] == 3 && action[1] == 6 && action[2] == 7) {
        el.Mokuta_mes->set_caption(st.Mes_Text[19]);
        st.Face_No = 8;
        st.Hand_No = 0;
        redraw = true;
    }
    if (redraw)
        Hero_Draw();
}

// The gain counts the motivation and the loss the health from before this
// slot's own change; both are brought back into bounds by the status update.
void Form1::resolve_slot(int k, int16_t a)
{
    host.yield();
    host.sleep_ms(500);
    set_fore_colour(*el.Text1[k], blue);
    const auto& effect = st.Act_Table[a];
    if (try_succeeds(effect[1], host.random(), st.Success_Mul)) {
        const int32_t gain = slot_gain(st.Motivation, effect[0]);
        st.Hair_Count += gain;
        el.Text2[k]->setText(QString::number(gain));
    } else {
        const int32_t loss = slot_loss(st.Health, effect[0]);
        set_fore_colour(*el.Text1[k], red);
        st.Hair_Count -= loss;
        el.Text2[k]->setText(QString::number(-loss));
    }
    st.Motivation = static_cast<int16_t>(st.Motivation + effect[2]);
    st.Health = static_cast<int16_t>(st.Health + effect[3]);
    Status_Update();
}

void Form1::use_item_of_the_day()
{
    el.Form1->repaint();
    if (st.Item_Now != 0) {
        Wait_Time(1000);
        const int32_t gain = st.Item_Table[st.Item_Now][0];
        el.Text2[3]->setText(QString::number(gain));
        st.Hair_Count += gain;
        Status_Update();
        st.Face_No = 11;
        Hero_Draw();
    }
    el.Form1->repaint();
    Wait_Time(2000);
}

void Form1::clear_slots()
{
    for (int slot = 0; slot <= 2; ++slot) {
        el.Text1[slot]->setText(QString());
        set_fore_colour(*el.Text1[slot], black);
        el.Text2[slot]->setText(QString());
    }
}

// The day's 100 lost hairs are shown, and an ending they cause is found, by
// the next status update.
void Form1::close_day()
{
    st.Day_Count = next_day(st.Day_Count);
    st.Hair_Count -= 100;
    // A special day counts as a day of its own.
    if (st.Day_Count % 15 == 0) {
        st.Stand_Left = False;
        Event_Call();
    } else if (st.Day_Count % 5 == 0) {
        Bonus_Day();
    }
    st.Roulet_Done = False;
    st.Stand_Left = True;
    if (st.Hand_No > 0)
        st.Hand_No = 0;

    const DayCloseLook look = day_close_look(st.Motivation, st.Health);
    if (look.face >= 0)
        st.Face_No = look.face;
    if (look.hands >= 0)
        st.Hand_No = look.hands;
    el.Mokuta_mes->set_caption(look.line >= 0 ? st.Mes_Text[look.line] : QString());
    if (look.redraw)
        Hero_Draw();

    Mes_Show(QStringLiteral("今日の行動を決めてください"));
    el.Text2[3]->setText(QString());
    Menu_Deal();
    st.Shuffle_OK = True;
    el.Shuffle->setEnabled(true);
    Wave_Stop();
}
