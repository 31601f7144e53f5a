// The game's window: it owns the game state and every element, and runs every procedure.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

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
    // Closes the sound and ends the process with the status given (0 for a close).
    void Form_Unload(int exit_status = 0);

    // The title screen and the start of the game.
    void Starts_Click();

    // Keys that play the game without a mouse; true when the key was the game's.
    bool Form_KeyDown(int key);

    // The day.
    void Menu_OK_Click();

    // Status and endings.
    void Status_Update();
    void End_Show();
    void Quits_Click();

    // Special days.
    void Bonus_Day();
    void Roulet_OK_Click();
    void Item_Use();
    void Item_YES_Click();
    void Item_NO_Click();
    void Event_Call();

    // The music switch and its watchdog.
    void Check1_Click();
    void Timer1_Timer();

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
    void lay_out_title();
    void draw_hero_on_title(int x, int y, int face_w, int face_h);

    void lock_menu(std::array<int16_t, 3>& action);
    void show_plan(const std::array<int16_t, 3>& action);
    void react_to_plan(const std::array<int16_t, 3>& action);
    void resolve_slot(int k, int16_t a);
    void use_item_of_the_day();
    void clear_slots();
    void close_day();

    void show_reading(TextBox& box, int16_t value, const QString& falling, const QString& rising);
    void bald_ending();
    void full_hair_ending();
    void ending_sound(const QString& file);
    void show_big_letters(const QString& left, const QString& right, const QColor* colour);
    void last_word(int16_t hands, const QString& remark);

    void paint_strip_row(int row, const QColor& band, const QColor& name);
    void paint_strip_name(int row, const QColor& name);
    void spin_roulette(int16_t n);
    void blink_winner();
    void show_prize();
    void show_question(const QString& question);
    void ask_yes_no();
    void item_works(int16_t k, const QString& name);
    void item_fails(int16_t k);
    void accept_offer(int base);
    void tanning_scene();
    void shopping_scene();
    void wig_scene();
    void medicine_scene();
    void hair_grows();
    void hair_falls(int16_t caller);

    bool unloading_ = false;
    bool music_switching_ = false;
    // Counts the music switch's clicks, so that a restart of the tune can see
    // that the switch took the music over while it waited.
    int music_switches_ = 0;

    int16_t hair_picture() const;
    int16_t hands_picture() const;
    void wire_events();
    void write_roulette_strip();
    void check_sound_files();
    void music_failed(const char* box, const std::string& why);
    void check_typefaces();
};

// The start of the program: one copy per user session, then the window loads.
void Main(Host& host, MediaCommands& mci, std::unique_ptr<Form1>& form);

// The sound files the game needs beside the program.
inline constexpr const char* sound_files[] = {"mokuta.mid", "b1.wav", "b2.wav", "b3.wav"};

// The window's outer size for a wanted inner size, as the frame stays what it is.
float fitted_outer_twips(float outer_twips, float twips_per_pixel, int32_t inner_pixels,
                         int32_t wanted_pixels);
