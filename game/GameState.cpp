// Filling the game state's tables from the fixed rule tables.
#include "game/GameState.h"

#include <QCoreApplication>

#include "game/RuleTables.h"

// The table's Japanese, in the language the game speaks; the table's name is its context.
template <typename Out, typename In>
static void copy_texts(Out& out, const In& in, const char* context)
{
    for (std::size_t i = 0; i < in.size(); ++i)
        out[i] = *in[i] ? QCoreApplication::translate(context, in[i]) : QString();
}

void fill_placements(GameState& st)
{
    st.Hand_Pos = tables::Hand_Pos;
    st.Doll_Pos = tables::Doll_Pos;
}

void fill_lines(GameState& st)
{
    copy_texts(st.Mes_Text, tables::Mes_Text, "Mes_Text");
}

void fill_actions(GameState& st)
{
    copy_texts(st.Act_Name, tables::Act_Name, "Act_Name");
    st.Act_Table = tables::Act_Table;
}

void fill_success_multipliers(GameState& st)
{
    st.Success_Mul = tables::Success_Mul;
}

void fill_prizes(GameState& st)
{
    copy_texts(st.Item_Name, tables::Item_Name, "Item_Name");
    st.Item_Table = tables::Item_Table;
}
