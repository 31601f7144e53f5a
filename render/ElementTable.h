// The window's element set as data: one row per element, in stacking order.
#pragma once

#include <cstdint>
#include <span>

#include <QtGlobal>

enum class Kind { Button, Picture, Label, TextBox, CheckBox, Frame };

// "ＭＳ ゴシック" is the fixed-pitch Gothic, "ＭＳ Ｐゴシック" the proportional one; the
// game's words in another language are set in a face with good Latin letters.
enum class Typeface { WindowFont, Gothic, PGothic, Latin };

struct FontSpec {
    Typeface face = Typeface::WindowFont;
    double points = 0;
    bool bold = false;
};

enum class Start { Shown, Hidden, HiddenDisabled };

enum Look : unsigned {
    plain = 0,
    transparent = 1,  // a label that draws only its text
    border = 2,       // a picture box with a flat 1-pixel border
};

struct ElementRow {
    const char* name;
    int index;  // -1 for an element that is not part of an array
    Kind kind;
    const char* container;  // "Form1" or the name of a single element
    int x, y, w, h;
    const char* caption;
    FontSpec font;
    uint32_t fore, back;
    Start start;
    int tab;  // the design's tab order (-1: none); the keyboard walks reading_order() instead
    unsigned look;
};

std::span<const ElementRow> element_rows();

// The font of an element's words in a language other than Japanese: the Latin face at the
// element's own size, or smaller where its box was drawn for a kanji or two. The elements
// that show only numbers or marks keep their Japanese faces in every language.
FontSpec translated_font(const ElementRow& row);

// The captions are the game's Japanese; the window shows them in the language it speaks.
inline constexpr const char* window_caption = QT_TRANSLATE_NOOP("Form1", "もくた君 1.20");
inline constexpr int design_client_width = 838;
inline constexpr int design_client_height = 663;
inline constexpr int design_client_x = 30;
inline constexpr int design_client_y = 67;
inline constexpr int timer1_interval_ms = 2000;
