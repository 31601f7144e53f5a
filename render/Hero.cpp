// The hero in his picture: body, face, hair and hands laid over each other, and a caller beside him.
#include "app/Form1.h"
#include "game/Looks.h"
#include "render/Announcer.h"
#include "render/PictureGeometry.h"
#include "render/Raster.h"

namespace {

using namespace picture;

int16_t tanned_hair(int16_t head)
{
    switch (head) {
    case 1: return 8;
    case 2: return 5;
    case 3: return 7;
    default: return head;
    }
}

int16_t tanned_hands(int16_t hands)
{
    switch (hands) {
    case 1: return 5;
    case 2: return 6;
    case 4: return 7;
    default: return hands;
    }
}

const char* const face_words[] = {
    QT_TRANSLATE_NOOP("Hero", "落ち着いた顔"),
    QT_TRANSLATE_NOOP("Hero", "きょとんとした顔"),
    QT_TRANSLATE_NOOP("Hero", "がっくりした顔"),
    QT_TRANSLATE_NOOP("Hero", "疲れた顔"),
    QT_TRANSLATE_NOOP("Hero", "悲しそうな顔"),
    QT_TRANSLATE_NOOP("Hero", "泣き顔"),
    QT_TRANSLATE_NOOP("Hero", "しらけた顔"),
    QT_TRANSLATE_NOOP("Hero", "大喜びの顔"),
    QT_TRANSLATE_NOOP("Hero", "照れた顔"),
    QT_TRANSLATE_NOOP("Hero", "苦笑い"),
    QT_TRANSLATE_NOOP("Hero", "痛そうな顔"),
    QT_TRANSLATE_NOOP("Hero", "うれしそうな顔"),
    QT_TRANSLATE_NOOP("Hero", "キメ顔で親指を立てている"),
    QT_TRANSLATE_NOOP("Hero", "キメ顔で親指を立てている"),
};
const char* const hair_words[] = {
    QT_TRANSLATE_NOOP("Hero", "髪はない"),
    QT_TRANSLATE_NOOP("Hero", "てっぺんにだけ短い髪"),
    QT_TRANSLATE_NOOP("Hero", "短いツンツン頭"),
    QT_TRANSLATE_NOOP("Hero", "前髪のあるふつうの髪"),
    QT_TRANSLATE_NOOP("Hero", "ふさふさの髪"),
    QT_TRANSLATE_NOOP("Hero", "金髪のツンツン頭"),
    QT_TRANSLATE_NOOP("Hero", "ロングヘアのカツラ"),
    QT_TRANSLATE_NOOP("Hero", "金髪の前髪"),
    QT_TRANSLATE_NOOP("Hero", "てっぺんにだけ金髪"),
};
const char* const hands_words[] = {
    "",
    QT_TRANSLATE_NOOP("Hero", "タバコを持ってピースしている"),
    QT_TRANSLATE_NOOP("Hero", "扇子をかかげている"),
    QT_TRANSLATE_NOOP("Hero", "女の子の買い物の荷物を持っている"),
    QT_TRANSLATE_NOOP("Hero", "ビールを飲んでいる"),
};

// What the hero's picture shows now, in a sentence, from the same selectors that draw it.
QString hero_description(const GameState& st, bool with_caller)
{
    if (with_caller && st.Doll_No == 3)
        return say("Hero", "あやしい老人が薬を差し出している。");
    QStringList parts;
    if (st.Hand_No < 3)
        parts << say("Hero", face_words[st.Face_No]);
    parts << say("Hero", hair_words[st.Head_No == 0 ? 0 : st.Tan_Look ? tanned_hair(st.Head_No) : st.Head_No]);
    if (st.Hand_No > 0)
        parts << say("Hero", hands_words[st.Hand_No]);
    if (st.Body_No == 1)
        parts << say("Hero", "日焼けしている");
    if (with_caller && (st.Doll_No == 0 || st.Doll_No == 2))
        parts << say("Hero", "友だちがそばにいる");
    else if (with_caller && st.Doll_No == 1)
        parts << say("Hero", "女の子がそばにいる");
    //: What joins the parts of the hero's description, and what ends it.
    QString sentence = parts.join(say("Hero", "、").text) + say("Hero", "。").text;
    // A sentence begins with a capital where the language has them.
    sentence[0] = sentence[0].toUpper();
    return sentence;
}

// A scratch element is sized so that its inside holds the whole mask.
void fit_scratch(PictureBox& scratch, int w, int h)
{
    scratch.place(QRect(0, 0, w + 2, h + 2));
}

int16_t hair_picture(const GameState& st)
{
    return st.Tan_Look ? tanned_hair(st.Head_No) : st.Head_No;
}

int16_t hands_picture(const GameState& st)
{
    return st.Tan_Look ? tanned_hands(st.Hand_No) : st.Hand_No;
}

} // namespace

void Form1::Hero_Draw()
{
    el.Mokuta->clear();
    Mask_Face();
    Mask_Head();
    Draw_Body();
    // Hands 3 and up bring the hero's own eyes and mouth.
    if (st.Hand_No < 3)
        Draw_Face();
    if (st.Head_No > 0)
        Draw_Head();
    if (st.Hand_No != 0) {
        Mask_Hands();
        Draw_Hands();
    }
    el.Mokuta->refresh();
    el.announcer().describe_hero(hero_description(st, false));
}

void Form1::Mask_Head()
{
    fit_scratch(*el.Maskwork[0], hair.w, hair.h);
    Mask_Make(*el.Maskwork[0], *el.Heads[hair_picture(st)], hair.w, hair.h);
}

// The large face's mask comes from Faces(12) also when its tanned colours
// are drawn: the two pictures have the same outline.
void Form1::Mask_Face()
{
    st.Face_W = face.w;
    st.Face_H = face.h;
    if (st.Face_No == expression::cool_thumb_up) {
        st.Face_W = big_face.w;
        st.Face_H = big_face.h;
    }
    fit_scratch(*el.Maskwork[1], st.Face_W, st.Face_H);
    Mask_Make(*el.Maskwork[1], *el.Faces[st.Face_No], st.Face_W, st.Face_H);
}

void Form1::Mask_Hands()
{
    const auto& place = st.Hand_Pos[hands_picture(st)];
    fit_scratch(*el.Maskwork[2], place[2], place[3]);
    Mask_Make(*el.Maskwork[2], *el.hands[hands_picture(st)], place[2], place[3]);
}

void Form1::Draw_Body()
{
    st.Draw_X = body_x;
    if (st.Stand_Left)
        st.Draw_X = body_x + stand_left_dx;
    if (st.Hand_No == 3)
        st.Draw_X = body_shopping_x;
    BitBlt(*el.Mokuta, st.Draw_X, body_y, body.w, body.h, *el.Pics[st.Body_No], 0, 0, Rop::SRCCOPY);
}

void Form1::Draw_Head()
{
    st.Draw_X = body_x + hair_dx;
    if (st.Stand_Left)
        st.Draw_X = body_x + stand_left_dx + hair_dx;
    if (st.Hand_No == 3)
        st.Draw_X = body_shopping_x + hair_dx;
    masked_copy(*el.Mokuta, st.Draw_X, body_y + hair_dy, hair.w, hair.h, *el.Maskwork[0],
                *el.Heads[hair_picture(st)]);
}

void Form1::Draw_Face()
{
    int16_t k = st.Face_No;
    st.Draw_X = body_x + face_dx;
    st.Draw_Y = body_y + face_dy;
    st.Face_W = face.w;
    st.Face_H = face.h;
    if (st.Face_No == expression::cool_thumb_up) {
        st.Draw_X = body_x + big_face_dx;
        st.Draw_Y = body_y + big_face_dy;
        st.Face_W = big_face.w;
        st.Face_H = big_face.h;
        if (st.Tan_Look)
            k = 13;
    }
    if (st.Stand_Left)
        st.Draw_X = static_cast<int16_t>(st.Draw_X + stand_left_dx);
    masked_copy(*el.Mokuta, st.Draw_X, st.Draw_Y, st.Face_W, st.Face_H, *el.Maskwork[1],
                *el.Faces[k]);
}

void Form1::Draw_Hands()
{
    const int16_t k = hands_picture(st);
    const auto& place = st.Hand_Pos[k];
    st.Draw_X = place[0];
    if (st.Stand_Left)
        st.Draw_X = static_cast<int16_t>(st.Draw_X + stand_left_dx);
    masked_copy(*el.Mokuta, st.Draw_X, place[1], place[2], place[3], *el.Maskwork[2], *el.hands[k]);
}

// The hero is drawn first and the caller beside him, in the same refresh;
// the old man stands alone.
void Form1::Draw_Doll()
{
    el.Mokuta->clear();
    if (st.Doll_No == 3)
        el.Mokuta->refresh();
    else
        Hero_Draw();
    const int16_t d = st.Doll_No == 0 ? 2 : st.Doll_No;
    const auto& place = st.Doll_Pos[d];
    BitBlt(*el.Mokuta, place[0], place[1], place[2], place[3], *el.Dolls[d], 0, 0, Rop::SRCCOPY);
    el.Mokuta->refresh();
    el.announcer().describe_hero(hero_description(st, true));
}
