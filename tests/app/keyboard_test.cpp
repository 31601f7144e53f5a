// The game by keyboard and by assistive tools: only what a person could click can be reached or pressed.
#include <set>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "game/Rules.h"
#include "render/Keyboard.h"
#include "harness/Game.h"

namespace {

using Names = std::set<QString>;

QString name_of(const Elements& el, const QWidget* w)
{
    for (const ElementEntry& e : el.all())
        if (e.widget == w)
            return Elements::element_name(*e.row);
    return w ? QStringLiteral("(window)") : QStringLiteral("(none)");
}

// What a click could press right now.
Names pressable(Elements& el)
{
    Names names;
    for (const ElementEntry& e : el.all())
        if (el.takes_clicks(e.widget) && el.reachable(e.widget))
            names.insert(Elements::element_name(*e.row));
    return names;
}

bool empty_box(const QWidget* w)
{
    const auto* box = qobject_cast<const TextBox*>(w);
    return box && box->text().isEmpty();
}

// Every element takes the focus exactly when a click could reach it (an empty box never),
// and the focus itself is never on something out of reach.
void expect_focus_follows_reach(Elements& el, const std::string& where)
{
    for (const ElementEntry& e : el.all()) {
        const Qt::FocusPolicy natural = natural_focus(el, e.widget);
        const Qt::FocusPolicy expected = el.reachable(e.widget) && !empty_box(e.widget) ? natural : Qt::NoFocus;
        EXPECT_EQ(e.widget->focusPolicy(), expected)
            << where << ": " << Elements::element_name(*e.row).toStdString();
    }
    QWidget* focus = el.Form1->focusWidget();
    if (focus && focus != el.Form1) {
        EXPECT_TRUE(el.reachable(focus)) << where << ": " << name_of(el, focus).toStdString();
    }
}

// The names the Tab key (or Shift+Tab) lands on, `n` presses in a row.
std::vector<QString> tab_walk(LoadedGame& g, int n, bool back = false)
{
    std::vector<QString> met;
    for (int i = 0; i < n; ++i) {
        g.host.player.key(back ? Qt::Key_Backtab : Qt::Key_Tab,
                          back ? Qt::ShiftModifier : Qt::NoModifier);
        met.push_back(name_of(g.el(), g.el().Form1->focusWidget()));
    }
    return met;
}

bool any_text_selected(Elements& el)
{
    for (const ElementEntry& e : el.all())
        if (auto* box = qobject_cast<TextBox*>(e.widget); box && box->hasSelectedText())
            return true;
    return false;
}

// What was said, one announcement after another, as a test failure can show it.
std::string said(const QStringList& announcements)
{
    return announcements.join(QStringLiteral(" | ")).toStdString();
}

QAccessibleInterface* tool_view(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

struct Keyboard : ::testing::Test {
    LoadedGame g;
    Elements& el = g.el();
    GameState& st = g.st();
    void SetUp() override
    {
        QApplication::setActiveWindow(el.Form1);
    }
    void TearDown() override
    {
        // No key of this test may ever have spun the roulette off a bonus day.
        EXPECT_EQ(spins_off_bonus_days, 0);
    }
    int spins_off_bonus_days = 0;
    void watch_the_roulette()
    {
        g.host.on_yield = [this] {
            if (!el.Roulet_OK->isEnabled() && el.Help_mes->text().contains(QStringLiteral("ゲット")) &&
                !is_bonus_day(st.Day_Count))
                ++spins_off_bonus_days;
        };
    }
};

} // namespace

TEST_F(Keyboard, OnTheTitleOnlyTheStartButtonCanBeReachedAndReturnPressesIt)
{
    watch_the_roulette();
    EXPECT_EQ(pressable(el), Names{"Starts"});
    expect_focus_follows_reach(el, "title");
    for (const QString& met : tab_walk(g, 14))
        EXPECT_EQ(met, "Starts");
    for (const QString& met : tab_walk(g, 14, true))
        EXPECT_EQ(met, "Starts");
    // Nothing under the title answers a key: not the plans, not the music switch.
    for (int key : {Qt::Key_1, Qt::Key_3, Qt::Key_Y, Qt::Key_N})
        g.host.player.key(key);
    EXPECT_EQ(st.Day_Count, 0);
    EXPECT_TRUE(el.Check1->isChecked());
    EXPECT_FALSE(el.Menu_OK->isVisible());

    g.host.player.key(Qt::Key_Return);
    EXPECT_EQ(st.Day_Count, 1);
    EXPECT_EQ(el.Form1->focusWidget(), el.Help_mes);
}

TEST_F(Keyboard, ADayIsPickedByItsDigitAndPlayedWithReturn)
{
    watch_the_roulette();
    g.host.player.key(Qt::Key_Return);
    ASSERT_EQ(st.Day_Count, 1);
    EXPECT_EQ(pressable(el), (Names{"Check1", "Label1[0]", "Label1[1]", "Label1[2]", "Shuffle"}));
    expect_focus_follows_reach(el, "day 1");
    // From the instruction line, in reading order; the empty slots are passed by.
    EXPECT_EQ(tab_walk(g, 10), (std::vector<QString>{"Text3", "Text6", "Text4", "Text5", "Label1[0]",
                                                     "Label1[1]", "Label1[2]", "Shuffle", "Check1",
                                                     "Help_mes"}));
    Names walked;
    for (const QString& met : tab_walk(g, 40))
        walked.insert(met);
    for (const QString& met : tab_walk(g, 40, true))
        walked.insert(met);
    EXPECT_EQ(walked.count("Roulet_OK"), 0u);
    EXPECT_EQ(walked.count("Menu_OK"), 0u);
    EXPECT_EQ(walked.count("Label1[1]"), 1u) << "the plans are in the Tab order";
    EXPECT_EQ(walked.count("Help_mes"), 1u);
    EXPECT_FALSE(any_text_selected(el));

    // Return does nothing until a plan is picked; then the digit's plan is played.
    g.host.player.key(Qt::Key_Return);
    EXPECT_EQ(st.Day_Count, 1);
    g.host.player.key(Qt::Key_2);
    EXPECT_EQ(st.Plan_No, 1);
    g.host.player.key(Qt::Key_3);
    EXPECT_EQ(st.Plan_No, 2);
    EXPECT_EQ(pressable(el).count("Menu_OK"), 1u);
    const auto plan = st.Plan_Act[2];
    QStringList played;
    int16_t picked_during_the_day = -1;
    g.host.player.at(g.host.clock_ms() + 1000, [&] {
        for (QLineEdit* box : {el.Text1[0], el.Text1[1], el.Text1[2]})
            played << box->text();
        g.host.player.key(Qt::Key_1);
        picked_during_the_day = st.Plan_No;
        expect_focus_follows_reach(el, "during the day");
    });
    g.host.player.key(Qt::Key_Return);
    EXPECT_EQ(st.Day_Count, 2);
    EXPECT_EQ(played, (QStringList{st.Act_Name[plan[0]], st.Act_Name[plan[1]], st.Act_Name[plan[2]]}));
    EXPECT_EQ(picked_during_the_day, 2) << "a plan cannot be picked while the day runs";
    expect_focus_follows_reach(el, "day 2");
}

// What a screen reader is told without the focus, from the title through a day played by keys.
TEST_F(Keyboard, AScreenReaderHearsTheDayAsItIsShownWhileTheFocusStaysPut)
{
    EXPECT_TRUE(tool_view(el.Text3)->state().invisible) << "under the title";
    EXPECT_TRUE(tool_view(el.Label1[0])->state().invisible) << "under the title";
    // Each key, then a moment in which the window runs, as it does between a player's keys.
    auto press = [this](int key) {
        g.host.player.key(key);
        g.host.idle_for(100);
    };
    // Halfway through the typing a tool that reads the line reads the whole message.
    QString read_while_typed;
    g.host.player.when([&] { return el.Help_mes->text().size() == 3; },
                       [&] { read_while_typed = tool_view(el.Help_mes)->text(QAccessible::Value); });
    press(Qt::Key_Return);
    EXPECT_EQ(read_while_typed, QStringLiteral("\u3000今日の行動を決めてください"));
    QStringList plans;
    for (Label* plan : el.Label1)
        plans << QStringLiteral("%1 ").arg(plans.size() + 1) + plan->text().replace('\n', QStringLiteral("、"));
    const QStringList begins{"レッツ育毛！", "髪 30,000本、日数 1、やる気 100、体調 100",
                             el.Mokuta->accessibleDescription(), "今日の行動、" + plans.join("。") + "。",
                             "今日の行動を決めてください"};
    EXPECT_EQ(said(g.heard), said(begins));
    EXPECT_FALSE(tool_view(el.Text3)->state().invisible);
    // Each read-out is one run of text, so that a screen reader reads it to its end.
    for (QLineEdit* box : {el.Text3, el.Text6}) {
        int start = -1, end = -1;
        tool_view(box)->textInterface()->attributes(0, &start, &end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, box->text().size());
    }

    press(Qt::Key_Tab);
    ASSERT_EQ(el.Form1->focusWidget(), el.Text3);
    g.heard.clear();
    press(Qt::Key_2);
    EXPECT_EQ(said(g.heard), said({"選択 " + plans[1]}));
    const auto plan = st.Plan_Act[1];
    g.heard.clear();
    press(Qt::Key_Return);
    ASSERT_GE(g.heard.size(), 5);
    int32_t hair = 30000;
    for (int k = 0; k <= 2; ++k) {
        const QStringList words = g.heard[k].split(' ');
        ASSERT_EQ(words.size(), 3) << g.heard[k].toStdString();
        EXPECT_EQ(words[0], st.Act_Name[plan[k]]);
        const int change = words[2].toInt();
        EXPECT_TRUE(change > 0 ? words[1] == "成功" : change < 0 ? words[1] == "失敗" : true) << g.heard[k].toStdString();
        hair += change;
    }
    EXPECT_TRUE(g.heard[3].startsWith("髪 " + thousands(hair) + "本、")) << said(g.heard);
    EXPECT_EQ(g.heard.count("今日の行動を決めてください"), 1);
    EXPECT_TRUE(g.heard.last().startsWith("今日の行動、1 "));
    EXPECT_EQ(el.Form1->focusWidget(), el.Text3) << "the focus stays where the player put it";
}

TEST_F(Keyboard, OnABonusDayReturnSpinsAndTheKeysAnswerTheQuestion)
{
    g.on_day(4);
    g.host.draw_source = [] { return 0.11f; };  // every slot, and a spin that stops on the spray
    Names at_the_spin, at_the_question;
    QString described_by;
    bool plans_in_the_tree = true;
    bool focus_on_the_instruction = false;
    g.host.player.when([&] { return g.host.player.clickable(el.Roulet_OK); },
                       [&] {
                           at_the_spin = pressable(el);
                           expect_focus_follows_reach(el, "bonus day");
                           for (const QString& met : tab_walk(g, 30))
                               EXPECT_FALSE(met.startsWith(QStringLiteral("Label1"))) << "under the prompt panel";
                           expect_focus_follows_reach(el, "bonus day after Tab");
                           g.host.player.key(Qt::Key_2);  // the plans lie under the prompt panel
                           g.host.player.key(Qt::Key_Return);
                       });
    g.host.player.when([&] { return g.host.player.clickable(el.Item_NO); },
                       [&] {
                           at_the_question = pressable(el);
                           described_by = tool_view(el.Item_YES)->text(QAccessible::Description);
                           plans_in_the_tree = !tool_view(el.Label1[0])->state().invisible;
                           expect_focus_follows_reach(el, "question");
                           // The focus on yes, the answer no: the focus leaves with the buttons.
                           for (int i = 0; i < 30 && el.Form1->focusWidget() != el.Item_YES; ++i)
                               g.host.player.key(Qt::Key_Tab);
                           EXPECT_EQ(el.Form1->focusWidget(), el.Item_YES);
                           g.host.player.key(Qt::Key_N);
                       });
    g.host.player.when([&] { return st.Yes_No == 2 && !el.Item_YES->isVisible(); },
                       [&] { focus_on_the_instruction = el.Form1->focusWidget() == el.Help_mes; });
    g.host.player.key(Qt::Key_1);
    g.host.player.key(Qt::Key_Return);
    g.host.idle_for(100);

    EXPECT_EQ(at_the_spin, (Names{"Check1", "Roulet_OK"}));
    EXPECT_EQ(at_the_question, (Names{"Check1", "Item_NO", "Item_YES"}));
    EXPECT_EQ(st.Prize_No, 1);
    EXPECT_EQ(st.Item_Now, 0) << "N declined the spray";
    // The question is said and describes the buttons; after N the next day's instruction follows.
    const QString question = st.Item_Name[1] + QStringLiteral("を使用しますか？ 成功率 90%");
    EXPECT_EQ(described_by, question);
    EXPECT_FALSE(plans_in_the_tree) << "the plans lie under the question";
    const qsizetype asked = g.heard.indexOf(question);
    const qsizetype declined = g.heard.indexOf(st.Item_Name[1] + QStringLiteral("は使いません"));
    EXPECT_GE(asked, 0) << said(g.heard);
    EXPECT_GT(declined, asked);
    EXPECT_GT(g.heard.lastIndexOf(QStringLiteral("今日の行動を決めてください")), declined);
    EXPECT_TRUE(focus_on_the_instruction);
    EXPECT_FALSE(any_text_selected(el));
    EXPECT_EQ(st.Day_Count, 6);
    expect_focus_follows_reach(el, "after the bonus day");
}

TEST_F(Keyboard, AStrayPressNeverSpinsTheRouletteOffABonusDay)
{
    watch_the_roulette();
    g.past_title();
    for (int16_t day : {0, 1, 4, 6, 15}) {
        st.Day_Count = day;
        el.press(el.Roulet_OK);
        el.press_when_reachable(el.Roulet_OK);
    }
    EXPECT_EQ(st.Roulet_Done, False);
    EXPECT_EQ(el.Help_mes->text(), QStringLiteral("Text"));
}

TEST_F(Keyboard, AssistiveToolsHearNamesAndPressOnlyWhatAClickCould)
{
    for (auto [box, name] : {std::pair{el.Text3, "髪"}, {el.Text4, "やる気"}, {el.Text5, "体調"},
                             {el.Text6, "日数"}})
        EXPECT_EQ(tool_view(box)->text(QAccessible::Name), QString::fromUtf8(name));
    EXPECT_EQ(tool_view(el.Picture3)->text(QAccessible::Name), QStringLiteral("行動の欄"));
    EXPECT_FALSE(tool_view(el.Form1)->text(QAccessible::Description).isEmpty());

    // Under the title nothing but the start button offers an action.
    QAccessibleInterface* music = tool_view(el.Check1);
    EXPECT_TRUE(music->actionInterface()->actionNames().isEmpty());
    EXPECT_TRUE(music->state().invisible);
    music->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(el.Check1->isChecked());
    EXPECT_FALSE(tool_view(el.Starts)->actionInterface()->actionNames().isEmpty());

    g.host.player.click(el.Starts);
    QAccessibleInterface* plan = tool_view(el.Label1[1]);
    EXPECT_EQ(plan->role(), QAccessible::RadioButton);
    EXPECT_FALSE(plan->state().checked);
    const QString look_before = tool_view(el.Mokuta)->text(QAccessible::Description);
    plan->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(st.Plan_No, 1);
    EXPECT_TRUE(plan->state().checked);
    EXPECT_TRUE(tool_view(el.Label1[0])->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    QAccessibleInterface* go = tool_view(el.Roulet_OK);
    EXPECT_TRUE(go->actionInterface()->actionNames().isEmpty()) << "the roulette lies under its cover";
    go->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(st.Roulet_Done, False);

    st.Face_No = 5;
    g.form->Hero_Draw();
    EXPECT_NE(tool_view(el.Mokuta)->text(QAccessible::Description), look_before);
    EXPECT_TRUE(tool_view(el.Mokuta)->text(QAccessible::Description).contains(QStringLiteral("泣き顔")));
}

TEST_F(Keyboard, BehindAnOpenMessageBoxAnAssistiveToolPressesNothing)
{
    QAccessibleInterface* start = tool_view(el.Starts);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("もくた君"), QStringLiteral("?"), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    EXPECT_TRUE(start->actionInterface()->actionNames().isEmpty());
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(el.Starts->isVisible()) << "the start button was pressed behind the box";

    box.hide();
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(el.Starts->isVisible());
}
