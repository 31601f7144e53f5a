// The game's window: it owns the game state and every element, and runs every procedure.
//
// This class is the map of the game. Each group below is one source file and
// says what it does; the helpers that serve only one file live in that file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "game/GameState.h"
#include "game/Words.h"
#include "platform/Host.h"
#include "render/Elements.h"
#include "sound/MediaCommands.h"

class Form1 {
public:
    Form1(Host& host, MediaCommands& mci);

    Host& host;          // time, dialogs, files, the process (platform/)
    MediaCommands& mci;  // the sound commands (sound/)
    GameState st;        // the whole state of the one game (game/GameState.h)
    Elements el;         // the window and every element in it (render/Elements.h)

    // app/Form1.cpp: the order in which the game comes up (the pictures, the
    // state, the window, the sound files) and goes away.
    void Form_Load();
    void Form_Fit(FormWindow& frm, int32_t& W, int32_t& H);
    // Closes the sound and ends the process with the status given (0 for a close).
    void Form_Unload(int exit_status = 0);

    // app/Title.cpp: the title screen with the hero drawn onto it, and はじめ.
    void lay_out_title();
    void Starts_Click();

    // app/Keys.cpp: the keys that press what a click could press; true when the key was the game's.
    bool Form_KeyDown(int key);

    // game/Menu.cpp: the day's three plans, the one re-deal a day, and the panel's two looks.
    void Menu_Deal();
    void Label1_Click(int16_t Index);
    void Shuffle_Click();
    void Panel_Mode(int mode);

    // game/Day.cpp: 決定 plays the picked plan slot by slot, then closes the day.
    void Menu_OK_Click();

    // game/Status.cpp: the read-outs after every change, the two endings and おしまい.
    void Status_Update();
    void End_Show();
    void Quits_Click();

    // game/Messages.cpp: the game's pace: typed messages, pauses, and waits for a click.
    void Mes_Show(const Words& message);
    void Wait_Time(int32_t ms);
    void wait_until(const std::function<bool()>& done);

    // game/Bonus.cpp: the bonus day and its roulette, one spin a bonus day.
    void Bonus_Day();
    void Roulet_OK_Click();

    // game/Items.cpp: a won hair product, and the yes/no question it shares with the callers.
    void Item_Use();
    void Item_YES_Click();
    void Item_NO_Click();
    void show_question(const QString& question);
    void ask_yes_no();

    // game/Encounters.cpp: the caller of every fifteenth day and each caller's scene.
    void Event_Call();

    // render/Hero.cpp: the hero drawn from his layers, and a caller beside him.
    void Hero_Draw();
    void Draw_Doll();
    void Mask_Face();
    void Mask_Head();
    void Mask_Hands();
    void Draw_Body();
    void Draw_Face();
    void Draw_Head();
    void Draw_Hands();

    // sound/MciWave.cpp: the sound player: one wave effect at a time, and the music.
    void Wave_Play(const QString& path);
    void Wave_Stop();
    int32_t Midi_Play(const QString& path);
    void Midi_Stop();
    void Midi_Loop();
    QString Midi_Status();

    // sound/Music.cpp: the music switch and the watchdog that restarts the tune.
    void Check1_Click();
    void Timer1_Timer();

    // What the window keeps beside the game's own state.
    bool unloading_ = false;        // the close has begun; a second request changes nothing
    bool music_switching_ = false;  // the music switch is stopping or starting the music
    int music_switches_ = 0;        // clicks on the switch, so a tune's restart sees one
};

// app/Form1.cpp: the start of the program: one copy per user session, then the window loads.
void Main(Host& host, MediaCommands& mci, std::unique_ptr<Form1>& form);

// The sound files the game needs beside the program.
inline constexpr const char* sound_files[] = {"mokuta.mid", "b1.wav", "b2.wav", "b3.wav"};

// The window's outer size for a wanted inner size, as the frame stays what it is.
float fitted_outer_twips(float outer_twips, float twips_per_pixel, int32_t inner_pixels,
                         int32_t wanted_pixels);
