// The window's element set as data: one row per element, in stacking order.
#pragma once

#include <cstdint>
#include <span>

enum class Kind { Button, Picture, Label, TextBox, CheckBox, Frame };

// "ＭＳ ゴシック" is the fixed-pitch Gothic, "ＭＳ Ｐゴシック" the proportional one.
enum class Typeface { WindowFont, Gothic, PGothic };

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

inline constexpr const char* window_caption = "もくた君 1.20";
inline constexpr int design_client_width = 838;
inline constexpr int design_client_height = 663;
inline constexpr int design_client_x = 30;
inline constexpr int design_client_y = 67;
inline constexpr int timer1_interval_ms = 2000;
