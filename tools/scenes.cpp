// Pictures of the special days as the player sees them, taken from the game's own window,
// in either language:  scenes [--language ja|en] [DIR]
#include <functional>

#include <QApplication>
#include <QDir>
#include <QPainter>

#include "game/RuleTables.h"
#include "platform/Language.h"
#include "harness/Game.h"

namespace {

QString out_dir;

void save(LoadedGame& g, const QString& name)
{
    g.el().Form1->grab().save(out_dir + "/" + name + ".png");
}

// Saves a picture the first time `when` holds at a yield.
struct Shot {
    std::function<bool()> when;
    QString name;
    bool taken = false;
};

void watch(LoadedGame& g, std::vector<Shot>& shots, std::function<void()> player)
{
    g.host.on_yield = [&g, &shots, player] {
        for (Shot& s : shots)
            if (!s.taken && s.when()) {
                s.taken = true;
                save(g, s.name);
            }
        player();
    };
}

void bonus_day(int prize, bool yes, bool works)
{
    LoadedGame g;
    g.on_day(5);
    Elements& el = g.el();
    int frames = 0;
    const QString p = QString::number(prize);
    std::vector<Shot> shots = {
        {[&] { return el.Mokuta_mes->caption() == g.st().Mes_Text[line::bonus_day]; }, "bonus_announced"},
        {[&] { return !el.Roulet_OK->isEnabled() && el.Picture1->shown_image().pixel(2, 50) == 0xFFFFFF00u &&
                      ++frames == 1; }, "roulette_mid_spin_" + p},
        {[&] { return el.Mokuta_mes->caption() == g.st().Mes_Text[line::prize_remark + prize]; },
         "prize_" + p},
        {[&] { return el.Item_YES->isVisible(); }, "prize_prompt_" + p},
        {[&] { return el.Maru->isVisible(); }, "prize_works_" + p},
        {[&] { return el.Batsu->isVisible(); }, "prize_fails_" + p},
    };
    watch(g, shots, [&] {
        if (g.host.player.clickable(el.Roulet_OK))
            g.host.player.click(el.Roulet_OK);
        else if (g.st().Yes_No == 0 && g.host.player.clickable(el.Item_YES))
            g.host.player.click(yes ? el.Item_YES : el.Item_NO);
    });
    g.host.give_draws({prize == 0 ? 0.0f : 0.1f * prize + 0.01f, works ? 0.99f : 0.0f});
    g.st().Health = works ? 100 : 80;
    g.form->Bonus_Day();
}

void encounter(int caller, bool yes)
{
    LoadedGame g;
    g.past_title();
    g.st().Day_Count = 15;
    Elements& el = g.el();
    const QString c = QString::number(caller) + (yes ? "_yes" : "_no");
    std::vector<Shot> shots = {
        {[&] { return el.Item_YES->isVisible(); }, "caller_" + c + "_offer"},
        // The first message of the scene, once typed: after the answer, before the hairs.
        {[&] { return g.st().Yes_No == 1 && !el.Help_mes->typing() && !el.Item_YES->isVisible() &&
                      !el.Help_mes->text().endsWith(say("Callers", "ＹｅｓかＮｏを選んでください").text); },
         "caller_" + c + "_scene"},
        {[&] { return el.Help_mes->text().contains(QStringLiteral("20,000")); }, "caller_" + c + "_end"},
        {[&] { return el.Mokuta_mes->caption() == g.st().Mes_Text[31 + 4 * caller + 3]; },
         "caller_" + c + "_declined"},
    };
    watch(g, shots, [&] {
        if (g.st().Yes_No == 0 && g.host.player.clickable(el.Item_YES))
            g.host.player.click(yes ? el.Item_YES : el.Item_NO);
    });
    g.host.give_draws({caller / 4.0f + 0.1f});
    g.form->Event_Call();
    save(g, "caller_" + c + "_after");
}

void ending(int32_t hair)
{
    LoadedGame g;
    g.on_day(12);
    g.st().Hair_Count = hair;
    Elements& el = g.el();
    const QString name = hair == 0 ? "bald" : "full_hair";
    std::vector<Shot> shots = {
        {[&] { return g.host.player.clickable(el.Quits); }, "ending_" + name},
        {[&] { return el.Quits->isVisible() && !el.Quits->isEnabled(); }, "ending_" + name + "_last_word"},
    };
    watch(g, shots, [&] {
        if (g.host.player.clickable(el.Quits))
            g.host.player.click(el.Quits);
    });
    status_when_ended([&] { g.form->Status_Update(); });
}

// A day of the four-day course of a hair product: its row under the three slots.
void day_with_item()
{
    LoadedGame g;
    g.on_day(7);
    g.st().Item_Now = 2;
    Elements& el = g.el();
    el.Text1[3]->show();
    el.Text2[3]->show();
    el.Text1[3]->setText(g.st().Item_Name[2]);
    el.Text2[3]->setText(QString());
    std::vector<Shot> shots = {{[&] { return !el.Text2[3]->text().isEmpty(); }, "day_with_item"}};
    watch(g, shots, [] {});
    g.host.draw_source = [] { return 0.99f; };
    g.form->Label1_Click(1);
    g.form->Menu_OK_Click();
}

} // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    wait_for_font_configuration();
    out_dir = QStringLiteral("/tmp/scenes");
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLatin1(argv[i]) == QLatin1String("--language") && i + 1 < argc)
            speak(QString::fromLatin1(argv[++i]));
        else
            out_dir = QString::fromLocal8Bit(argv[i]);
    }
    QApplication::setFont(window_font_in_language());
    QDir().mkpath(out_dir);
    bonus_day(0, false, false);
    for (int prize = 1; prize <= 4; ++prize)
        bonus_day(prize, true, prize % 2 == 0);
    day_with_item();
    ending(0);
    ending(100000);
    for (int caller = 0; caller <= 3; ++caller)
        for (bool yes : {true, false})
            encounter(caller, yes);
    return 0;
}
