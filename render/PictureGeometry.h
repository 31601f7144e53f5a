// The built-in pictures' sizes and places, once for the whole game: the picture stores, the
// hero's layers, the title screen and the prize window all take them from here, and a test
// holds the picture build (assets/pictures/catalogue.py) to the same figures.
#pragma once

#include <array>

#include "game/RuleTables.h"

struct PictureSize {
    int w, h;
};

namespace picture {

inline constexpr PictureSize body{130, 188};
inline constexpr PictureSize hair{110, 138};
inline constexpr PictureSize face{115, 96};
inline constexpr PictureSize big_face{180, 168};  // Faces(12) and Faces(13)
inline constexpr PictureSize title{515, 335};
inline constexpr PictureSize bottle{65, 135};
inline constexpr PictureSize icon{32, 32};

// The hands and the callers are as large as the rectangles the game places them in.
constexpr PictureSize hands(int k)
{
    return {tables::Hand_Pos[k][2], tables::Hand_Pos[k][3]};
}
constexpr PictureSize caller(int d)
{
    return {tables::Doll_Pos[d][2], tables::Doll_Pos[d][3]};
}

// Where the body picture's corner stands in the hero's picture; the hands
// picture 3 (shopping) moves him to make room for the girl, and standing
// left moves him and his hands together.
inline constexpr int body_x = 170, body_shopping_x = 140, body_y = 60, stand_left_dx = -80;
// Where each layer's corner lies from the body's corner: the layers line up by these.
inline constexpr int hair_dx = 12, hair_dy = -17;
inline constexpr int face_dx = 0, face_dy = 36;
inline constexpr int big_face_dx = -30, big_face_dy = 20;
// The body's corner on the title picture.
inline constexpr int title_body_x = 360, title_body_y = 80;

// A prize's cell in the prize sheet (x, y, width, height) and where it goes
// in the prize window; the miss (0) has none.
struct PrizeCell {
    int x, y, w, h, at_x, at_y;
};
inline constexpr std::array<PrizeCell, 5> prize_cells = {{
    {0, 0, 0, 0, 0, 0},
    {0, 0, 32, 67, 10, 5},
    {32, 0, 32, 67, 10, 5},
    {0, 69, 32, 66, 12, 5},
    {32, 80, 32, 66, 10, 5},
}};

// Every picture the game compiles in and the store that holds it; members
// left out (Heads(0), hands(0), Dolls(0)) hold no picture.
struct Stored {
    const char* store;
    int index;
    const char* file;
    PictureSize size;
};
inline constexpr Stored catalogue[] = {
    {"Titles", -1, "title.png", title},
    {"Pics", 0, "pics0.png", body},        {"Pics", 1, "pics1.png", body},
    {"Heads", 1, "heads1.png", hair},      {"Heads", 2, "heads2.png", hair},
    {"Heads", 3, "heads3.png", hair},      {"Heads", 4, "heads4.png", hair},
    {"Heads", 5, "heads5.png", hair},      {"Heads", 6, "heads6.png", hair},
    {"Heads", 7, "heads7.png", hair},      {"Heads", 8, "heads8.png", hair},
    {"Faces", 0, "faces0.png", face},      {"Faces", 1, "faces1.png", face},
    {"Faces", 2, "faces2.png", face},      {"Faces", 3, "faces3.png", face},
    {"Faces", 4, "faces4.png", face},      {"Faces", 5, "faces5.png", face},
    {"Faces", 6, "faces6.png", face},      {"Faces", 7, "faces7.png", face},
    {"Faces", 8, "faces8.png", face},      {"Faces", 9, "faces9.png", face},
    {"Faces", 10, "faces10.png", face},    {"Faces", 11, "faces11.png", face},
    {"Faces", 12, "faces12.png", big_face}, {"Faces", 13, "faces13.png", big_face},
    {"hands", 1, "hands1.png", hands(1)},  {"hands", 2, "hands2.png", hands(2)},
    {"hands", 3, "hands3.png", hands(3)},  {"hands", 4, "hands4.png", hands(4)},
    {"hands", 5, "hands5.png", hands(5)},  {"hands", 6, "hands6.png", hands(6)},
    {"hands", 7, "hands7.png", hands(7)},
    {"Dolls", 1, "dolls1.png", caller(1)}, {"Dolls", 2, "dolls2.png", caller(2)},
    {"Dolls", 3, "dolls3.png", caller(3)},
    {"Bottle", -1, "bottle.png", bottle},
};

} // namespace picture
