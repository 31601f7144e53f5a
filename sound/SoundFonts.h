// Where Debian puts General MIDI SoundFonts, in the order the music takes them: the system's
// default first, then the two that Debian packages.
#pragma once

inline constexpr const char* debian_soundfonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/FluidR3_GM.sf3",
};
