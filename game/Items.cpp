// A won hair product: the offer with its success rate, the answer, and what the product does.
#include "app/Form1.h"
#include "game/Looks.h"
#include "game/RuleTables.h"
#include "game/Rules.h"
#include "game/Words.h"

namespace {

struct ItemResult {
    const char* text;
    int16_t face;
    int16_t hands;  // -1: unchanged
};

// Indexed by prize 1 to 4.
constexpr ItemResult works[] = {
    {"", 0, -1},
    {QT_TRANSLATE_NOOP("Items", "抜毛が減りそう。"), 7, -1},
    {QT_TRANSLATE_NOOP("Items", "すごく効き目があるようです"), 7, 2},
    {QT_TRANSLATE_NOOP("Items", "すごい効き目です。髪の毛が生えてきました"), 12, -1},
    {QT_TRANSLATE_NOOP("Items", "たいした効き目はなさそうです"), 6, -1},
};
constexpr ItemResult fails[] = {
    {"", 0, -1},
    {QT_TRANSLATE_NOOP("Items", "効果はありませんでした"), 4, -1},
    {QT_TRANSLATE_NOOP("Items", "あらら、お肌に合いません"), 2, -1},
    {QT_TRANSLATE_NOOP("Items", "あらら、お肌に合いません"), 2, -1},
    {QT_TRANSLATE_NOOP("Items", "効果はありませんでした"), 4, -1},
};

void item_works(Form1& f, int16_t k, const Words& name)
{
    GameState& st = f.st;
    f.el.Maru->show();
    f.Wave_Play(st.App_Dir + "b2.wav");
    f.Mes_Show(say("Items", works[k].text));
    st.Face_No = works[k].face;
    if (works[k].hands >= 0)
        st.Hand_No = works[k].hands;
    f.el.Mokuta_mes->set_caption(st.Mes_Text[line::product_works + k]);
    f.Hero_Draw();
    f.Wait_Time(2000);
    st.Item_Now = k;
    f.el.Text1[3]->show();
    f.el.Text2[3]->show();
    f.el.Text1[3]->setText(name);
    f.el.Text2[3]->setText(QString());
}

void item_fails(Form1& f, int16_t k)
{
    GameState& st = f.st;
    f.el.Batsu->show();
    f.Wave_Play(st.App_Dir + "b1.wav");
    f.el.Text1[3]->hide();
    f.el.Text2[3]->hide();
    f.Mes_Show(say("Items", fails[k].text));
    st.Face_No = fails[k].face;
    f.Wait_Time(2000);
    f.el.Mokuta_mes->set_caption(st.Mes_Text[line::product_fails + k]);
    f.Hero_Draw();
    f.Wait_Time(1000);
    const int32_t loss = st.Item_Table[k][1];
    //: %1 is the number of hairs, written with thousands separators.
    f.Mes_Show(say("Items", "髪の毛が%1本減ります").arg(thousands(loss)));
    st.Hair_Count -= loss;
}

} // namespace

void Form1::Item_YES_Click()
{
    st.Yes_No = 1;
}

void Form1::Item_NO_Click()
{
    st.Yes_No = 2;
}

// Waits for yes or no, which arrives from a click during the wait, then takes the question away.
void Form1::ask_yes_no()
{
    wait_until([this] { return st.Yes_No > 0; });
    el.Label6->hide();
    el.Item_YES->hide();
    el.Item_NO->hide();
}

void Form1::show_question(const QString& question)
{
    el.Label6->show();
    el.Item_YES->show();
    el.Item_NO->show();
    el.Label6->set_caption(question);
}

void Form1::Item_Use()
{
    const int16_t k = st.Prize_No;
    // The prize's name as the game shows it, paced as its Japanese.
    const Words name(st.Item_Name[k], QString::fromUtf8(tables::Item_Name[k]));
    st.Yes_No = 0;
    //: %1 is the prize's name; %2 its rate as digits after one blank (" 90").
    show_question(
        say("Items", "%1を使用しますか？\r\n成功率%2%").arg(name).arg(rate_text(st.Item_Table[k][2])));
    Wave_Play(st.App_Dir + "b3.wav");
    ask_yes_no();

    if (st.Yes_No == 1) {
        Mes_Show(say("Items", "%1を４日間使用します").arg(name));
        Wait_Time(2000);
        const bool drawn = try_succeeds(st.Item_Table[k][2], host.random(), st.Success_Mul);
        if (drawn || item_always_works(k, st.Motivation, st.Health))
            item_works(*this, k, name);
        else
            item_fails(*this, k);
    } else {
        Mes_Show(say("Items", "%1は使いません").arg(name));
        el.Mokuta_mes->set_caption(st.Mes_Text[line::come_on]);
        st.Face_No = expression::pained;
        Hero_Draw();
    }
    Wait_Time(3000);
    Status_Update();
    el.Maru->hide();
    el.Batsu->hide();
}


