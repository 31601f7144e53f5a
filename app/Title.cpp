// The title screen with the hero drawn onto it, and the start of the one game of the run.
#include "app/Form1.h"
#include "game/Rules.h"
#include "render/Raster.h"

namespace {

// Where the hero's layers go on the title picture.
constexpr int body_x = 360, body_y = 80;
constexpr int hair_x = 372, hair_y = 63;
constexpr int face_x = 360, face_y = 116;
constexpr int big_face_x = 330, big_face_y = 100;

} // namespace

void Form1::lay_out_title()
{
    el.Titles->place(QRect(0, 0, 515, 305));
    st.Face_No = 0;
    st.Head_No = 2;
    st.Body_No = 0;
    Mask_Face();
    Mask_Head();
    draw_hero_on_title(face_x, face_y, 115, 96);
}

// Body, hair, then face: on the title the face lies over the fringe.
void Form1::draw_hero_on_title(int x, int y, int face_w, int face_h)
{
    PictureBox& title = *el.Titles;
    BitBlt(title, body_x, body_y, 130, 188, *el.Pics[st.Body_No], 0, 0, Rop::SRCCOPY);
    masked_copy(title, hair_x, hair_y, 110, 138, *el.Maskwork[0], *el.Heads[st.Head_No]);
    masked_copy(title, x, y, face_w, face_h, *el.Maskwork[1], *el.Faces[st.Face_No]);
    title.refresh();
}

void Form1::Starts_Click()
{
    el.Starts->setEnabled(false);
    st.Face_No = 12;
    Mask_Face();
    draw_hero_on_title(big_face_x, big_face_y, 180, 168);
    el.Titlet->show();
    Wait_Time(2000);
    st.Face_No = 0;
    Midi_Play(st.App_Dir + QStringLiteral("mokuta.mid"));
    el.Titles->hide();
    el.Starts->hide();
    el.Titlet->hide();
    st.Day_Count = next_day(st.Day_Count);
    el.Help_mes->setFocus();
    Panel_Mode(0);
    st.Stand_Left = True;
    Status_Update();
    Hero_Draw();
    Mes_Show(QStringLiteral("今日の行動を決めてください"));
    st.Shuffle_OK = True;
    el.Timer1.set_enabled(true);
    el.Check1->show();
}
