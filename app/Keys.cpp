// The keys that play the game without a mouse; each presses what a click could press, and only then.
#include "app/Form1.h"

bool Form1::Form_KeyDown(int key)
{
    auto press = [this](QWidget* element) { return el.reachable(element) && el.press(element); };
    switch (key) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        return press(el.Label1[key - Qt::Key_1]);
    case Qt::Key_Y:
        return press(el.Item_YES);
    case Qt::Key_N:
        return press(el.Item_NO);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return press(el.Menu_OK) || press(el.Roulet_OK) || press(el.Form1->focusWidget());
    default:
        return false;
    }
}
