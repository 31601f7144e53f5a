// Any lines as the sound player's commands, one after another on one player: opens of the
// game's own files (the run starts in a copy of them) and of whatever else is named, plays,
// stops, questions with answers of any room, and closes. No sound device is opened.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Host.h"
#include "sound/SdlMediaCommands.h"

namespace {

struct QuietHost : Host {
    uint32_t clock = 0;
    void sleep_ms(int32_t ms) override { clock += static_cast<uint32_t>(ms); }
    void yield() override {}
    uint32_t clock_ms() override { return clock += 7; }
    void seed_random_from_clock() override {}
    float random() override { return 0; }
    void message_box(const QString&) override {}
    void note(const QString&) override {}
    bool claim_single_instance() override { return true; }
    QString program_dir() override { return {}; }
    FileCheck file_attributes(const QString&) override { return FileCheck::Ok; }
    QString file_problem(const QString&) override { return {}; }
    bool has_japanese_font() override { return true; }
    void timer_changed(GameTimer&) override {}
    void deliver_input(std::function<void()> input) override { input(); }
    [[noreturn]] void end_process(int) override { __builtin_trap(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    QuietHost host;
    SdlMediaCommands player(host);
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string command = text.substr(begin, end - begin);
        std::string answer;
        const std::size_t room = command.empty() ? 0 : static_cast<unsigned char>(command[0]) % 20;
        player.send(command, &answer, room);
        if (answer.size() >= room && room > 0)
            __builtin_trap();  // an answer wider than the room it was given
        begin = end + 1;
    }
    player.release();
    return 0;
}
