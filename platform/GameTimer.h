// A window timer: ticks every interval while enabled, whenever the host lets events run.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Host.h"

class GameTimer {
public:
    GameTimer(Host& host, int32_t interval_ms) : host_(host), interval_ms_(interval_ms) {}
    GameTimer(const GameTimer&) = delete;
    GameTimer& operator=(const GameTimer&) = delete;

    bool enabled() const { return enabled_; }
    int32_t interval_ms() const { return interval_ms_; }

    void set_enabled(bool on)
    {
        if (on == enabled_)
            return;
        enabled_ = on;
        host_.timer_changed(*this);
    }

    void on_tick(std::function<void()> handler) { handler_ = std::move(handler); }
    void tick()
    {
        if (enabled_ && handler_)
            handler_();
    }

private:
    Host& host_;
    int32_t interval_ms_;
    bool enabled_ = false;
    std::function<void()> handler_;
};
