// Every fifteenth day somebody calls with an offer: the greeting, the question and each caller's scene.
#include "app/Form1.h"
#include "game/Rules.h"

namespace {
constexpr int32_t twenty_thousand = 20000;
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
    const int base = 4 * st.Caller_No + 31;

    Mes_Show(QStringLiteral("ボーナスデーです"));
    Wait_Time(1000);
    el.Mokuta_mes->set_caption(st.Mes_Text[base]);
    Mes_Show(QStringLiteral("誰かが呼んでいます"));
    st.Face_No = 0;
    st.Hand_No = 0;
    st.Doll_No = st.Caller_No;
    Draw_Doll();
    Wait_Time(2000);
    el.Mokuta_mes->set_caption(st.Mes_Text[base + 1]);
    Wait_Time(2000);

    show_question(QStringLiteral("この話にのりますか？"));
    Wave_Play(st.App_Dir + "b3.wav");
    Mes_Show(QStringLiteral("ＹｅｓかＮｏを選んでください"));
    ask_yes_no();

    if (st.Yes_No == 1) {
        accept_offer(base);
    } else {
        st.Face_No = 1;
        st.Stand_Left = True;
        Hero_Draw();
        el.Mokuta_mes->set_caption(st.Mes_Text[base + 3]);
    }
    Wait_Time(3000);
    st.Day_Count = next_day(st.Day_Count);
    st.Hand_No = 0;
    Panel_Mode(0);
}

void Form1::accept_offer(int base)
{
    const int16_t caller = st.Caller_No;
    const bool good = caller == 1 || caller == 3;
    st.Face_No = caller == 1 ? 7 : caller == 3 ? 4 : 11;
    if (caller == 3) {
        st.Stand_Left = True;
        Hero_Draw();  // the old man leaves the picture
    }
    el.Mokuta_mes->set_caption(st.Mes_Text[base + 2]);
    if (caller != 3)
        Draw_Doll();
    Wait_Time(3000);

    switch (caller) {
    case 0: tanning_scene(); break;
    case 1: shopping_scene(); break;
    case 2: wig_scene(); break;
    default: medicine_scene(); break;
    }
    Wait_Time(3000);
    st.Stand_Left = True;
    if (good)
        hair_grows();
    else
        hair_falls(caller);
}

// The tanned body stays after the encounter; the blond look until the next special day.
void Form1::tanning_scene()
{
    st.Body_No = 1;
    st.Face_No = 0;
    Draw_Doll();
    Mes_Show(QStringLiteral("すっかり日焼けしました。"));
    Wait_Time(3000);
    st.Tan_Look = True;
    Draw_Doll();
    Mes_Show(QStringLiteral("しかも金髪にしました。"));
    Wait_Time(2000);
    st.Face_No = 12;
    Draw_Doll();
    el.Mokuta_mes->set_caption(QStringLiteral("けっこうイケてるじゃん。"));
    st.Motivation = static_cast<int16_t>(st.Motivation + 20);
}

// The shopping picture brings the girl and the hero's own eyes, so no face is drawn with it.
void Form1::shopping_scene()
{
    st.Hand_No = 3;
    Hero_Draw();
    el.Mokuta_mes->set_caption(QStringLiteral("これって、デートだよね！\u3000ね！"));
    Wait_Time(1000);
    Mes_Show(QStringLiteral("荷物持ちです。"));
    Wait_Time(2000);
    el.Mokuta_mes->set_caption(QStringLiteral("じょーだんポイ。"));
    st.Motivation = static_cast<int16_t>(st.Motivation + 20);
    Wait_Time(2000);
    st.Body_No = 0;
}

void Form1::wig_scene()
{
    st.Head_No = 6;
    Draw_Doll();
    Mes_Show(QStringLiteral("ロングヘアは、やはり間違いです。"));
    Wait_Time(3000);
    st.Face_No = 12;
    Draw_Doll();
    el.Mokuta_mes->set_caption(QStringLiteral("似合いすぎ！\u3000カッコ良すぎ！"));
    st.Motivation = static_cast<int16_t>(st.Motivation + 20);
    st.Body_No = 0;
}

void Form1::medicine_scene()
{
    Mes_Show(QStringLiteral("昆虫エキスたっぷりです。"));
    Wait_Time(3000);
    st.Face_No = 2;
    Hero_Draw();
    el.Mokuta_mes->set_caption(QStringLiteral("ぎもじわるい～！\r\nどろどろ～、うぇ～。"));
    st.Motivation = static_cast<int16_t>(st.Motivation - 100);
    st.Health = static_cast<int16_t>(st.Health - 100);
    st.Body_No = 0;
}

void Form1::hair_grows()
{
    st.Face_No = 7;
    st.Hand_No = 2;
    Hero_Draw();
    el.Mokuta_mes->set_caption(QStringLiteral("わぉ。"));
    Wave_Play(st.App_Dir + "b2.wav");
    Wait_Time(2000);
    Mes_Show(QStringLiteral("髪の毛が20,000本増えました。"));
    st.Hair_Count += twenty_thousand;
    st.Hand_No = 0;
    Status_Update();
}

void Form1::hair_falls(int16_t caller)
{
    if (caller == 2) {
        st.Face_No = 2;
        Hero_Draw();
        el.Mokuta_mes->set_caption(QStringLiteral("カツラで頭がムレムレっす！\r\n・・・あ、抜けまくり。"));
        st.Motivation = static_cast<int16_t>(st.Motivation - 50);
        st.Health = static_cast<int16_t>(st.Health - 10);
    } else {
        st.Face_No = 10;
        Hero_Draw();
        el.Mokuta_mes->set_caption(QStringLiteral("あら、髪の毛がいたみまくり。\r\nパサパサっす。"));
        st.Motivation = static_cast<int16_t>(st.Motivation - 20);
    }
    Wave_Play(st.App_Dir + "b1.wav");
    Wait_Time(2000);
    st.Face_No = 5;
    Hero_Draw();
    Mes_Show(QStringLiteral("髪の毛が20,000本減りました。"));
    st.Hair_Count -= twenty_thousand;
    Status_Update();
}
