// The seam for sound: plain-text media commands in, a status code (and maybe an answer) out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Error codes the sound player can answer with; 0 is success.
namespace media_error {
inline constexpr uint32_t bad_command = 261;
inline constexpr uint32_t no_such_device = 263;
inline constexpr uint32_t no_audio_device = 266;
inline constexpr uint32_t file_not_found = 275;
inline constexpr uint32_t alias_in_use = 289;
inline constexpr uint32_t bad_file = 296;
} // namespace media_error

class MediaCommands {
public:
    virtual ~MediaCommands() = default;

    // Sends one command. A query puts at most `capacity - 1` characters of its
    // answer into `answer`; a failed query leaves it empty.
    virtual uint32_t send(const std::string& command, std::string* answer = nullptr,
                          std::size_t capacity = 0) = 0;

    // The first sound follows soon: whatever it needs can get ready meanwhile.
    virtual void get_ready() {}

    // Lets go of the sound hardware before the process ends.
    virtual void release() {}

    // Why the last command that failed did, in a few words.
    virtual std::string last_error() const { return {}; }
};
