// The real host for the measurements: real time and the real window, with the sounds of the
// source tree and every random draw fixed, so that each run plays the same way.
#pragma once

#include <functional>

#include "platform/RealHost.h"

class MeasuringHost : public RealHost {
public:
    float r = 0.99f;
    // A player that acts when the game lets events run, as soon as there is something to do.
    std::function<void()> player;
    QString program_dir() override { return QStringLiteral(MOKUTA_SOURCE_DIR "/assets/sounds"); }
    float random() override { return r; }
    void yield() override
    {
        RealHost::yield();
        if (player && !in_player_) {
            in_player_ = true;
            player();
            in_player_ = false;
        }
    }

private:
    bool in_player_ = false;
};
