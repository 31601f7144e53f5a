// The real length of a roulette spin in the real program's window, against 3 n (n + 1) / 2 ms.
#include <chrono>
#include <cstdio>

#include <QApplication>

#include "app/Form1.h"
#include "tools/MeasuringHost.h"
#include "sound/SdlMediaCommands.h"

// Every draw is r, so the spin has n = r x 10 + 50 steps and stops on a miss (r = 0 gives 50,
// r = 0.9999 gives 60), with no question after it.

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    wait_for_font_configuration();
    MeasuringHost host;
    SdlMediaCommands sound(host);
    Form1 form(host, sound);
    form.Form_Load();
    form.Starts_Click();
    form.Panel_Mode(1);

    // After the spin come the blink (600 ms), "スカです" typed (250 ms) and a 2 s pause.
    const double after_spin_ms = 600 + 250 + 2000;
    for (float r : {0.0f, 0.9999f, 0.0f, 0.9999f}) {
        host.r = r;
        const int n = static_cast<int>(std::nearbyint(r * 10.0 + 50.0));
        const double nominal_ms = 3.0 * n * (n + 1) / 2.0;
        form.el.Roulet_OK->setEnabled(true);
        auto start = std::chrono::steady_clock::now();
        form.Roulet_OK_Click();
        double took_ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        double spin_ms = took_ms - after_spin_ms;
        std::printf("n = %d: spin %.0f ms against %.0f ms nominal, ratio %.3f (%.1f ms a frame more)\n",
                    n, spin_ms, nominal_ms, spin_ms / nominal_ms, (spin_ms - nominal_ms) / (n + 1));
    }
    return 0;
}
