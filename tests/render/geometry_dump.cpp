// Prints the game's picture geometry as JSON, for the check that the picture build agrees with it.
#include <cstdio>
#include <string>

#include "render/PictureGeometry.h"

int main()
{
    using namespace picture;
    std::string out = "{\"sizes\": {";
    const char* comma = "";
    for (const Stored& s : catalogue) {
        std::string name = s.file;
        name.resize(name.size() - 4);  // without ".png"
        out += std::string(comma) + "\"" + name + "\": [" + std::to_string(s.size.w) + ", " +
               std::to_string(s.size.h) + "]";
        comma = ", ";
    }
    // Every other language's title picture takes the title's place, at its size.
    out += ", \"title_en\": [" + std::to_string(title.w) + ", " + std::to_string(title.h) + "]";
    out += ", \"icon\": [" + std::to_string(icon.w) + ", " + std::to_string(icon.h) + "]}, \"hands\": {";
    for (int k = 1; k <= 7; ++k) {
        const auto& place = tables::Hand_Pos[k];
        const int body_corner_x = k == 3 ? body_shopping_x : body_x;
        out += std::string(k > 1 ? ", " : "") + "\"" + std::to_string(k) + "\": [[" +
               std::to_string(place[2]) + ", " + std::to_string(place[3]) + "], [" +
               std::to_string(place[0] - body_corner_x) + ", " + std::to_string(place[1] - body_y) + "]]";
    }
    out += "}, \"prize_cells\": {";
    for (int p = 1; p <= 4; ++p) {
        const PrizeCell& c = prize_cells[p];
        out += std::string(p > 1 ? ", " : "") + "\"" + std::to_string(p) + "\": [[" + std::to_string(c.x) +
               ", " + std::to_string(c.y) + ", " + std::to_string(c.w) + ", " + std::to_string(c.h) +
               "], [" + std::to_string(c.at_x) + ", " + std::to_string(c.at_y) + "]]";
    }
    out += "}, \"layers\": {\"hair\": [" + std::to_string(hair_dx) + ", " + std::to_string(hair_dy) +
           "], \"face\": [" + std::to_string(face_dx) + ", " + std::to_string(face_dy) +
           "], \"large face\": [" + std::to_string(big_face_dx) + ", " + std::to_string(big_face_dy) +
           "]}, \"body_at\": [" + std::to_string(body_x) + ", " + std::to_string(body_y) +
           "], \"body_at_left\": [" + std::to_string(body_x + stand_left_dx) + ", " +
           std::to_string(body_y) + "], \"title_body_at\": [" + std::to_string(title_body_x) + ", " +
           std::to_string(title_body_y) + "]}";
    std::puts(out.c_str());
}
