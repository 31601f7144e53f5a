// The window's elements as the player meets them: places, looks, what covers what, what can be read.
#include <cstring>

#include <QAccessible>
#include <QFontInfo>
#include <gtest/gtest.h>

#include "render/Colours.h"
#include "harness/Game.h"

namespace {

// What an assistive tool reads of an element: a text box's text, anything else's name.
QString accessible_text(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    return a->text(qobject_cast<QLineEdit*>(w) ? QAccessible::Value : QAccessible::Name);
}

} // namespace

TEST(Window, HasItsCaptionAndAnInnerAreaOf515By305)
{
    LoadedGame g;
    EXPECT_EQ(g.el().Form1->windowTitle(), QStringLiteral("もくた君 1.20"));
    EXPECT_EQ(g.el().Form1->size(), QSize(515, 305));
    EXPECT_TRUE(g.el().Form1->isVisible());
    EXPECT_EQ(g.el().Form1->palette().color(QPalette::Window), QColor(255, 255, 255));
}

// Where the player finds each element at the start of a game, in window pixels, written out
// from the screen's own plan rather than from the element table the window is built from.
TEST(Window, EveryElementLiesWhereTheScreenPutsIt)
{
    LoadedGame g;
    Elements& el = g.el();
    g.host.player.click(el.Starts);
    struct Place {
        QWidget* element;
        QRect in_window;
        bool shown;
    };
    const std::vector<Place> screen{
        {el.Help_mes, QRect(QPoint(8, 0), QPoint(384, 24)), true},
        {el.Label3, QRect(392, 8, 17, 17), true},
        {el.Text3, QRect(QPoint(408, 0), QPoint(488, 24)), true},
        {el.Label7, QRect(496, 8, 17, 17), true},
        {el.Lable3, QRect(0, 32, 65, 17), true},
        {el.Label2, QRect(312, 32, 25, 17), true},
        {el.Text6, QRect(344, 32, 25, 18), true},
        {el.Label4, QRect(376, 32, 41, 17), true},
        {el.Text4, QRect(416, 32, 25, 18), true},
        {el.Label5, QRect(448, 32, 33, 17), true},
        {el.Text5, QRect(QPoint(480, 32), QPoint(504, 49)), true},
        {el.Shuffle, QRect(QPoint(8, 96), QPoint(56, 120)), true},
        {el.Menu_OK, QRect(QPoint(128, 96), QPoint(176, 120)), false},
        {el.Picture3, QRect(QPoint(8, 104), QPoint(192, 288)), true},
        {el.Text1[0], QRect(16, 136, 89, 25), true},
        {el.Text1[1], QRect(16, 176, 89, 25), true},
        {el.Text1[2], QRect(16, 216, 89, 25), true},
        {el.Text1[3], QRect(16, 256, 89, 25), false},
        {el.Text2[0], QRect(120, 144, 49, 18), true},
        {el.Text2[1], QRect(120, 184, 49, 18), true},
        {el.Text2[2], QRect(120, 224, 49, 18), true},
        {el.Text2[3], QRect(120, 264, 49, 18), false},
        {el.Check1, QRect(8, 288, 33, 17), true},
        {el.Mokuta, QRect(QPoint(208, 48), QPoint(512, 304)), true},
        {el.Mokuta_mes, QRect(208 + 64, 48 + 8, 233, 33), true},
        {el.Picture6, QRect(QPoint(0, 32), QPoint(208, 96)), false},
        {el.Item_NO, QRect(96, 72, 33, 17), false},
        {el.Item_YES, QRect(144, 72, 33, 17), false},
        {el.Frame1, QRect(16, 112, 169, 129), true},
        {el.Picture2, QRect(16 + 104, 112 + 48, 57, 73), true},
    };
    for (const Place& p : screen) {
        SCOPED_TRACE(p.element->objectName().toStdString());
        EXPECT_EQ(QRect(p.element->mapTo(el.Form1, QPoint(0, 0)), p.element->size()), p.in_window);
        EXPECT_EQ(p.element->isVisibleTo(el.Form1), p.shown);
    }
    for (int k = 0; k <= 2; ++k) {
        const QRect plan(el.Label1[k]->mapTo(el.Form1, QPoint(0, 0)), el.Label1[k]->size());
        EXPECT_EQ(plan.top(), 48);
        EXPECT_EQ(plan.bottom(), 88);
        EXPECT_GE(plan.left(), 0);
        EXPECT_LE(plan.right(), 208);
        if (k > 0) {
            EXPECT_GT(plan.left(), el.Label1[k - 1]->geometry().left()) << "the plans lie side by side";
        }
    }
    // Gothic 9 points is 12 pixels, 9.75 is 13, 11.25 is 15, 12 is 16 at the window's 96 dpi.
    const std::vector<std::pair<QWidget*, int>> sizes{
        {el.Help_mes, 15}, {el.Text3, 16}, {el.Text6, 13}, {el.Shuffle, 12}, {el.Text1[0], 16},
        {el.Text2[0], 12}, {el.Mokuta_mes, 13}, {el.Check1, 11}, {el.Starts, 13}};
    for (auto [element, px] : sizes)
        EXPECT_EQ(element->font().pixelSize(), px) << element->objectName().toStdString();
    EXPECT_TRUE(el.Help_mes->font().bold());
    EXPECT_TRUE(el.Text3->font().bold());
    EXPECT_FALSE(el.Text1[0]->font().bold());
}

TEST(Window, SpotChecksOfTheLayout)
{
    LoadedGame g;
    Elements& el = g.el();
    EXPECT_EQ(el.Mokuta->geometry(), QRect(208, 48, 305, 257));
    EXPECT_EQ(el.Mokuta->image().size(), QSize(303, 255));
    EXPECT_EQ(to_bgr(el.Mokuta->background()), 0x00FEFFEEu);
    EXPECT_EQ(el.Help_mes->geometry(), QRect(8, 0, 377, 25));
    EXPECT_EQ(to_bgr(back_colour(*el.Help_mes)), 0x00FF0000u);
    EXPECT_EQ(el.Picture2->parentWidget(), el.Frame1);
    EXPECT_EQ(el.Maru->parentWidget(), el.Picture2);
    EXPECT_EQ(el.Label1[2]->geometry(), QRect(144, 48, 65, 41));
    EXPECT_EQ(el.Text3->text(), QStringLiteral("30,000"));
    EXPECT_EQ(el.Text3->font().pixelSize(), 16);
    EXPECT_EQ(el.Last_mes[0]->font().pixelSize(), 64);
    EXPECT_EQ(el.Frame1->title(), QStringLiteral("ボーナスルーレット"));
    EXPECT_EQ(el.Quits->text(), QStringLiteral("おしまい"));
    EXPECT_FALSE(el.Quits->isEnabled());
    EXPECT_TRUE(el.Check1->isChecked());
    EXPECT_FALSE(el.Timer1.enabled());
    EXPECT_EQ(el.Timer1.interval_ms(), 2000);
}

TEST(Window, TypefacesAreJapaneseGothicFaces)
{
    // The set-up installs the IPA faces; they stand in for the fixed and proportional Gothic.
    LoadedGame g;
    EXPECT_EQ(QFontInfo(g.el().Text1[0]->font()).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(g.el().Mokuta_mes->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(g.el().Frame1->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(g.el().Text3->font()).pixelSize(), 16);
}

TEST(Window, PictureStoresHaveTheirBoxSizes)
{
    LoadedGame g;
    Elements& el = g.el();
    EXPECT_EQ(el.Pics[1]->size(), QSize(132, 190));
    EXPECT_EQ(el.Heads[0]->size(), QSize(39, 28));
    EXPECT_EQ(el.Heads[8]->size(), QSize(112, 140));
    EXPECT_EQ(el.Faces[11]->size(), QSize(117, 98));
    EXPECT_EQ(el.Faces[13]->image().size(), QSize(180, 168));
    EXPECT_EQ(el.hands[3]->image().size(), QSize(300, 207));
    EXPECT_EQ(el.hands[7]->image().size(), QSize(230, 148));
    EXPECT_EQ(el.Dolls[3]->image().size(), QSize(143, 207));
    EXPECT_EQ(el.Bottle->size(), QSize(73, 137));
    for (PictureBox* store : {el.Pics[0], el.Heads[4], el.Faces[0], el.hands[1], el.Dolls[1],
                              el.Bottle, el.Maskwork[2]})
        EXPECT_FALSE(store->isVisibleTo(el.Form1));
}

TEST(Window, DisplayOnlyTextBoxesCannotBeEdited)
{
    LoadedGame g;
    for (TextBox* box : {g.el().Help_mes, g.el().Text3, g.el().Text4, g.el().Text1[0],
                         g.el().Text2[3], g.el().Text6})
        EXPECT_TRUE(box->isReadOnly());
}

TEST(Window, PictureBoxesShowTheirDrawingOnlyWhenTold)
{
    LoadedGame g;
    PictureBox& mokuta = *g.el().Mokuta;
    const QColor blank = mokuta.background();
    mokuta.image().fill(Qt::red);
    // Until told, the box shows the blank it started with, at its full inner size.
    EXPECT_EQ(mokuta.shown_image().pixelColor(5, 5), blank);
    EXPECT_EQ(mokuta.shown_image().size(), mokuta.image().size());
    mokuta.refresh();
    EXPECT_EQ(mokuta.shown_image().pixelColor(5, 5), QColor(Qt::red));
}

TEST(Window, RouletteStripHoldsTheFivePrizeNamesInWhite)
{
    LoadedGame g;
    const QImage& strip = g.el().Picture1->image();
    const QColor white(255, 255, 255);
    for (int row = 0; row < 5; ++row) {
        int whites = 0;
        for (int y = row * 20 + 2; y < row * 20 + 20; ++y)
            for (int x = 10; x < 89; ++x)
                whites += strip.pixelColor(x, y) == white ? 1 : 0;
        EXPECT_GT(whites, 20) << "row " << row;
    }
    EXPECT_EQ(strip.pixelColor(2, 10), from_bgr(0x00FF8080));
    EXPECT_EQ(strip.pixelColor(5, 2), from_bgr(0x00FF8080));
}

TEST(Covering, TheStartButtonLiesAboveEverything)
{
    LoadedGame g;
    EXPECT_TRUE(g.host.player.clickable(g.el().Starts));
}

TEST(Covering, BeforeTheStartOnlyTheTitleAndItsButtonCanBeReached)
{
    LoadedGame g;
    Elements& el = g.el();
    EXPECT_EQ(el.Titles->geometry(), QRect(0, 0, 515, 305));
    EXPECT_TRUE(g.host.player.clickable(el.Starts));
    for (QWidget* game_element : std::initializer_list<QWidget*>{
             el.Shuffle, el.Label1[0], el.Label1[2], el.Text3, el.Help_mes, el.Check1, el.Mokuta})
        EXPECT_EQ(el.Form1->childAt(game_element->mapTo(el.Form1, game_element->rect().center())),
                  el.Titles);
}

TEST(Covering, ThePanelHidesTheRouletteUntilItIsHidden)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    ScriptedPlayer& player = g.host.player;
    // Picture3 lies over the roulette's button; the slot rows lie over Picture3.
    EXPECT_NE(player.element_at(el.Roulet_OK), el.Roulet_OK);
    EXPECT_TRUE(player.clickable(el.Shuffle));
    el.Picture3->hide();
    EXPECT_TRUE(player.clickable(el.Roulet_OK));
}

TEST(Covering, ThePromptPanelHidesThePlansButNotItsButtons)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    ScriptedPlayer& player = g.host.player;
    el.on_click(el.Label1[1], [] {});
    EXPECT_NE(player.element_at(el.Label1[1]), el.Label1[1]);
    el.Item_YES->show();
    el.Item_NO->show();
    el.on_click(el.Item_YES, [] {});
    el.on_click(el.Item_NO, [] {});
    EXPECT_TRUE(player.clickable(el.Item_YES));
    EXPECT_TRUE(player.clickable(el.Item_NO));
    el.Picture6->hide();
    EXPECT_TRUE(player.clickable(el.Label1[1]));
}

TEST(Covering, AClickOnACoveredElementNeverReachesIt)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    int spins = 0;
    el.on_click(el.Roulet_OK, [&] { ++spins; });
    Landing landing = g.host.player.click(el.Roulet_OK);
    EXPECT_FALSE(landing.on_target());
    EXPECT_EQ(spins, 0);
}

TEST(Covering, HiddenAndDisabledElementsTakeNoClicks)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    int quits = 0;
    el.on_click(el.Quits, [&] { ++quits; });
    g.host.player.click(el.Quits);
    el.Quits->show();
    g.host.player.click(el.Quits);
    EXPECT_EQ(quits, 0);
    el.Quits->setEnabled(true);
    EXPECT_TRUE(g.host.player.click(el.Quits).on_target());
    EXPECT_EQ(quits, 1);
}

TEST(Accessibility, EveryCaptionAndTextCanBeRead)
{
    LoadedGame g;
    for (const ElementEntry& e : g.el().all()) {
        QString shown;
        if (auto* label = qobject_cast<Label*>(e.widget))
            shown = display_text(label->caption());
        else if (auto* box = qobject_cast<QLineEdit*>(e.widget))
            shown = box->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(e.widget))
            shown = button->text();
        else
            continue;
        EXPECT_EQ(accessible_text(e.widget), shown) << Elements::element_name(*e.row).toStdString();
    }
    EXPECT_TRUE(accessible_text(g.el().Frame1).contains(QStringLiteral("ボーナスルーレット")));
    EXPECT_TRUE(accessible_text(g.el().Label1[0]).contains(g.st().Act_Name[g.st().Plan_Act[0][0]]));
    g.el().Text1[1]->setText(QStringLiteral("バイト"));
    EXPECT_EQ(accessible_text(g.el().Text1[1]), QStringLiteral("バイト"));
    EXPECT_EQ(accessible_text(g.el().Text3), QStringLiteral("30,000"));
}

// As the screen reads: the read-outs left to right, the plans left to right before the buttons.
TEST(Accessibility, TheKeyboardWalksInReadingOrder)
{
    LoadedGame g;
    Elements& el = g.el();
    EXPECT_EQ(el.Help_mes->nextInFocusChain(), el.Text3);
    EXPECT_EQ(el.Text6->nextInFocusChain(), el.Text4);
    EXPECT_EQ(el.Label1[0]->nextInFocusChain(), el.Label1[1]);
    EXPECT_EQ(el.Label1[2]->nextInFocusChain(), el.Shuffle);
    EXPECT_EQ(el.Text1[0]->nextInFocusChain(), el.Text2[0]);
}

TEST(Looks, ElementsPaintInTheirColours)
{
    LoadedGame g;
    g.past_title();
    Elements& el = g.el();
    QImage screen = el.Form1->grab().toImage();
    auto at = [&](QWidget* w, int x, int y) {
        return screen.pixelColor(w->mapTo(el.Form1, QPoint(x, y)));
    };
    EXPECT_EQ(at(el.Help_mes, 370, 12), from_bgr(0x00FF0000));
    EXPECT_EQ(at(el.Text1[0], 80, 20), from_bgr(0x00C0FFFF));
    EXPECT_EQ(at(el.Mokuta, 150, 200), from_bgr(0x00FEFFEE));
    EXPECT_EQ(at(el.Picture3, 5, 170), QColor(255, 255, 255));
    EXPECT_EQ(at(el.Form1, 300, 30), QColor(255, 255, 255));
}

TEST(Window, ResizingTheWindowChangesNothingInside)
{
    LoadedGame g;
    g.past_title();
    std::vector<QRect> before;
    for (const ElementEntry& e : g.el().all())
        before.push_back(e.widget->geometry());
    FormWindow& window = *g.el().Form1;
    auto stage_at = [&] { return QRect(window.stage()->mapTo(&window, QPoint(0, 0)), window.stage()->size()); };
    window.resize(900, 600);
    EXPECT_EQ(stage_at(), QRect(192, 147, 515, 305)) << "an enlarged window keeps the game centred";
    const QImage enlarged = window.grab().toImage();
    EXPECT_EQ(enlarged.pixelColor(100, 100), colour::backdrop);
    EXPECT_EQ(enlarged.pixelColor(192 + 300, 147 + 30), QColor(255, 255, 255));
    EXPECT_EQ(g.el().element_at(g.el().Shuffle), g.el().Shuffle) << "what is centred is still clicked";
    window.resize(300, 200);
    EXPECT_EQ(stage_at().topLeft(), QPoint(0, 0));
    window.resize(515, 305);
    EXPECT_EQ(stage_at(), QRect(0, 0, 515, 305));
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(g.el().all()[i].widget->geometry(), before[i])
            << Elements::element_name(*g.el().all()[i].row).toStdString();
    EXPECT_EQ(g.el().Mokuta->image().size(), QSize(303, 255));
}
