// A machine without sound: the music says so once, the effects stay silent, the game goes on.
#include <gtest/gtest.h>

#include "app/Form1.h"
#include "sound/SdlMediaCommands.h"
#include "harness/TestHost.h"

TEST(NoSoundDevice, MusicReportsItsErrorAndTheGameGoesOn)
{
    TestHost host;
    SdlMediaCommands mci(host);
    Form1 form(host, mci);
    host.player.attach(form.el);
    host.dir = QStringLiteral(MOKUTA_SOURCE_DIR "/assets/sounds");
    form.Form_Load();

    form.Wave_Play(form.st.App_Dir + "b3.wav");
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_NE(form.Midi_Play(form.st.App_Dir + "mokuta.mid"), 0);
    EXPECT_EQ(host.boxes, QStringList{QStringLiteral("MCI(midi_open) error.")});
    EXPECT_FALSE(form.el.Timer1.enabled());
    EXPECT_EQ(form.Midi_Status(), QString());
    form.Midi_Stop();
    EXPECT_EQ(host.boxes.size(), 1);
}
