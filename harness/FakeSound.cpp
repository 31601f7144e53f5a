// A sound player that records every command and answers as a well-behaved sequencer would.
#include "harness/FakeSound.h"

#include <sstream>

uint32_t FakeSound::send(const std::string& command, std::string* answer, std::size_t capacity)
{
    sent.push_back(command);
    if (answer)
        answer->clear();
    for (const auto& [prefix, code] : failing)
        if (command.rfind(prefix, 0) == 0)
            return code;

    std::istringstream in(command);
    std::string verb, alias;
    in >> verb;
    if (verb == "open") {
        alias = command.substr(command.rfind(' ') + 1);
        if (open_.count(alias))
            return media_error::alias_in_use;
        open_.insert(alias);
        return 0;
    }
    in >> alias;
    if (!open_.count(alias))
        return media_error::no_such_device;
    if (verb == "close") {
        open_.erase(alias);
        playing_.erase(alias);
    } else if (verb == "play") {
        playing_.insert(alias);
    } else if (verb == "stop") {
        playing_.erase(alias);
    } else if (verb == "status" && answer) {
        std::string mode = playing_.count(alias) ? "playing" : "stopped";
        if (playing_.count(alias) && !mode_override.empty())
            mode = mode_override;
        *answer = mode.substr(0, capacity > 0 ? capacity - 1 : 0);
    }
    return 0;
}
