// How long the hero's picture takes to rebuild, and one mask.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "render/Raster.h"
#include "harness/Game.h"

namespace {

LoadedGame& game()
{
    static LoadedGame g;
    return g;
}

void BM_HeroDraw(benchmark::State& state)
{
    LoadedGame& g = game();
    g.st().Hand_No = static_cast<int16_t>(state.range(0));
    g.st().Face_No = state.range(0) == 0 ? 12 : 0;
    for (auto _ : state)
        g.form->Hero_Draw();
}
BENCHMARK(BM_HeroDraw)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_MaskMake(benchmark::State& state)
{
    LoadedGame& g = game();
    PictureBox& scratch = *g.el().Maskwork[2];
    PictureBox& sprite = state.range(0) == 0 ? *g.el().Heads[2] : *g.el().hands[3];
    const int w = sprite.image().width(), h = sprite.image().height();
    scratch.place(QRect(0, 0, w + 2, h + 2));
    for (auto _ : state)
        Mask_Make(scratch, sprite, w, h);
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h));
}
BENCHMARK(BM_MaskMake)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
