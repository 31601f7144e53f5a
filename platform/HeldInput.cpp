// Input that waits while the game pauses, and is handed over as soon as the game lets it run.
#include "platform/HeldInput.h"

void HeldInput::end_pause()
{
    pausing_ = false;
    if (held_.empty())
        return;
    QMetaObject::invokeMethod(&posted_, [this] {
        if (!pausing_)
            run();
    }, Qt::QueuedConnection);
}

void HeldInput::deliver(std::function<void()> input)
{
    if (pausing_)
        held_.push_back(std::move(input));
    else
        input();
}

void HeldInput::run()
{
    while (!held_.empty()) {
        std::function<void()> input = std::move(held_.front());
        held_.pop_front();
        input();
    }
}
