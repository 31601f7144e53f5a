// The window's load and unload: the order in which the game comes up and goes away.
#include "app/Form1.h"

#include <cmath>

#include "game/Looks.h"
#include "game/Words.h"
#include "platform/Language.h"
#include "platform/Paths.h"
#include "render/Colours.h"
#include "render/Pictures.h"
#include "render/Raster.h"

namespace {

// Every click the game listens to, and the window's close box.
void wire_events(Form1& f)
{
    f.el.Form1->on_close([&f] { f.Form_Unload(); });
    f.el.on_key([&f](int key) { return f.Form_KeyDown(key); });
    for (int16_t i = 0; i <= 2; ++i)
        f.el.on_click(f.el.Label1[i], [&f, i] { f.Label1_Click(i); });
    f.el.on_click(f.el.Shuffle, [&f] { f.Shuffle_Click(); });
    f.el.on_click(f.el.Starts, [&f] { f.Starts_Click(); });
    f.el.on_click(f.el.Menu_OK, [&f] { f.Menu_OK_Click(); });
    f.el.on_click(f.el.Quits, [&f] { f.Quits_Click(); });
    f.el.on_click(f.el.Roulet_OK, [&f] { f.Roulet_OK_Click(); });
    f.el.on_click(f.el.Item_YES, [&f] { f.Item_YES_Click(); });
    f.el.on_click(f.el.Item_NO, [&f] { f.Item_NO_Click(); });
    f.el.on_click(f.el.Check1, [&f] { f.Check1_Click(); });
    f.el.Timer1.on_tick([&f] { f.Timer1_Timer(); });
}

// The five prize names in white, once; the roulette repaints single rows later.
// The strip lies under its cover until the first bonus day, so the names are
// drawn when the strip is first painted or drawn into, not at start-up.
void write_roulette_strip(Form1& f)
{
    PictureBox& strip = *f.el.Picture1;
    strip.draw_when_needed([&f, &strip](QImage& image) {
        for (int i = 0; i <= 4; ++i)
            text_out(image, strip.font(), colour::white, 10, i * 20 + 2, f.st.Item_Name[i]);
    });
}

void check_sound_files(Form1& f)
{
    for (const char* name : sound_files) {
        const QString path = f.st.App_Dir + QString::fromLatin1(name);
        const FileCheck found = f.host.file_attributes(path);
        if (found == FileCheck::Ok)
            continue;
        f.host.message_box(found == FileCheck::NotFound ? say("Load", "音のファイルがない。")
                                                        : say("Load", "エラーです。"));
        f.host.note(path + QStringLiteral(": ") + f.host.file_problem(path));
        f.host.end_process(1);
    }
}

// Without a Japanese font every text of the Japanese game is empty boxes, so
// the box that says so is in English; the game plays on. The game in another
// language needs no Japanese font.
void check_typefaces(Form1& f)
{
    if (!speaks_japanese() || f.host.has_japanese_font())
        return;
    f.host.message_box(QStringLiteral(
        "No Japanese font is installed, so the game's text cannot be shown.\n"
        "Install fonts-ipafont-gothic or fonts-noto-cjk (sudo apt install fonts-ipafont-gothic)."));
}

} // namespace

Form1::Form1(Host& host_, MediaCommands& mci_) : host(host_), mci(mci_), el(host_)
{
    const QStringList missing = load_pictures(el);
    if (!missing.isEmpty()) {
        host.message_box(say("Load", "絵のファイルがない。").text + QStringLiteral("\n") +
                         missing.join(QStringLiteral(", ")));
        host.end_process(1);
    }
    wire_events(*this);
}


void Main(Host& host, MediaCommands& mci, std::unique_ptr<Form1>& form)
{
    if (!host.claim_single_instance()) {
        host.message_box(say("Load", "既に起動しています。"));
        host.end_process(1);
    }
    form = std::make_unique<Form1>(host, mci);
    form->Form_Load();
}


void Form1::Form_Load()
{
    st.App_Dir = with_trailing_separator(host.program_dir());
    host.seed_random_from_clock();
    el.Mokuta_mes->set_caption(QString());

    st.Hair_Count = 30000;
    st.Motivation = 100;
    st.Health = 100;
    st.Caller_No = -1;
    st.Doll_No = -1;
    st.Day_Count = 0;
    st.Body_No = 0;
    st.Head_No = hairdo::short_spiky;
    st.Face_No = expression::calm;
    st.Hand_No = held::nothing;

    fill_placements(st);
    fill_lines(st);
    fill_actions(st);
    fill_success_multipliers(st);
    Menu_Deal();
    fill_prizes(st);
    write_roulette_strip(*this);

    int32_t width = 515;
    int32_t height = 305;
    Form_Fit(*el.Form1, width, height);
    el.Form1->show();
    lay_out_title();

    check_sound_files(*this);
    check_typefaces(*this);
    host.yield();
}


float fitted_outer_twips(float outer_twips, float twips_per_pixel, int32_t inner_pixels,
                         int32_t wanted_pixels)
{
    return outer_twips - twips_per_pixel * static_cast<float>(inner_pixels) +
           twips_per_pixel * static_cast<float>(wanted_pixels);
}

// Keeps the frame and title bar as they are and gives the inside exactly W x H pixels.
void Form1::Form_Fit(FormWindow& frm, int32_t& W, int32_t& H)
{
    const float tpp_x = 1440.0f / static_cast<float>(frm.logicalDpiX());
    const float tpp_y = 1440.0f / static_cast<float>(frm.logicalDpiY());
    const QRect outer = frm.frameGeometry();
    const int frame_w = outer.width() - frm.width();
    const int frame_h = outer.height() - frm.height();

    float outer_w = fitted_outer_twips(outer.width() * tpp_x, tpp_x, frm.width(), W);
    float outer_h = fitted_outer_twips(outer.height() * tpp_y, tpp_y, frm.height(), H);
    frm.fit_inside(QSize(static_cast<int>(std::lround(outer_w / tpp_x)) - frame_w,
                         static_cast<int>(std::lround(outer_h / tpp_y)) - frame_h));
}


// Closing always succeeds, also in the middle of a pause: the sound is closed
// and the process ends, abandoning whatever was waiting further up. A second
// request that arrives while the sound closes changes nothing.
void Form1::Form_Unload(int exit_status)
{
    if (unloading_)
        return;
    unloading_ = true;
    Wave_Stop();
    Midi_Stop();
    mci.release();
    host.end_process(exit_status);
}
