// A seeded random player in virtual time: it clicks wherever a person could, presses keys and
// closes the window at random moments, game after game, and the game's rules are checked after
// every step. Built with the address and undefined-behaviour sanitizers by ./test.sh.
#include <cstdlib>
#include <random>

#include <QApplication>
#include <gtest/gtest.h>

#include "game/Rules.h"
#include "harness/Game.h"

namespace {

struct Figures {
    long games = 0, steps = 0, days = 0, bald = 0, full_hair = 0, closed = 0, capped = 0;
    long spins = 0, clicks = 0, keys = 0, invariant_checks = 0;
};

const QStringList prize_announcements = {
    QStringLiteral("\u3000スカです"), QStringLiteral("\u3000抜毛予防スプレーをゲットしました"),
    QStringLiteral("\u3000育毛剤をゲット！"), QStringLiteral("\u3000発毛剤をゲット！"),
    QStringLiteral("\u3000フエル軟膏をゲット！")};

constexpr int keys[] = {Qt::Key_1,     Qt::Key_2,   Qt::Key_3,   Qt::Key_Y, Qt::Key_N,
                        Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab, Qt::Key_A};
constexpr int16_t longest_game_days = 90;

class RandomPlayer {
public:
    RandomPlayer(unsigned seed, Figures& figures) : rng_(seed), figures_(figures)
    {
        // A third of the games draw luckily, a third unluckily, so that both endings come soon.
        const int luck = static_cast<int>(seed % 3);
        g_.host.draw_source = [this, luck] {
            std::uniform_real_distribution<float> u(0.0f, 1.0f);
            const float r = u(rng_);
            return luck == 0 ? r : luck == 1 ? 0.9f + 0.0999f * r : 0.1f * r;
        };
        g_.load();
        g_.host.on_yield = [this] { step(); };
    }

    // Plays until the process ends or the game grows too long; returns the exit status (or -999).
    int play()
    {
        int status = -999;
        try {
            status = status_when_ended([&] {
                while (g_.st().Day_Count < longest_game_days)
                    g_.host.idle_for(50);
            });
        } catch (const std::runtime_error& stuck) {
            ADD_FAILURE() << stuck.what() << " on day " << g_.st().Day_Count << ", saying "
                          << g_.el().Help_mes->text().toStdString() << ", "
                          << pressable().toStdString() << " could be pressed";
            return status;
        }
        figures_.days += g_.st().Day_Count;
        if (status == -999)
            ++figures_.capped;
        else if (ending_seen_)
            ++(g_.st().Hair_Count == 0 ? figures_.bald : figures_.full_hair);
        else
            ++figures_.closed;
        EXPECT_TRUE(status == 0 || status == -999) << "the game ended with " << status;
        EXPECT_FALSE(status == -999 && ending_seen_) << "an ending that never ended the game";
        EXPECT_TRUE(g_.host.boxes.isEmpty()) << g_.host.boxes.join(" ").toStdString();
        return status;
    }

private:
    QString pressable()
    {
        QStringList names;
        for (const ElementEntry& e : g_.el().all())
            if (g_.el().takes_clicks(e.widget) && g_.el().reachable(e.widget))
                names << Elements::element_name(*e.row);
        return names.join(QStringLiteral(" "));
    }

    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void step()
    {
        ++figures_.steps;
        watch_the_roulette();
        if (g_.el().Last_mes[0]->isVisible())
            ending_seen_ = true;
        if (acting_ == 0)
            check_at_rest();
        if (!chance(acting_ == 0 ? 0.5 : 0.08))
            return;
        ++acting_;
        act();
        --acting_;
    }

    void act()
    {
        Elements& el = g_.el();
        if (g_.host.player.clickable(el.Quits) && chance(0.7)) {
            click(el.Quits);
            return;
        }
        // Now and then the window is closed, at whatever moment that is.
        if (pick(2500) == 0) {
            g_.host.player.close_window();
            return;
        }
        const int what = pick(100);
        if (what < 50) {
            std::vector<QWidget*> reachable;
            for (const ElementEntry& e : el.all())
                if (el.takes_clicks(e.widget) && el.reachable(e.widget))
                    reachable.push_back(e.widget);
            if (!reachable.empty())
                click(reachable[static_cast<std::size_t>(pick(static_cast<int>(reachable.size())))]);
        } else if (what < 65) {
            click_anywhere();
        } else {
            ++figures_.keys;
            const int key = keys[pick(std::size(keys))];
            g_.host.player.key(key, key == Qt::Key_Tab && chance(0.5) ? Qt::ShiftModifier : Qt::NoModifier);
        }
    }

    void click(QWidget* element)
    {
        ++figures_.clicks;
        g_.host.player.click(element);
    }

    // A click at any point of the window lands on whatever lies on top there.
    void click_anywhere()
    {
        Elements& el = g_.el();
        QWidget* hit = el.Form1->childAt(pick(515), pick(305));
        while (hit && !el.takes_clicks(hit))
            hit = hit->parentWidget();
        ++figures_.clicks;
        if (hit && hit->isEnabled() && hit->isVisible())
            el.press(hit);
    }

    // One spin per bonus day, and none on any other day.
    void watch_the_roulette()
    {
        const QString shown = g_.el().Help_mes->text();
        if (shown == last_message_)
            return;
        last_message_ = shown;
        if (shown == QStringLiteral("\u3000ボーナスデーです"))
            spins_today_ = 0;
        if (!prize_announcements.contains(shown))
            return;
        ++figures_.spins;
        ++spins_today_;
        EXPECT_LE(spins_today_, 1) << "two spins on day " << g_.st().Day_Count;
        EXPECT_TRUE(is_bonus_day(g_.st().Day_Count)) << "a spin on day " << g_.st().Day_Count;
    }

    // Between two of the player's actions, with nothing of the game running.
    void check_at_rest()
    {
        ++figures_.invariant_checks;
        Elements& el = g_.el();
        const GameState& st = g_.st();
        if (el.Starts->isVisible() || ending_seen_)
            return;
        EXPECT_EQ(el.Text4->text(), QString::number(st.Motivation));
        EXPECT_EQ(el.Text5->text(), QString::number(st.Health));
        EXPECT_TRUE(st.Motivation >= 0 && st.Motivation <= 200 && st.Health >= 0 && st.Health <= 200);
        // The day's 100 lost hairs show with the next update; the day's number too.
        const QString hair = el.Text3->text();
        EXPECT_TRUE(hair == thousands(st.Hair_Count) || hair == thousands(st.Hair_Count + 100))
            << hair.toStdString() << " for " << st.Hair_Count;
        EXPECT_TRUE(st.Hair_Count > -100 && st.Hair_Count <= 99999) << st.Hair_Count;
        const int day = el.Text6->text().toInt();
        EXPECT_TRUE(day == st.Day_Count || day == st.Day_Count - 1) << day << " on " << st.Day_Count;
        EXPECT_FALSE(g_.host.player.clickable(el.Roulet_OK)) << "the roulette uncovered at rest";
        if (el.Menu_OK->isVisible()) {
            int picked = 0;
            for (Label* plan : el.Label1)
                picked += back_colour(*plan) != QColor(Qt::white);
            EXPECT_EQ(picked, 1) << "決定 shows with no plan picked";
        }
        QWidget* focus = el.Form1->focusWidget();
        EXPECT_TRUE(!focus || focus == el.Form1 || el.reachable(focus));
    }

    LoadedGame g_{false};
    std::mt19937 rng_;
    Figures& figures_;
    int acting_ = 0;
    int spins_today_ = 0;
    bool ending_seen_ = false;
    QString last_message_;
};

unsigned from_environment(const char* name, unsigned fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

} // namespace

TEST(RandomPlayer, ThousandsOfGamesKeepTheirRules)
{
    const unsigned games = from_environment("MOKUTA_FAULT_GAMES", 1000);
    const unsigned first_seed = from_environment("MOKUTA_FAULT_SEED", 20261209);
    Figures figures;
    QApplication::setActiveWindow(nullptr);
    for (unsigned n = 0; n < games; ++n) {
        SCOPED_TRACE(testing::Message() << "seed " << first_seed + n);
        RandomPlayer(first_seed + n, figures).play();
        ++figures.games;
        if (::testing::Test::HasFailure())
            break;
    }
    std::printf("random player: %ld games (seeds %u..%u), %ld steps, %ld days, %ld clicks, %ld keys,\n"
                "  %ld spins, %ld checks at rest; ended bald %ld, full hair %ld, closed %ld, "
                "stopped at day %d %ld\n",
                figures.games, first_seed, first_seed + games - 1, figures.steps, figures.days,
                figures.clicks, figures.keys, figures.spins, figures.invariant_checks, figures.bald,
                figures.full_hair, figures.closed, longest_game_days, figures.capped);
    EXPECT_EQ(figures.games, static_cast<long>(games));
    EXPECT_GT(figures.bald, 0);
    EXPECT_GT(figures.full_hair, 0);
    EXPECT_GT(figures.closed, 0);
}
