// The whole state of one game, owned by the window; fields at the widths the rules count in.
#pragma once

#include <array>
#include <cstdint>

#include <QString>

// A Boolean of the game: a 16-bit value, True is -1 and every test asks for non-zero.
using Flag = int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;

struct GameState {
    std::array<QString, 6> Item_Name;
    int32_t Roulet_Tick = 0;
    int16_t Prize_No = 0;
    std::array<QString, 10> Act_Name;
    std::array<std::array<int16_t, 3>, 3> Plan_Act{};
    std::array<QString, 51> Mes_Text;
    int16_t Plan_No = 0;
    int16_t Day_Count = 0;
    int32_t Hair_Count = 0;
    int16_t Motivation = 0;
    int16_t Health = 0;
    std::array<float, 10> Success_Mul{};
    std::array<std::array<int32_t, 5>, 10> Act_Table{};
    std::array<std::array<int32_t, 4>, 5> Item_Table{};
    Flag Roulet_Done = False;
    int16_t Yes_No = 0;
    int16_t Item_Now = 0;
    Flag Shuffle_OK = False;
    QString App_Dir;
    int16_t Caller_No = 0;
    int16_t Body_No = 0;
    int16_t Head_No = 0;
    int16_t Face_No = 0;
    int16_t Hand_No = 0;
    int16_t Doll_No = 0;
    Flag Stand_Left = False;
    int16_t Face_W = 0;
    int16_t Face_H = 0;
    int16_t Draw_X = 0;
    int16_t Draw_Y = 0;
    std::array<std::array<int16_t, 4>, 9> Hand_Pos{};
    std::array<std::array<int16_t, 4>, 5> Doll_Pos{};
    Flag Quit_Flag = False;
    Flag Tan_Look = False;
};

// Filling the record at load, in the order the load sequence needs.
void fill_placements(GameState& st);
void fill_lines(GameState& st);
void fill_actions(GameState& st);
void fill_success_multipliers(GameState& st);
void fill_prizes(GameState& st);
