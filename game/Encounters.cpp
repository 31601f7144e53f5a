// Every fifteenth day somebody calls with an offer: the greeting, the question and each caller's scene.
#include "app/Form1.h"
#include "game/Looks.h"
#include "game/RuleTables.h"
#include "game/Rules.h"
#include "game/Words.h"

namespace {

// What a caller's offer does to the hair, one way or the other.
constexpr int32_t hairs_a_caller_changes = 20000;

// The tanned body stays after the encounter; the blond look until the next special day.
void tanning_scene(Form1& f)
{
    f.st.Body_No = 1;
    f.st.Face_No = expression::calm;
    f.Draw_Doll();
    f.Mes_Show(say("Callers", "すっかり日焼けしました。"));
    f.Wait_Time(3000);
    f.st.Tan_Look = True;
    f.Draw_Doll();
    f.Mes_Show(say("Callers", "しかも金髪にしました。"));
    f.Wait_Time(2000);
    f.st.Face_No = expression::cool_thumb_up;
    f.Draw_Doll();
    f.el.Mokuta_mes->set_caption(say("Callers", "けっこうイケてるじゃん。"));
    f.st.Motivation = static_cast<int16_t>(f.st.Motivation + 20);
}

// The shopping picture brings the girl and the hero's own eyes, so no face is drawn with it.
void shopping_scene(Form1& f)
{
    f.st.Hand_No = held::shopping_bags;
    f.Hero_Draw();
    f.el.Mokuta_mes->set_caption(say("Callers", "これって、デートだよね！\u3000ね！"));
    f.Wait_Time(1000);
    f.Mes_Show(say("Callers", "荷物持ちです。"));
    f.Wait_Time(2000);
    f.el.Mokuta_mes->set_caption(say("Callers", "じょーだんポイ。"));
    f.st.Motivation = static_cast<int16_t>(f.st.Motivation + 20);
    f.Wait_Time(2000);
    f.st.Body_No = 0;
}

void wig_scene(Form1& f)
{
    f.st.Head_No = hairdo::long_wig;
    f.Draw_Doll();
    f.Mes_Show(say("Callers", "ロングヘアは、やはり間違いです。"));
    f.Wait_Time(3000);
    f.st.Face_No = expression::cool_thumb_up;
    f.Draw_Doll();
    f.el.Mokuta_mes->set_caption(say("Callers", "似合いすぎ！\u3000カッコ良すぎ！"));
    f.st.Motivation = static_cast<int16_t>(f.st.Motivation + 20);
    f.st.Body_No = 0;
}

void medicine_scene(Form1& f)
{
    f.Mes_Show(say("Callers", "昆虫エキスたっぷりです。"));
    f.Wait_Time(3000);
    f.st.Face_No = expression::dejected;
    f.Hero_Draw();
    f.el.Mokuta_mes->set_caption(say("Callers", "ぎもじわるい～！\r\nどろどろ～、うぇ～。"));
    f.st.Motivation = static_cast<int16_t>(f.st.Motivation - 100);
    f.st.Health = static_cast<int16_t>(f.st.Health - 100);
    f.st.Body_No = 0;
}

void hair_grows(Form1& f)
{
    f.st.Face_No = expression::overjoyed;
    f.st.Hand_No = held::fan;
    f.Hero_Draw();
    f.el.Mokuta_mes->set_caption(say("Callers", "わぉ。"));
    f.Wave_Play(f.st.App_Dir + "b2.wav");
    f.Wait_Time(2000);
    f.Mes_Show(say("Callers", "髪の毛が20,000本増えました。"));
    f.st.Hair_Count += hairs_a_caller_changes;
    f.st.Hand_No = held::nothing;
    f.Status_Update();
}

void hair_falls(Form1& f, int16_t caller)
{
    if (caller == 2) {
        f.st.Face_No = expression::dejected;
        f.Hero_Draw();
        f.el.Mokuta_mes->set_caption(say("Callers", "カツラで頭がムレムレっす！\r\n・・・あ、抜けまくり。"));
        f.st.Motivation = static_cast<int16_t>(f.st.Motivation - 50);
        f.st.Health = static_cast<int16_t>(f.st.Health - 10);
    } else {
        f.st.Face_No = expression::pained;
        f.Hero_Draw();
        f.el.Mokuta_mes->set_caption(say("Callers", "あら、髪の毛がいたみまくり。\r\nパサパサっす。"));
        f.st.Motivation = static_cast<int16_t>(f.st.Motivation - 20);
    }
    f.Wave_Play(f.st.App_Dir + "b1.wav");
    f.Wait_Time(2000);
    f.st.Face_No = expression::crying;
    f.Hero_Draw();
    f.Mes_Show(say("Callers", "髪の毛が20,000本減りました。"));
    f.st.Hair_Count -= hairs_a_caller_changes;
    f.Status_Update();
}

void accept_offer(Form1& f, int base)
{
    const int16_t caller = f.st.Caller_No;
    const bool good = caller == 1 || caller == 3;
    f.st.Face_No = caller == 1 ? expression::overjoyed : caller == 3 ? expression::sad : expression::pleased;
    if (caller == 3) {
        f.st.Stand_Left = True;
        f.Hero_Draw();  // the old man leaves the picture
    }
    f.el.Mokuta_mes->set_caption(f.st.Mes_Text[base + 2]);
    if (caller != 3)
        f.Draw_Doll();
    f.Wait_Time(3000);

    switch (caller) {
    case 0: tanning_scene(f); break;
    case 1: shopping_scene(f); break;
    case 2: wig_scene(f); break;
    default: medicine_scene(f); break;
    }
    f.Wait_Time(3000);
    f.st.Stand_Left = True;
    if (good)
        hair_grows(f);
    else
        hair_falls(f, caller);
}

} // namespace

void Form1::Event_Call()
{
    Panel_Mode(1);
    el.Picture3->show();
    Status_Update();
    st.Item_Now = 0;
    st.Yes_No = 0;
    st.Tan_Look = False;
    st.Caller_No = caller_for(host.random());
    const int base = line::first_caller + 4 * st.Caller_No;

    Mes_Show(say("Bonus", "ボーナスデーです"));
    Wait_Time(1000);
    el.Mokuta_mes->set_caption(st.Mes_Text[base]);
    Mes_Show(say("Callers", "誰かが呼んでいます"));
    st.Face_No = expression::calm;
    st.Hand_No = held::nothing;
    st.Doll_No = st.Caller_No;
    Draw_Doll();
    Wait_Time(2000);
    el.Mokuta_mes->set_caption(st.Mes_Text[base + 1]);
    Wait_Time(2000);

    show_question(say("Callers", "この話にのりますか？"));
    Wave_Play(st.App_Dir + "b3.wav");
    Mes_Show(say("Callers", "ＹｅｓかＮｏを選んでください"));
    ask_yes_no();

    if (st.Yes_No == 1) {
        accept_offer(*this, base);
    } else {
        st.Face_No = expression::puzzled;
        st.Stand_Left = True;
        Hero_Draw();
        el.Mokuta_mes->set_caption(st.Mes_Text[base + 3]);
    }
    Wait_Time(3000);
    st.Day_Count = next_day(st.Day_Count);
    st.Hand_No = held::nothing;
    Panel_Mode(0);
}







