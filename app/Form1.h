// The game's window: it owns the game state and every element, and runs every procedure.
#pragma once

#include <cstdint>

#include "game/GameState.h"
#include "platform/Host.h"
#include "render/Elements.h"
#include "sound/MediaCommands.h"

class Form1 {
public:
    Form1(Host& host, MediaCommands& mci);

    Host& host;
    MediaCommands& mci;
    GameState st;
    Elements el;

    // Start-up and shutdown.
    void Form_Load();
    void Form_Fit(QWidget& frm, int32_t& W, int32_t& H);
    void Form_Unload();

    // The day's plans.
    void Menu_Deal();
    void Label1_Click(int16_t Index);
    void Shuffle_Click();
    void Panel_Mode(int mode);

    // The game's pace.
    void Mes_Show(const QString& text);
    void Wait_Time(int32_t ms);

    // Sound.
    void Wave_Play(const QString& path);
    void Wave_Stop();
    int32_t Midi_Play(const QString& path);
    void Midi_Stop();
    void Midi_Loop();
    QString Midi_Status();

    // The hero's picture.
    void Hero_Draw();
    void Draw_Doll();
    void Mask_Face();
    void Mask_Head();
    void Mask_Hands();
    void Draw_Body();
    void Draw_Face();
    void Draw_Head();
    void Draw_Hands();

private:
    int16_t hair_picture() const;
    int16_t hands_picture() const;
    void wire_events();
    void write_roulette_strip();
    void check_sound_files();
};

// The start of the program: one copy per user session, then the window loads.
void Main(Host& host, MediaCommands& mci, Form1*& form);

// The sound files the game needs beside the program.
inline constexpr const char* sound_files[] = {"mokuta.mid", "b1.wav", "b2.wav", "b3.wav"};

// The window's outer size for a wanted inner size, as the frame stays what it is.
float fitted_outer_twips(float outer_twips, float twips_per_pixel, int32_t inner_pixels,
                         int32_t wanted_pixels);
