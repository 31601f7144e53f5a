// The read-outs after every change of the hero's numbers, and the two endings.
#include <algorithm>

#include "app/Form1.h"
#include "game/Rules.h"
#include "render/Colours.h"

namespace {
const QColor red = from_bgr(0x0000FF);
const QColor blue = from_bgr(0xFF0000);
} // namespace

void Form1::Status_Update()
{
    el.Text6->setText(QString::number(st.Day_Count));
    if (st.Hair_Count < 0)
        st.Hair_Count = 0;
    el.Text3->setText(thousands(st.Hair_Count));
    if (st.Hair_Count == 0)
        bald_ending();
    if (st.Hair_Count > 99999)
        full_hair_ending();

    if (st.Doll_No != 2 && st.Head_No != 0) {
        const int16_t head = hair_picture_for(st.Hair_Count);
        if (head > 0) {
            st.Head_No = head;
            Hero_Draw();
        }
    }

    st.Motivation = std::clamp<int16_t>(st.Motivation, 0, 200);
    st.Health = std::clamp<int16_t>(st.Health, 0, 200);
    show_reading(*el.Text4, st.Motivation, QStringLiteral("やる気がないようです"),
                 QStringLiteral("やる気がでてきたようです"));
    show_reading(*el.Text5, st.Health, QStringLiteral("不健康のようです"),
                 QStringLiteral("健康になったようです"));
}

// The last value shown is read back from the box: falling from above 50 to
// below it, or rising from below 50 to 50 or more, earns a remark. A value
// of exactly 50 before the fall does not.
void Form1::show_reading(TextBox& box, int16_t value, const QString& falling,
                         const QString& rising)
{
    const int16_t prev = box.text().toShort();
    if (value < 50) {
        if (prev > 50)
            Mes_Show(falling);
        set_fore_colour(box, red);
    } else {
        if (prev < 50)
            Mes_Show(rising);
        set_fore_colour(box, blue);
    }
    box.setText(QString::number(value));
}

void Form1::bald_ending()
{
    st.Head_No = 0;
    st.Face_No = 5;
    st.Hand_No = 0;
    Hero_Draw();
    Midi_Stop();
    el.Check1->hide();
    el.Mokuta_mes->set_caption(st.Mes_Text[25]);
    ending_sound(QStringLiteral("b1.wav"));
    show_big_letters(QStringLiteral("ハ"), QStringLiteral("ゲ"), nullptr);
    Mes_Show(QStringLiteral("ハゲました"));
    Wait_Time(1000);
    End_Show();
}

void Form1::full_hair_ending()
{
    st.Head_No = 4;
    st.Face_No = 12;
    st.Hand_No = 0;
    Hero_Draw();
    el.Mokuta_mes->set_caption(st.Mes_Text[26]);
    Midi_Stop();
    el.Check1->hide();
    ending_sound(QStringLiteral("b2.wav"));
    const QColor letters = blue;
    show_big_letters(QStringLiteral("フ"), QStringLiteral("サ"), &letters);
    Mes_Show(QStringLiteral("フサフサになりました"));
    Wait_Time(1000);
    End_Show();
}

// The sound twice, half a second apart: the second starts it again from the top.
void Form1::ending_sound(const QString& file)
{
    Wave_Play(st.App_Dir + file);
    Wait_Time(500);
    Wave_Play(st.App_Dir + file);
}

void Form1::show_big_letters(const QString& left, const QString& right, const QColor* colour)
{
    el.Last_mes[0]->set_caption(left);
    el.Last_mes[0]->show();
    if (colour)
        set_fore_colour(*el.Last_mes[0], *colour);
    el.Last_mes[1]->set_caption(right);
    el.Last_mes[1]->show();
    if (colour)
        set_fore_colour(*el.Last_mes[1], *colour);
}

// Only the quit button is left to press; the window closes after the hero's last word.
void Form1::End_Show()
{
    el.Quits->show();
    el.Quits->setEnabled(true);
    el.Menu_OK->setEnabled(false);
    el.Shuffle->setEnabled(false);
    el.Roulet_OK->setEnabled(false);
    while (!st.Quit_Flag) {
        host.yield();
        host.sleep_ms(100);
    }
    Form_Unload();
}

void Form1::Quits_Click()
{
    el.Quits->setEnabled(false);
    if (st.Hair_Count == 0)
        last_word(0, QStringLiteral("スキンヘッドもイカしてるぜ。"));
    if (st.Hair_Count >= 100000)
        last_word(2, QStringLiteral("モテすぎて困るぜ。"));
}

// Said straight into the speech line, not typed; then the window may close.
void Form1::last_word(int16_t hands, const QString& remark)
{
    st.Face_No = 11;
    st.Hand_No = hands;
    el.Mokuta_mes->set_caption(remark);
    Hero_Draw();
    Wait_Time(2000);
    st.Quit_Flag = True;
}
