// The title screen with the hero drawn onto it, and the start of the one game of the run.
#include "app/Form1.h"
#include "game/Looks.h"
#include "game/Rules.h"
#include "game/Words.h"
#include "render/PictureGeometry.h"
#include "render/Raster.h"

namespace {

using namespace picture;

// Body, hair, then face: on the title the face lies over the fringe. The face
// goes where its kind goes from the body's corner (the small or the large one).
void draw_hero_on_title(Form1& f, int face_dx_here, int face_dy_here, PictureSize face_size)
{
    PictureBox& title = *f.el.Titles;
    BitBlt(title, title_body_x, title_body_y, body.w, body.h, *f.el.Pics[f.st.Body_No], 0, 0,
           Rop::SRCCOPY);
    masked_copy(title, title_body_x + hair_dx, title_body_y + hair_dy, hair.w, hair.h,
                *f.el.Maskwork[0], *f.el.Heads[f.st.Head_No]);
    masked_copy(title, title_body_x + face_dx_here, title_body_y + face_dy_here, face_size.w,
                face_size.h, *f.el.Maskwork[1], *f.el.Faces[f.st.Face_No]);
    title.refresh();
}

} // namespace

void Form1::lay_out_title()
{
    el.Titles->place(QRect(0, 0, 515, 305));
    st.Face_No = expression::calm;
    st.Head_No = hairdo::short_spiky;
    st.Body_No = 0;
    Mask_Face();
    Mask_Head();
    draw_hero_on_title(*this, face_dx, face_dy, face);
}

void Form1::Starts_Click()
{
    el.Starts->setEnabled(false);
    mci.get_ready(); // the music starts after the greeting
    st.Face_No = expression::cool_thumb_up;
    Mask_Face();
    draw_hero_on_title(*this, big_face_dx, big_face_dy, big_face);
    el.Titlet->show();
    Wait_Time(2000);
    st.Face_No = expression::calm;
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
    Mes_Show(say("Day", "今日の行動を決めてください"));
    st.Shuffle_OK = True;
    el.Timer1.set_enabled(true);
    el.Check1->show();
}
