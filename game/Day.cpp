// One day of the game: the picked plan played out slot by slot, and the close of the day.
#include "app/Form1.h"
#include "game/Looks.h"
#include "game/RuleTables.h"
#include "game/Rules.h"
#include "game/Words.h"
#include "render/Colours.h"

namespace {

using Plan = std::array<int16_t, 3>;

// Nothing can start a second day or change the plan until the next deal.
Plan lock_menu(Form1& f)
{
    Plan action{};
    f.el.Menu_OK->hide();
    f.el.Shuffle->setEnabled(false);
    set_back_colour(*f.el.Label1[f.st.Plan_No], colour::pink);
    for (int slot = 0; slot <= 2; ++slot) {
        f.el.Label1[slot]->setEnabled(false);
        action[slot] = f.st.Plan_Act[f.st.Plan_No][slot];
    }
    return action;
}

void show_plan(Form1& f, const Plan& action)
{
    for (int slot = 0; slot <= 2; ++slot) {
        f.host.yield();
        f.host.sleep_ms(100);
        f.el.Text1[slot]->setText(f.st.Act_Name[action[slot]]);
    }
}

// A few plans make the hero react at once; a later reaction overrides an earlier one.
void react_to_plan(Form1& f, const Plan& action)
{
    GameState& st = f.st;
    bool redraw = false;
    if (action[0] == 2) {
        st.Hand_No = held::cigarette_peace;
        redraw = true;
    }
    if (action[2] == 8) {
        f.el.Mokuta_mes->set_caption(st.Mes_Text[line::come_on]);
        st.Face_No = expression::dejected;
        st.Hand_No = held::nothing;
        redraw = true;
    }
    if (action[2] == 9 && action[0] == 2) {
        f.el.Mokuta_mes->set_caption(st.Mes_Text[line::smoke_and_drink]);
        st.Hand_No = held::beer;
        redraw = true;
    }
    if (action[0] == 3 && action[1] == 6 && action[2] == 7) {
        f.el.Mokuta_mes->set_caption(st.Mes_Text[line::idle_day]);
        st.Face_No = expression::shy;
        st.Hand_No = held::nothing;
        redraw = true;
    }
    if (redraw)
        f.Hero_Draw();
}

// The gain counts the motivation and the loss the health from before this
// slot's own change; both are brought back into bounds by the status update.
void resolve_slot(Form1& f, int k, int16_t a)
{
    GameState& st = f.st;
    f.host.yield();
    f.host.sleep_ms(500);
    set_fore_colour(*f.el.Text1[k], colour::blue);
    const auto& effect = st.Act_Table[a];
    if (try_succeeds(effect[1], f.host.random(), st.Success_Mul)) {
        const int32_t gain = slot_gain(st.Motivation, effect[0]);
        st.Hair_Count += gain;
        f.el.Text2[k]->setText(QString::number(gain));
    } else {
        const int32_t loss = slot_loss(st.Health, effect[0]);
        set_fore_colour(*f.el.Text1[k], colour::red);
        st.Hair_Count -= loss;
        f.el.Text2[k]->setText(QString::number(-loss));
    }
    st.Motivation = static_cast<int16_t>(st.Motivation + effect[2]);
    st.Health = static_cast<int16_t>(st.Health + effect[3]);
    f.Status_Update();
}

void use_item_of_the_day(Form1& f)
{
    f.el.Form1->repaint();
    if (f.st.Item_Now != 0) {
        f.Wait_Time(1000);
        const int32_t gain = f.st.Item_Table[f.st.Item_Now][0];
        f.el.Text2[3]->setText(QString::number(gain));
        f.st.Hair_Count += gain;
        f.Status_Update();
        f.st.Face_No = expression::pleased;
        f.Hero_Draw();
    }
    f.el.Form1->repaint();
    f.Wait_Time(2000);
}

void clear_slots(Form1& f)
{
    for (int slot = 0; slot <= 2; ++slot) {
        f.el.Text1[slot]->setText(QString());
        set_fore_colour(*f.el.Text1[slot], colour::black);
        f.el.Text2[slot]->setText(QString());
    }
}

// The day's 100 lost hairs are shown, and an ending they cause is found, by
// the next status update.
void close_day(Form1& f)
{
    GameState& st = f.st;
    st.Day_Count = next_day(st.Day_Count);
    st.Hair_Count -= 100;
    // A special day counts as a day of its own.
    if (st.Day_Count % 15 == 0) {
        st.Stand_Left = False;
        f.Event_Call();
    } else if (st.Day_Count % 5 == 0) {
        f.Bonus_Day();
    }
    st.Roulet_Done = False;
    st.Stand_Left = True;
    if (st.Hand_No > 0)
        st.Hand_No = held::nothing;

    const DayCloseLook look = day_close_look(st.Motivation, st.Health);
    if (look.face >= 0)
        st.Face_No = look.face;
    if (look.hands >= 0)
        st.Hand_No = look.hands;
    f.el.Mokuta_mes->set_caption(look.line >= 0 ? st.Mes_Text[look.line] : QString());
    if (look.redraw)
        f.Hero_Draw();

    f.Mes_Show(say("Day", "今日の行動を決めてください"));
    f.el.Text2[3]->setText(QString());
    f.Menu_Deal();
    st.Shuffle_OK = True;
    f.el.Shuffle->setEnabled(true);
    f.Wave_Stop();
}

} // namespace

void Form1::Menu_OK_Click()
{
    const Plan action = lock_menu(*this);
    show_plan(*this, action);
    react_to_plan(*this, action);
    for (int k = 0; k <= 2; ++k)
        resolve_slot(*this, k, action[k]);
    use_item_of_the_day(*this);
    clear_slots(*this);
    close_day(*this);
}
