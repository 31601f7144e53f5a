// The window's element set as data: one row per element, top of the stack first.
#include "render/ElementTable.h"

#include <array>

#include "render/Colours.h"
#include "render/PictureGeometry.h"

namespace {

constexpr FontSpec G(double points, bool bold = false) { return {Typeface::Gothic, points, bold}; }
constexpr FontSpec P(double points, bool bold = false) { return {Typeface::PGothic, points, bold}; }
constexpr FontSpec win{};
constexpr uint32_t def = default_colour;
constexpr uint32_t sys_bg = system_window_background;
constexpr uint32_t sys_text = system_window_text;
constexpr Start shown = Start::Shown;
constexpr Start hidden = Start::Hidden;
constexpr Start off = Start::HiddenDisabled;
constexpr Kind btn = Kind::Button, pic = Kind::Picture, lbl = Kind::Label, txt = Kind::TextBox;
constexpr unsigned see_through = transparent;
constexpr unsigned store = border;

// A hidden picture store: its box is its picture plus a 2-pixel border.
constexpr ElementRow stored(const char* name, int index, int w, int h, uint32_t back = sys_bg)
{
    return {name, index, pic, "Form1", 540, 8, w, h, "", win, sys_text, back, hidden, -1, store};
}

constexpr std::array rows = {
    // name, index, kind, container, left, top, width, height, caption, font, fore, back, start, tab, look
    ElementRow{"Starts", -1, btn, "Form1", 232, 264, 73, 41, QT_TRANSLATE_NOOP("Form1", "はじめ"), G(9.75), def, def, shown, 81, plain},
    ElementRow{"Titles", -1, pic, "Form1", 16, 456, 521, 169, "", win, sys_text, sys_bg, shown, 82, plain},
    ElementRow{"Titlet", -1, lbl, "Titles", 376, 40, 97, 17, QT_TRANSLATE_NOOP("Form1", "レッツ育毛！"), G(9.75, true), 0x00FF0000, def, hidden, 83, see_through},
    stored("Pics", 0, 132, 190), stored("Pics", 1, 132, 190),
    stored("Heads", 0, 39, 28, 0x00000000),
    stored("Heads", 1, 112, 140), stored("Heads", 2, 112, 140), stored("Heads", 3, 112, 140),
    stored("Heads", 4, 112, 140), stored("Heads", 5, 112, 140), stored("Heads", 6, 112, 140),
    stored("Heads", 7, 112, 140), stored("Heads", 8, 112, 140),
    stored("Faces", 0, 117, 98), stored("Faces", 1, 117, 98), stored("Faces", 2, 117, 98),
    stored("Faces", 3, 117, 98), stored("Faces", 4, 117, 98), stored("Faces", 5, 117, 98),
    stored("Faces", 6, 117, 98), stored("Faces", 7, 117, 98), stored("Faces", 8, 117, 98),
    stored("Faces", 9, 117, 98), stored("Faces", 10, 117, 98), stored("Faces", 11, 117, 98),
    stored("Faces", 12, 182, 170), stored("Faces", 13, 182, 170),
    stored("hands", 0, 33, 28, 0x00000000),
    stored("hands", 1, 67, 147), stored("hands", 2, 106, 84), stored("hands", 3, 302, 209),
    stored("hands", 4, 232, 150), stored("hands", 5, 67, 147), stored("hands", 6, 106, 84),
    stored("hands", 7, 232, 150),
    stored("Dolls", 0, 33, 33, 0x00000000),
    stored("Dolls", 1, 122, 210), stored("Dolls", 2, 138, 209), stored("Dolls", 3, 145, 209),
    stored("Bottle", -1, 73, 137),
    stored("Maskwork", 0, 41, 41), stored("Maskwork", 1, 41, 41), stored("Maskwork", 2, 41, 41),
    ElementRow{"Mokuta", -1, pic, "Form1", 208, 48, 305, 257, "", G(9), sys_text, 0x00FEFFEE, shown, 18, store},
    ElementRow{"Quits", -1, btn, "Mokuta", 216, 208, 81, 41, QT_TRANSLATE_NOOP("Form1", "おしまい"), G(9), def, def, off, 72, plain},
    ElementRow{"Last_mes", 1, lbl, "Mokuta", 216, 96, 81, 73, "Label8", P(48), 0x000000FF, def, hidden, 74, see_through},
    ElementRow{"Last_mes", 0, lbl, "Mokuta", 24, 96, 81, 73, "Label8", P(48), 0x000000FF, def, hidden, 73, see_through},
    ElementRow{"Mokuta_mes", -1, lbl, "Mokuta", 64, 8, 233, 33, "mokuta_mes", P(9.75), 0x00800000, def, shown, 31, see_through},
    ElementRow{"Text2", 3, txt, "Form1", 120, 264, 49, 18, "Text", G(9), 0x00FF0000, def, hidden, 30, plain},
    ElementRow{"Text1", 3, txt, "Form1", 16, 256, 89, 25, "Text1", G(12), 0x00004000, 0x00C0FFC0, hidden, 29, plain},
    ElementRow{"Item_NO", -1, btn, "Form1", 96, 72, 33, 17, QT_TRANSLATE_NOOP("Form1", "no"), G(9), def, def, hidden, 27, plain},
    ElementRow{"Item_YES", -1, btn, "Form1", 144, 72, 33, 17, QT_TRANSLATE_NOOP("Form1", "yes"), G(9), def, def, hidden, 26, plain},
    ElementRow{"Picture6", -1, pic, "Form1", 0, 32, 209, 65, "", win, sys_text, sys_bg, shown, 25, plain},
    ElementRow{"Label6", -1, lbl, "Picture6", 8, 8, 193, 33, "Label6", G(11.25, true), 0x00000080, def, hidden, 28, see_through},
    ElementRow{"Text5", -1, txt, "Form1", 480, 32, 25, 18, "100", G(9.75), 0x00808080, def, shown, 24, plain},
    ElementRow{"Text4", -1, txt, "Form1", 416, 32, 25, 18, "100", G(9.75), 0x00808080, def, shown, 23, plain},
    ElementRow{"Text3", -1, txt, "Form1", 408, 0, 81, 25, "30,000", G(12, true), 0x000000FF, def, shown, 20, plain},
    ElementRow{"Text2", 2, txt, "Form1", 120, 224, 49, 18, "Text", G(9), 0x00FF8080, def, shown, 17, plain},
    ElementRow{"Text2", 1, txt, "Form1", 120, 184, 49, 18, "Text", G(9), 0x00FF8080, def, shown, 16, plain},
    ElementRow{"Text2", 0, txt, "Form1", 120, 144, 49, 18, "Text", G(9), 0x00FF8080, def, shown, 15, plain},
    ElementRow{"Menu_OK", -1, btn, "Form1", 128, 96, 49, 25, QT_TRANSLATE_NOOP("Form1", "決定"), G(9), def, def, hidden, 0, plain},
    ElementRow{"Shuffle", -1, btn, "Form1", 8, 96, 49, 25, QT_TRANSLATE_NOOP("Form1", "もっと"), G(9), def, def, shown, 4, plain},
    ElementRow{"Text1", 0, txt, "Form1", 16, 136, 89, 25, "Text1", G(12), 0x00000000, 0x00C0FFFF, shown, 3, plain},
    ElementRow{"Text1", 1, txt, "Form1", 16, 176, 89, 25, "Text1", G(12), def, 0x00C0FFFF, shown, 2, plain},
    ElementRow{"Text1", 2, txt, "Form1", 16, 216, 89, 25, "Text1", G(12), def, 0x00C0FFFF, shown, 1, plain},
    ElementRow{"Picture3", -1, pic, "Form1", 8, 104, 185, 185, "", G(9), sys_text, sys_bg, shown, 14, plain},
    ElementRow{"Help_mes", -1, txt, "Form1", 8, 0, 377, 25, "Text", G(11.25, true), 0x00FFFFFF, 0x00FF0000, shown, 12, plain},
    ElementRow{"Roulet_OK", -1, btn, "Form1", 128, 128, 41, 25, QT_TRANSLATE_NOOP("Form1", "Go"), win, def, def, shown, 11, plain},
    ElementRow{"Picture1", -1, pic, "Form1", 24, 128, 89, 105, "", P(12, true), 0x00FFFFFF, 0x00FF8080, shown, 9, plain},
    ElementRow{"Frame1", -1, Kind::Frame, "Form1", 16, 112, 169, 129, QT_TRANSLATE_NOOP("Form1", "ボーナスルーレット"), win, def, 0x00FFFFFF, shown, 10, plain},
    ElementRow{"Picture2", -1, pic, "Frame1", 104, 48, 57, 73, "", win, sys_text, 0x00FFFFFF, shown, 13, plain},
    ElementRow{"Batsu", -1, lbl, "Picture2", 0, 16, 57, 49, "×", P(39.75), 0x00C0C000, def, hidden, 33, see_through},
    ElementRow{"Maru", -1, lbl, "Picture2", 0, 16, 57, 49, "○", P(39.75), 0x00FF80FF, def, hidden, 32, see_through},
    ElementRow{"Text6", -1, txt, "Form1", 344, 32, 25, 18, "1", G(9.75), 0x00FF0000, def, shown, 35, plain},
    ElementRow{"Check1", -1, Kind::CheckBox, "Form1", 8, 288, 33, 17, QT_TRANSLATE_NOOP("Form1", "BGM"), G(8.25), def, def, shown, 84, plain},
    ElementRow{"Label7", -1, lbl, "Form1", 496, 8, 17, 17, QT_TRANSLATE_NOOP("Form1", "本"), G(9, true), def, def, shown, 36, see_through},
    ElementRow{"Label2", -1, lbl, "Form1", 312, 32, 25, 17, QT_TRANSLATE_NOOP("Form1", "もく"), G(9), sys_text, def, shown, 34, see_through},
    ElementRow{"Label5", -1, lbl, "Form1", 448, 32, 33, 17, QT_TRANSLATE_NOOP("Form1", "体調"), G(9), def, def, shown, 22, see_through},
    ElementRow{"Label4", -1, lbl, "Form1", 376, 32, 41, 17, QT_TRANSLATE_NOOP("Form1", "やる気"), G(9), def, def, shown, 21, see_through},
    ElementRow{"Label3", -1, lbl, "Form1", 392, 8, 17, 17, QT_TRANSLATE_NOOP("Form1", "髪"), G(9, true), def, def, shown, 19, see_through},
    ElementRow{"Lable3", -1, lbl, "Form1", 0, 32, 65, 17, QT_TRANSLATE_NOOP("Form1", "今日の行動"), G(9), def, def, shown, 8, see_through},
    ElementRow{"Label1", 0, lbl, "Form1", 0, 48, 65, 41, "Label1", G(9.75), sys_text, 0x00FFFFFF, shown, 7, plain},
    ElementRow{"Label1", 1, lbl, "Form1", 72, 48, 65, 41, "Label1", G(9.75), sys_text, 0x00FFFFFF, shown, 6, plain},
    ElementRow{"Label1", 2, lbl, "Form1", 144, 48, 65, 41, "Label1", G(9.75), sys_text, 0x00FFFFFF, shown, 5, plain},
};

constexpr bool same_name(const char* a, const char* b)
{
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}

// Words in another language are longer than the kana and kanji these boxes were drawn for.
struct SmallerInTranslation {
    const char* name;
    int index;
    double points;
};
constexpr SmallerInTranslation smaller_in_translation[] = {
    {"Label3", -1, 6},                            // 髪, one kanji wide
    {"Last_mes", 0, 24}, {"Last_mes", 1, 24},     // one big kana each
    {"Label1", 0, 8.25}, {"Label1", 1, 8.25}, {"Label1", 2, 8.25},  // three lines in 41 pixels
    {"Lable3", -1, 8.25},                         // 今日の行動
    {"Label5", -1, 8.25},                         // 体調
    {"Check1", -1, 7.5},                          // BGM beside its box
};

// The read-outs show numbers and the prize window its two marks, the same in every language.
constexpr const char* never_words[] = {"Text2", "Text3", "Text4", "Text5", "Text6", "Maru", "Batsu"};

// A store's box is its picture plus its 2-pixel border, as the pictures' own
// sizes say; the prize sheet's box is the one store that does not size itself.
constexpr bool stores_fit_their_pictures()
{
    for (const picture::Stored& picture : picture::catalogue)
        for (const ElementRow& row : rows)
            if (same_name(row.name, picture.store) && row.index == picture.index &&
                row.look == store && !same_name(row.name, "Bottle") &&
                (row.w != picture.size.w + 2 || row.h != picture.size.h + 2))
                return false;
    return true;
}
static_assert(stores_fit_their_pictures());

} // namespace

std::span<const ElementRow> element_rows()
{
    return rows;
}

FontSpec translated_font(const ElementRow& row)
{
    for (const char* name : never_words)
        if (same_name(row.name, name))
            return row.font;
    if (row.font.face == Typeface::WindowFont)
        return row.font;
    FontSpec latin{Typeface::Latin, row.font.points, row.font.bold};
    for (const SmallerInTranslation& smaller : smaller_in_translation)
        if (same_name(row.name, smaller.name) && row.index == smaller.index)
            latin.points = smaller.points;
    return latin;
}
