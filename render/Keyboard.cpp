// The keyboard follows the mouse's reach: only what a person could click can take the focus or a key.
#include "render/Keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include "render/Elements.h"

namespace {

// The keys the game itself answers to, wherever the focus is.
bool is_game_key(int key)
{
    switch (key) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_Y:
    case Qt::Key_N:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

bool unmodified(const QKeyEvent& key)
{
    return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

} // namespace

bool is_plan(const Elements& el, const QWidget* element)
{
    for (const Label* plan : el.Label1)
        if (plan == element)
            return true;
    return false;
}

// Buttons, the music switch and the read-outs take the focus as their kinds do;
// the plans only from the Tab key, so that a click on one leaves the focus where it was.
Qt::FocusPolicy natural_focus(const Elements& el, const QWidget* element)
{
    if (is_plan(el, element))
        return Qt::TabFocus;
    if (qobject_cast<const QAbstractButton*>(element) || qobject_cast<const TextBox*>(element))
        return Qt::StrongFocus;
    return Qt::NoFocus;
}

std::vector<QWidget*> reading_order(const Elements& el)
{
    return {el.Help_mes, el.Text3,    el.Text6,     el.Text4,    el.Text5,     el.Item_NO,
            el.Item_YES, el.Label1[0], el.Label1[1], el.Label1[2], el.Shuffle,  el.Menu_OK,
            el.Roulet_OK, el.Text1[0], el.Text2[0],  el.Text1[1], el.Text2[1], el.Text1[2],
            el.Text2[2], el.Text1[3],  el.Text2[3],  el.Check1,   el.Quits,     el.Starts};
}

// An empty box has nothing to read, so the Tab key passes it by.
static bool empty_box(const QWidget* element)
{
    const auto* box = qobject_cast<const TextBox*>(element);
    return box && box->text().isEmpty();
}

KeyboardReach::KeyboardReach(Elements& elements) : el_(elements)
{
    el_.Form1->installEventFilter(this);
    for (const ElementEntry& e : el_.all()) {
        e.widget->installEventFilter(this);
        if (auto* box = qobject_cast<TextBox*>(e.widget))
            connect(box, &QLineEdit::textChanged, this, [this, box] { box_changed(box); });
    }
    el_.Form1->on_focus_lost([this](QWidget* lost) { move_focus_off(lost); });
    update();
}

// The window outlives this, and hands the focus around while it is taken down.
KeyboardReach::~KeyboardReach()
{
    el_.Form1->on_focus_lost(nullptr);
}

bool KeyboardReach::takes_focus(QWidget* element) const
{
    return natural_focus(el_, element) != Qt::NoFocus && !empty_box(element) && el_.reachable(element);
}

// Only the box that changed can have started or stopped taking the focus.
void KeyboardReach::box_changed(QWidget* box)
{
    const Qt::FocusPolicy now = takes_focus(box) ? natural_focus(el_, box) : Qt::NoFocus;
    if (box->focusPolicy() != now)
        box->setFocusPolicy(now);
    if (now == Qt::NoFocus && box->hasFocus())
        move_focus_off(box);
}

void KeyboardReach::focus_unless_placed(QWidget* element)
{
    QWidget* focus = el_.Form1->focusWidget();
    if (focus && focus != el_.Form1 && takes_focus(focus))
        return;
    element->setFocus();
}

void KeyboardReach::update()
{
    if (updating_)
        return;
    updating_ = true;
    for (const ElementEntry& e : el_.all()) {
        const Qt::FocusPolicy natural = natural_focus(el_, e.widget);
        if (natural == Qt::NoFocus)
            continue;
        const Qt::FocusPolicy now = takes_focus(e.widget) ? natural : Qt::NoFocus;
        if (e.widget->focusPolicy() != now)
            e.widget->setFocusPolicy(now);
    }
    QWidget* focus = el_.Form1->focusWidget();
    if (focus && focus != el_.Form1 && !takes_focus(focus))
        move_focus_off(focus);
    updating_ = false;
}

// The focus goes where the game puts it after a message, the instruction line,
// or else to the next element that can be reached; with nothing to reach, the
// window keeps the keys to itself.
void KeyboardReach::move_focus_off(QWidget* lost)
{
    if (takes_focus(el_.Help_mes)) {
        el_.Help_mes->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* w = lost->nextInFocusChain(); w && w != lost; w = w->nextInFocusChain()) {
        if (takes_focus(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    lost->clearFocus();
}

bool KeyboardReach::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::EnabledChange:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
        update();
        break;
    case QEvent::FocusIn:
        if (widget != el_.Form1 && !el_.reachable(widget))
            move_focus_off(widget);
        break;
    case QEvent::KeyPress:
        return key_pressed(widget, static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return key_released(widget, static_cast<QKeyEvent&>(*event));
    default:
        break;
    }
    return false;
}

// A key is looked at where it first arrives, at the focused element (or the
// window when nothing has the focus); what it passes on to the containers is theirs.
bool KeyboardReach::key_pressed(QWidget* to, QKeyEvent& key)
{
    QWidget* focus = el_.Form1->focusWidget();
    if (to != (focus ? focus : el_.Form1))
        return false;
    if (to != el_.Form1 && !el_.reachable(to)) {
        move_focus_off(to);
        return true;
    }
    if (!unmodified(key))
        return false;
    if (key.key() == Qt::Key_Space && is_plan(el_, to)) {
        if (!key.isAutoRepeat())
            el_.press(to);
        return true;
    }
    if (!is_game_key(key.key()))
        return false;
    if (!key.isAutoRepeat() && key_handler_)
        key_handler_(key.key());
    return true;
}

// A button held down with Space is let go without a click if it went out of reach meanwhile.
bool KeyboardReach::key_released(QWidget* to, QKeyEvent&)
{
    if (to != el_.Form1->focusWidget() || el_.reachable(to))
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(to))
        button->setDown(false);
    move_focus_off(to);
    return true;
}
