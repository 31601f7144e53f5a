// The read-outs after every change of the hero's numbers, and the two endings.
#include <algorithm>

#include "app/Form1.h"
#include "game/Looks.h"
#include "game/RuleTables.h"
#include "game/Rules.h"
#include "game/Words.h"
#include "render/Colours.h"

namespace {

// The last value shown is read back from the box: falling from above 50 to
// below it, or rising from below 50 to 50 or more, earns a remark. A value
// of exactly 50 before the fall does not.
void show_reading(Form1& f, TextBox& box, int16_t value, const Words& falling, const Words& rising)
{
    const int16_t prev = box.text().toShort();
    if (value < 50) {
        if (prev > 50)
            f.Mes_Show(falling);
        set_fore_colour(box, colour::red);
    } else {
        if (prev < 50)
            f.Mes_Show(rising);
        set_fore_colour(box, colour::blue);
    }
    box.setText(QString::number(value));
}

// The sound twice, half a second apart: the second starts it again from the top.
void ending_sound(Form1& f, const QString& file)
{
    f.Wave_Play(f.st.App_Dir + file);
    f.Wait_Time(500);
    f.Wave_Play(f.st.App_Dir + file);
}

void show_big_letters(Form1& f, const QString& left, const QString& right, const QColor* colour)
{
    for (auto [label, letter] : {std::pair{f.el.Last_mes[0], left}, {f.el.Last_mes[1], right}}) {
        label->set_caption(letter);
        label->show();
        if (colour)
            set_fore_colour(*label, *colour);
    }
}

// How one ending looks and sounds: the hero's hair and face, his line, the sound, the big
// letters either side of him and the message.
struct Ending {
    int16_t head;
    int16_t face;
    int line;
    const char* sound;
    Words left, right;
    const QColor* colour;
    Words message;
};

void end_the_game(Form1& f, const Ending& e)
{
    GameState& st = f.st;
    st.Head_No = e.head;
    st.Face_No = e.face;
    st.Hand_No = held::nothing;
    f.Hero_Draw();
    f.Midi_Stop();
    f.el.Check1->hide();
    f.el.Mokuta_mes->set_caption(st.Mes_Text[e.line]);
    ending_sound(f, QString::fromLatin1(e.sound));
    show_big_letters(f, e.left, e.right, e.colour);
    f.Mes_Show(e.message);
    f.Wait_Time(1000);
    f.End_Show();
}

void bald_ending(Form1& f)
{
    //: The big letters either side of the bald hero: one word split in two, or two short words.
    end_the_game(f, {hairdo::bald, expression::crying, line::bald, "b1.wav", say("Status", "ハ"), say("Status", "ゲ"),
                     nullptr, say("Status", "ハゲました")});
}

void full_hair_ending(Form1& f)
{
    //: The big letters either side of the hero with a full head of hair.
    end_the_game(f, {hairdo::full, expression::cool_thumb_up, line::full_hair, "b2.wav", say("Status", "フ"),
                     say("Status", "サ"), &colour::blue, say("Status", "フサフサになりました")});
}

// Said straight into the speech line, not typed; then the window may close.
void last_word(Form1& f, int16_t hands, const QString& remark)
{
    f.st.Face_No = expression::pleased;
    f.st.Hand_No = hands;
    f.el.Mokuta_mes->set_caption(remark);
    f.Hero_Draw();
    f.Wait_Time(2000);
    f.st.Quit_Flag = True;
}

} // namespace

void Form1::Status_Update()
{
    el.Text6->setText(QString::number(st.Day_Count));
    if (st.Hair_Count < 0)
        st.Hair_Count = 0;
    el.Text3->setText(thousands(st.Hair_Count));
    if (st.Hair_Count == 0)
        bald_ending(*this);
    if (st.Hair_Count > 99999)
        full_hair_ending(*this);

    if (st.Doll_No != 2 && st.Head_No != 0) {
        const int16_t head = hair_picture_for(st.Hair_Count);
        if (head > 0) {
            st.Head_No = head;
            Hero_Draw();
        }
    }

    st.Motivation = std::clamp<int16_t>(st.Motivation, 0, 200);
    st.Health = std::clamp<int16_t>(st.Health, 0, 200);
    show_reading(*this, *el.Text4, st.Motivation, say("Status", "やる気がないようです"),
                 say("Status", "やる気がでてきたようです"));
    show_reading(*this, *el.Text5, st.Health, say("Status", "不健康のようです"),
                 say("Status", "健康になったようです"));
}

// Only the quit button is left to press; the window closes after the hero's last word.
void Form1::End_Show()
{
    el.Quits->show();
    el.Quits->setEnabled(true);
    el.Menu_OK->setEnabled(false);
    el.Shuffle->setEnabled(false);
    el.Roulet_OK->setEnabled(false);
    wait_until([this] { return st.Quit_Flag != False; });
    Form_Unload();
}

void Form1::Quits_Click()
{
    el.Quits->setEnabled(false);
    if (st.Hair_Count == 0)
        last_word(*this, 0, say("Status", "スキンヘッドもイカしてるぜ。"));
    if (st.Hair_Count >= 100000)
        last_word(*this, 2, say("Status", "モテすぎて困るぜ。"));
}
