// Whole games from the title to each ending, played by a scripted player and checked day by day
// against the test's own reckoning of the hero's numbers.
#include <cmath>

#include <QGroupBox>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "game/RuleTables.h"
#include "platform/Language.h"
#include "harness/Game.h"

namespace {

// A quick player: whenever the window lets events run, it clicks what it has chosen.
// It never chooses again while its own click is still running.
struct QuickPlayer {
    LoadedGame g{false};
    bool in_player = false;
    // Looks at the window at every yield, before the player chooses.
    std::function<void()> watch;
    // A patient player lets every typed message finish before acting.
    bool patient = false;

    virtual ~QuickPlayer() = default;
    virtual QWidget* choose() = 0;

    void start()
    {
        g.load();
        g.host.on_yield = [this] { play(); };
    }
    void play()
    {
        if (in_player)
            return;
        if (watch)
            watch();
        if (patient && g.el().Help_mes->typing())
            return;
        in_player = true;
        QWidget* next = choose();
        in_player = false;
        if (next)
            g.host.player.click(next);
    }
};

// The hero's numbers as this test works them out, from the rules as a player reads them.
struct Reckoning {
    int32_t hair = 30000;
    int shown_hair = 30000;
    int m = 100, h = 100;
    int day = 1;
    bool ended = false;

    static int rounded(double v) { return static_cast<int>(std::nearbyint(v)); }

    void slot(int action, bool won)
    {
        const auto& a = tables::Act_Table[action];
        hair += won ? rounded(m / 100.0 * a[0]) : -rounded((2.0 - h / 150.0) * a[0]);
        m += a[2];
        h += a[3];
        hair = std::max(hair, 0);
        shown_hair = hair;
        ended = ended || hair == 0 || hair > 99999;
        m = std::clamp(m, 0, 200);
        h = std::clamp(h, 0, 200);
    }
    // A bonus day's status update, or an encounter's, shows the count after the day's loss.
    void special_day_update()
    {
        hair = std::max(hair, 0);
        shown_hair = hair;
        ended = ended || hair == 0;
    }
    void day_of(const std::array<int16_t, 3>& plan, bool won)
    {
        for (int16_t a : plan)
            if (!ended)
                slot(a, won);
        if (ended)
            return;
        ++day;
        hair -= 100;
        if (day % 15 == 0) {
            special_day_update();  // the caller's offer is declined: nothing else changes
            ++day;
        } else if (day % 5 == 0) {
            special_day_update();  // the roulette stops on スカ
            ++day;
        }
    }
};

// Deals always bring おでかけ, バイト, よあそび; every slot wins or every slot loses.
struct WholeGame : QuickPlayer {
    Reckoning r;
    std::array<int16_t, 3> plan{4, 5, 8};
    int days_checked = 0;
    int spins = 0;
    int offers_declined = 0;

    explicit WholeGame(bool slots_win) : won_(slots_win)
    {
        int deal_slot = 0;
        g.host.draw_source = [this, slots_win, deal_slot]() mutable -> float {
            if (g.el().Label1[0]->caption().isEmpty()) {
                const float for_slot[] = {0.9f, 0.1f, 0.5f};
                return for_slot[deal_slot++ % 3];
            }
            return slots_win ? 0.99f : 0.0f;
        };
        start();
    }

    QWidget* choose() override
    {
        Elements& el = g.el();
        ScriptedPlayer& p = g.host.player;
        for (QWidget* w : {static_cast<QWidget*>(el.Starts), static_cast<QWidget*>(el.Quits)})
            if (p.clickable(w))
                return w;
        if (p.clickable(el.Roulet_OK)) {
            ++spins;
            return el.Roulet_OK;
        }
        if (p.clickable(el.Item_NO)) {
            ++offers_declined;
            return el.Item_NO;
        }
        if (p.clickable(el.Label1[0]) && !el.Menu_OK->isVisible()) {
            check_read_outs();
            return el.Label1[0];
        }
        if (p.clickable(el.Menu_OK)) {
            EXPECT_EQ(g.st().Plan_Act[0], plan);
            r.day_of(plan, won_);  // reckoned first: the last day never returns
            return el.Menu_OK;
        }
        return nullptr;
    }

    void check_read_outs()
    {
        Elements& el = g.el();
        EXPECT_EQ(el.Text3->text(), thousands_of(r.shown_hair)) << "day " << r.day;
        EXPECT_EQ(el.Text4->text(), QString::number(r.m)) << "day " << r.day;
        EXPECT_EQ(el.Text5->text(), QString::number(r.h)) << "day " << r.day;
        EXPECT_EQ(g.st().Hair_Count, r.hair) << "day " << r.day;
        EXPECT_EQ(g.st().Day_Count, r.day);
        ++days_checked;
    }

    static QString thousands_of(int v)
    {
        QString s = QString::number(v);
        for (int at = s.size() - 3; at > 0; at -= 3)
            s.insert(at, ',');
        return s;
    }

    int run()
    {
        return status_when_ended([&] { g.host.idle_for(10u * 60u * 1000u); });
    }
    bool won_;
};

// Whether the announcements hold these, in this order (others may come between).
bool said_in_order(const QStringList& heard, const QStringList& wanted)
{
    qsizetype at = 0;
    for (const QString& w : wanted) {
        at = heard.indexOf(w, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

} // namespace

TEST(WholeGame, LosingEveryDayEndsBald)
{
    WholeGame game(false);
    EXPECT_EQ(game.run(), 0);
    EXPECT_GE(game.days_checked, 3);
    EXPECT_EQ(game.g.st().Hair_Count, 0);
    EXPECT_EQ(game.g.el().Text3->text(), "0");
    EXPECT_EQ(game.g.el().Last_mes[0]->caption(), "ハ");
    EXPECT_EQ(game.g.el().Mokuta_mes->caption(), QStringLiteral("スキンヘッドもイカしてるぜ。"));
    EXPECT_TRUE(game.r.ended);
    // A screen reader hears the ending as it shows: the big letters, the message, the button, the last word.
    EXPECT_TRUE(said_in_order(game.g.heard, {"ハゲ", "ハゲました", "おしまい", "スキンヘッドもイカしてるぜ。"}))
        << game.g.heard.join(" | ").toStdString();
    EXPECT_EQ(game.g.heard.filter(QRegularExpression(QStringLiteral("^髪 0本"))).size(), 1);
}

TEST(WholeGame, WinningEveryDayEndsWithAFullHeadOfHair)
{
    WholeGame game(true);
    EXPECT_EQ(game.run(), 0);
    EXPECT_GE(game.days_checked, 8);
    EXPECT_GE(game.spins, 1);
    EXPECT_GT(game.g.st().Hair_Count, 99999);
    EXPECT_EQ(game.g.el().Last_mes[1]->caption(), "サ");
    EXPECT_EQ(game.g.el().Mokuta_mes->caption(), QStringLiteral("モテすぎて困るぜ。"));
    EXPECT_TRUE(game.r.ended);
    EXPECT_TRUE(said_in_order(game.g.heard, {"フサ", "フサフサになりました", "おしまい", "モテすぎて困るぜ。"}))
        << game.g.heard.join(" | ").toStdString();
}

namespace {

// A long game that meets every caller and several bonus days: the draws are chosen by what
// the window is doing, the player says yes to every caller and no to every hair product.
struct LongGame : QuickPlayer {
    std::vector<int16_t> callers_planned{2, 0, 3, 1};
    std::vector<int16_t> callers_met;
    std::vector<int16_t> prizes_won;
    std::vector<int16_t> ordinary_days;
    std::size_t next_caller = 0;
    int next_prize = 0;

    LongGame()
    {
        g.host.draw_source = [this]() -> float {
            Elements& el = g.el();
            const QString line = el.Help_mes->text();
            if (el.Label1[0]->caption().isEmpty())
                return 0.0f;  // every plan: ごはん, バイト, ねる
            if (el.Picture3->isVisible() && el.Picture6->isVisible())
                return callers_planned[next_caller++ % callers_planned.size()] / 4.0f + 0.1f;
            if (line.endsWith(say("Bonus", "ルーレットで育毛剤をゲットしてください").text))
                return 0.1f * (next_prize++ % 4 + 1) + 0.01f;
            return g.st().Day_Count > 75 ? 0.0f : 0.99f;
        };
        start();
    }

    QWidget* choose() override
    {
        Elements& el = g.el();
        ScriptedPlayer& p = g.host.player;
        if (p.clickable(el.Starts))
            return el.Starts;
        if (p.clickable(el.Quits))
            return el.Quits;
        if (p.clickable(el.Roulet_OK))
            return el.Roulet_OK;
        if (p.clickable(el.Item_YES)) {
            const bool caller = el.Label6->caption() == say("Callers", "この話にのりますか？").text;
            if (g.st().Yes_No != 0)
                return nullptr;  // answered already; the question is still being typed
            if (caller)
                callers_met.push_back(g.st().Caller_No);
            else
                prizes_won.push_back(g.st().Prize_No);
            return caller ? el.Item_YES : el.Item_NO;
        }
        if (p.clickable(el.Label1[0]) && !el.Menu_OK->isVisible()) {
            check_read_outs();
            ordinary_days.push_back(g.st().Day_Count);
            return el.Label1[0];
        }
        if (p.clickable(el.Menu_OK))
            return el.Menu_OK;
        return nullptr;
    }

    void check_read_outs()
    {
        const GameState& st = g.st();
        EXPECT_EQ(g.el().Text4->text(), QString::number(st.Motivation)) << "day " << st.Day_Count;
        EXPECT_EQ(g.el().Text5->text(), QString::number(st.Health)) << "day " << st.Day_Count;
        EXPECT_GE(st.Motivation, 0);
        EXPECT_LE(st.Health, 200);
        EXPECT_TRUE(g.el().Menu_OK->isEnabled());
        EXPECT_FALSE(g.el().Picture6->isVisible());
    }
};

} // namespace

TEST(WholeGame, ThroughEveryCallerAndManyBonusDaysToTheEnd)
{
    LongGame game;
    EXPECT_EQ(status_when_ended([&] { game.g.host.idle_for(3u * 60u * 60u * 1000u); }), 0);
    ASSERT_GE(game.callers_met.size(), 4u);
    EXPECT_EQ(std::vector<int16_t>(game.callers_met.begin(), game.callers_met.begin() + 4),
              (std::vector<int16_t>{2, 0, 3, 1}));
    EXPECT_GE(game.prizes_won.size(), 10u);
    for (int16_t day : game.ordinary_days)
        EXPECT_NE(day % 5, 0) << "day " << day << " should have been a special day";
    EXPECT_EQ(game.ordinary_days.front(), 1);
    EXPECT_EQ(game.g.st().Hair_Count, 0);
    EXPECT_EQ(game.g.el().Last_mes[0]->caption(), "ハ");
    // Every question is said each time it is asked, the same one again included.
    EXPECT_EQ(game.g.heard.count(QStringLiteral("この話にのりますか？")), game.callers_met.size());
    const QRegularExpression offer(QStringLiteral("を使用しますか？ 成功率 \\d+%$"));
    EXPECT_EQ(game.g.heard.filter(offer).size(), game.prizes_won.size());
}

namespace {

// Everything of the window a player reads or a screen reader speaks, that is in Japanese now.
QStringList japanese_on(Elements& el)
{
    QStringList found;
    auto look = [&found](const QString& where, const QString& text) {
        if (has_japanese(text))
            found << where + QStringLiteral(": ") + text;
    };
    look(QStringLiteral("title"), el.Form1->windowTitle());
    look(QStringLiteral("keys"), el.Form1->accessibleDescription());
    for (const ElementEntry& e : el.all()) {
        const QString name = e.widget->objectName();
        look(name + QStringLiteral(" name"), e.widget->accessibleName());
        look(name + QStringLiteral(" description"), e.widget->accessibleDescription());
        if (!e.widget->isVisible())
            continue;
        if (auto* label = qobject_cast<Label*>(e.widget))
            look(name, label->caption());
        else if (auto* box = qobject_cast<QLineEdit*>(e.widget))
            look(name, box->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(e.widget))
            look(name, button->text());
        else if (auto* frame = qobject_cast<QGroupBox*>(e.widget))
            look(name, frame->title());
    }
    return found;
}

// One game as a player meets it: the moments each day starts and the game ends, and the hero's
// numbers then; and, in another language, whatever Japanese showed on the way.
struct Played {
    std::vector<uint32_t> day_starts;
    std::vector<int32_t> hairs;
    uint32_t ended_at = 0;
    QString last_word;
    QStringList japanese_seen;
};

template <typename Game, typename... Args>
Played play_in(const char* language, Args... args)
{
    EXPECT_TRUE(speak(QString::fromLatin1(language)));
    Played p;
    {
        Game game(args...);
        game.patient = true;
        game.watch = [&] {
            if (game.g.el().Menu_OK->isVisible() && p.day_starts.size() < 200 &&
                (p.day_starts.empty() || p.day_starts.back() != game.g.host.clock_ms())) {
                p.day_starts.push_back(game.g.host.clock_ms());
                p.hairs.push_back(game.g.st().Hair_Count);
            }
            if (!speaks_japanese() && p.japanese_seen.size() < 20)
                for (const QString& text : japanese_on(game.g.el()))
                    if (!p.japanese_seen.contains(text))
                        p.japanese_seen << text;
        };
        EXPECT_EQ(status_when_ended([&] { game.g.host.idle_for(3u * 60u * 60u * 1000u); }), 0);
        p.ended_at = game.g.host.clock_ms();
        p.last_word = game.g.el().Mokuta_mes->caption();
    }
    speak(QString::fromLatin1(japanese));
    return p;
}

template <typename Game, typename... Args>
void same_game_in_english(Args... args)
{
    const Played ja = play_in<Game>(japanese, args...);
    const Played en = play_in<Game>("en", args...);
    EXPECT_EQ(en.japanese_seen, QStringList());
    EXPECT_GE(ja.day_starts.size(), 3u);
    // The same game at the same pace: every day starts at the same moment, with the same hairs.
    EXPECT_EQ(en.day_starts, ja.day_starts);
    EXPECT_EQ(en.hairs, ja.hairs);
    EXPECT_EQ(en.ended_at, ja.ended_at);
    EXPECT_FALSE(has_japanese(en.last_word));
    EXPECT_FALSE(en.last_word.isEmpty());
}

} // namespace

TEST(WholeGameInEnglish, LosingEveryDayIsTheSameGameInEnglish)
{
    same_game_in_english<WholeGame>(false);
}

TEST(WholeGameInEnglish, WinningEveryDayIsTheSameGameInEnglish)
{
    same_game_in_english<WholeGame>(true);
}

TEST(WholeGameInEnglish, EveryCallerAndManyBonusDaysAreTheSameGameInEnglish)
{
    same_game_in_english<LongGame>();
}
