// The game's window: it owns the game state and every element, and runs every procedure.
#pragma once

#include <cstdint>

#include "game/GameState.h"
#include "platform/Host.h"
#include "render/Elements.h"

class Form1 {
public:
    explicit Form1(Host& host);

    Host& host;
    GameState st;
    Elements el;

    // Start-up and shutdown.
    void Form_Load();
    void Form_Fit(QWidget& frm, int32_t& W, int32_t& H);
    void Form_Unload();

private:
    void write_roulette_strip();
    void check_sound_files();
};

// The start of the program: one copy per user session, then the window loads.
void Main(Host& host, Form1*& form);

// The sound files the game needs beside the program.
inline constexpr const char* sound_files[] = {"mokuta.mid", "b1.wav", "b2.wav", "b3.wav"};

// The window's outer size for a wanted inner size, as the frame stays what it is.
float fitted_outer_twips(float outer_twips, float twips_per_pixel, int32_t inner_pixels,
                         int32_t wanted_pixels);
