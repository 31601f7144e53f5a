// A sound player that records every command and answers as a well-behaved sequencer would.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "sound/MediaCommands.h"

class FakeSound : public MediaCommands {
public:
    uint32_t send(const std::string& command, std::string* answer = nullptr,
                  std::size_t capacity = 0) override;
    void release() override { ++releases; }

    std::vector<std::string> sent;
    // A command that starts with one of these answers with its code.
    std::map<std::string, uint32_t> failing;
    // The sequencer's mode while it plays; "" means it answers as it should.
    std::string mode_override;
    int releases = 0;
    std::vector<std::string> since(std::size_t from) const
    {
        return {sent.begin() + static_cast<std::ptrdiff_t>(from), sent.end()};
    }

private:
    std::set<std::string> open_;
    std::set<std::string> playing_;
};
