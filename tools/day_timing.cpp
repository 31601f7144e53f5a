// The real length of a plain day, a day that ends in a bonus day and one that ends with a caller,
// in the real program's window and in the language asked for. Run it once with --language ja
// and once with --language en to compare the two.
//
//   day_timing [--language ja|en] [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QApplication>

#include "app/Form1.h"
#include "platform/Language.h"
#include "tools/MeasuringHost.h"
#include "sound/SdlMediaCommands.h"

namespace {

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Every draw wins, so no mood remark lengthens a day; the roulette stops on a miss and the
// caller is the old man, whose offer the player takes.
struct DayKind {
    const char* name;
    int16_t day_before;
    std::vector<double> took;
};

// The hero starts every measured day as he starts the game, so that no day brings an ending
// or a remark that another day does not.
void fresh_hero(Form1& form, int16_t day)
{
    form.st.Hair_Count = 30000;
    form.st.Motivation = 100;
    form.st.Health = 100;
    form.Status_Update();
    form.st.Day_Count = day;
}

} // namespace

int main(int argc, char* argv[])
{
    QString language = QString::fromLatin1(japanese);
    int rounds = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc)
            language = QString::fromLatin1(argv[++i]);
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (!speak(language)) {
        std::fprintf(stderr, "day_timing: no language %s\n", language.toLocal8Bit().constData());
        return 2;
    }
    wait_for_font_configuration();
    QApplication::setFont(window_font_in_language());
    MeasuringHost host;
    SdlMediaCommands sound(host);
    Form1 form(host, sound);
    host.player = [&form] {
        for (QWidget* w : {static_cast<QWidget*>(form.el.Roulet_OK), static_cast<QWidget*>(form.el.Item_YES)})
            if (form.el.reachable(w))
                form.el.press(w);
    };
    form.Form_Load();
    form.Starts_Click();

    DayKind kinds[] = {{"plain day", 1, {}}, {"day and bonus day", 4, {}}, {"day and caller", 14, {}}};
    for (int round = 0; round < rounds; ++round)
        for (DayKind& kind : kinds) {
            fresh_hero(form, kind.day_before);
            form.Label1_Click(0);
            auto start = std::chrono::steady_clock::now();
            form.Menu_OK_Click();
            kind.took.push_back(seconds_since(start));
        }
    std::printf("language %s, %d rounds (min / median / max):\n", language.toLatin1().constData(), rounds);
    for (DayKind& kind : kinds) {
        std::sort(kind.took.begin(), kind.took.end());
        std::printf("  %-18s %.3f / %.3f / %.3f s\n", kind.name, kind.took.front(),
                    kind.took[kind.took.size() / 2], kind.took.back());
    }
    return 0;
}
