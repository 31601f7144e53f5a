// The real length of a plain day in the real program's window, against its nominal length.
#include <chrono>
#include <cstdio>

#include <QApplication>

#include "app/Form1.h"
#include "tools/MeasuringHost.h"
#include "sound/SdlMediaCommands.h"

namespace {

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    wait_for_font_configuration();
    MeasuringHost host;  // draws that always win: no mood remark lengthens the day
    SdlMediaCommands sound(host);
    Form1 form(host, sound);
    form.Form_Load();
    form.Starts_Click();

    const int days = argc > 1 ? std::atoi(argv[1]) : 4;
    const double nominal = 3.8 + 0.7;
    double total = 0;
    for (int day = 0; day < days; ++day) {
        form.Label1_Click(0);
        auto start = std::chrono::steady_clock::now();
        form.Menu_OK_Click();
        double took = seconds_since(start);
        total += took;
        std::printf("day %d: %.3f s (ratio %.3f)\n", day + 1, took, took / nominal);
    }
    std::printf("mean: %.3f s against %.1f s nominal, ratio %.3f\n", total / days, nominal,
                total / days / nominal);
    return 0;
}
