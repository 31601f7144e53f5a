// The keyboard follows the mouse's reach: only what a person could click can take the focus or a key.
#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <Qt>

class Elements;
class QKeyEvent;
class QWidget;

class KeyboardReach : public QObject {
public:
    explicit KeyboardReach(Elements& elements);
    ~KeyboardReach() override;

    void on_key(std::function<bool(int key)> handler) { key_handler_ = std::move(handler); }

    // Gives each element the focus it may take now (none when it cannot be
    // reached, or is an empty box) and moves the focus off an element that no longer takes it.
    void update();
    // The focus stays where the player put it while it may; otherwise it goes to `element`.
    void focus_unless_placed(QWidget* element);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key_pressed(QWidget* to, QKeyEvent& key);
    bool key_released(QWidget* to, QKeyEvent& key);
    void move_focus_off(QWidget* lost);
    bool takes_focus(QWidget* element) const;
    void box_changed(QWidget* box);

    Elements& el_;
    std::function<bool(int key)> key_handler_;
    bool updating_ = false;
};

// Whether the element is one of the day's plans, which take the focus from the Tab key only.
bool is_plan(const Elements& el, const QWidget* element);
// The focus an element of its kind takes when it can be reached.
Qt::FocusPolicy natural_focus(const Elements& el, const QWidget* element);
// The elements the Tab key walks, in the order the screen reads: the instruction line and the
// read-outs along the top, the question, the plans from left to right, the buttons under them,
// the slots row by row, the music switch, and the hero's おしまい.
std::vector<QWidget*> reading_order(const Elements& el);
