// The day's three plans: dealing them, picking one, the one re-deal a day, and the panel's two looks.
#include "app/Form1.h"
#include "game/Rules.h"
#include "render/Colours.h"

void Form1::Menu_Deal()
{
    el.Menu_OK->hide();
    for (int p = 0; p <= 2; ++p) {
        el.Label1[p]->set_caption(QString());
        set_back_colour(*el.Label1[p], colour::white);
        el.Label1[p]->setEnabled(true);
        el.Text1[p]->setText(QString());
        el.Text2[p]->setText(QString());
    }
    for (int p = 0; p <= 2; ++p)
        for (int s = 0; s <= 2; ++s)
            st.Plan_Act[p][s] = deal_slot(s, host.random());
    for (int p = 0; p <= 2; ++p) {
        const auto& plan = st.Plan_Act[p];
        el.Label1[p]->set_caption(st.Act_Name[plan[0]] + "\r\n" + st.Act_Name[plan[1]] + "\r\n" +
                                  st.Act_Name[plan[2]]);
    }
}

void Form1::Label1_Click(int16_t Index)
{
    for (Label* plan : el.Label1)
        set_back_colour(*plan, colour::white);
    set_back_colour(*el.Label1[Index], colour::light_yellow);
    st.Plan_No = Index;
    el.Menu_OK->show();
}

void Form1::Shuffle_Click()
{
    if (!st.Shuffle_OK)
        return;
    Menu_Deal();
    st.Shuffle_OK = False;
    el.Shuffle->setEnabled(false);
}

// Mode 0 is the everyday panel; mode 1 uncovers the roulette and covers the
// plans for bonus days and callers. Mode 0 leaves the decide button and the
// item row alone, so that they come back only when the game asks for them.
void Form1::Panel_Mode(int mode)
{
    const bool everyday = mode == 0;
    el.Picture3->setVisible(everyday);
    el.Picture6->setVisible(!everyday);
    el.Shuffle->setVisible(everyday);
    if (!everyday)
        el.Menu_OK->hide();
    for (int k = 0; k <= 2; ++k) {
        el.Text1[k]->setVisible(everyday);
        el.Text2[k]->setVisible(everyday);
    }
    if (!everyday) {
        el.Text1[3]->hide();
        el.Text2[3]->hide();
    }
}
