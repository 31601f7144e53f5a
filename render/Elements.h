// The window and every element in it, built from the element table and addressed by name.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/GameTimer.h"
#include "render/ElementTable.h"
#include "render/Widgets.h"

class Announcer;
class Host;
class KeyboardReach;

struct ElementEntry {
    const ElementRow* row;
    QWidget* widget;
};

class Elements {
public:
    explicit Elements(Host& host);
    ~Elements();
    Elements(const Elements&) = delete;
    Elements& operator=(const Elements&) = delete;

    std::unique_ptr<FormWindow> window;
    FormWindow* Form1 = nullptr;
    GameTimer Timer1;

    Button* Starts = nullptr;
    PictureBox* Titles = nullptr;
    Label* Titlet = nullptr;
    std::array<PictureBox*, 2> Pics{};
    std::array<PictureBox*, 9> Heads{};
    std::array<PictureBox*, 14> Faces{};
    std::array<PictureBox*, 8> hands{};
    std::array<PictureBox*, 4> Dolls{};
    PictureBox* Bottle = nullptr;
    std::array<PictureBox*, 3> Maskwork{};
    PictureBox* Mokuta = nullptr;
    Button* Quits = nullptr;
    std::array<Label*, 2> Last_mes{};
    Label* Mokuta_mes = nullptr;
    std::array<TextBox*, 4> Text1{};
    std::array<TextBox*, 4> Text2{};
    Button* Item_NO = nullptr;
    Button* Item_YES = nullptr;
    PictureBox* Picture6 = nullptr;
    Label* Label6 = nullptr;
    TextBox* Text5 = nullptr;
    TextBox* Text4 = nullptr;
    TextBox* Text3 = nullptr;
    Button* Menu_OK = nullptr;
    Button* Shuffle = nullptr;
    PictureBox* Picture3 = nullptr;
    TextBox* Help_mes = nullptr;
    Button* Roulet_OK = nullptr;
    PictureBox* Picture1 = nullptr;
    Frame* Frame1 = nullptr;
    PictureBox* Picture2 = nullptr;
    Label* Batsu = nullptr;
    Label* Maru = nullptr;
    TextBox* Text6 = nullptr;
    CheckBox* Check1 = nullptr;
    Label* Label7 = nullptr;
    Label* Label2 = nullptr;
    Label* Label5 = nullptr;
    Label* Label4 = nullptr;
    Label* Label3 = nullptr;
    Label* Lable3 = nullptr;
    std::array<Label*, 3> Label1{};

    const std::vector<ElementEntry>& all() const { return entries_; }
    QWidget* find(const char* name, int index = -1) const;
    // "Text1[2]" for a member of an array, "Menu_OK" otherwise.
    static QString element_name(const ElementRow& row);

    // A click on an element runs its handler, however the click arrives.
    void on_click(QWidget* element, std::function<void()> handler);
    // What a press on the element does: the check box changes its value
    // first, like a real click. False when the element takes no clicks.
    bool press(QWidget* element);
    bool takes_clicks(QWidget* element) const { return clicks_.count(element) != 0; }

    // What a person's click in the middle of the element would land on: the
    // element itself when it is shown, enabled and not covered by another.
    QWidget* element_at(QWidget* element) const;
    // The one rule for the mouse, the keyboard and assistive tools alike.
    bool reachable(QWidget* element) const { return element && element_at(element) == element; }
    // Reachable, and not behind an open message box: what an assistive tool may act on.
    bool reachable_by_tools(QWidget* element) const;
    // Whether any part of the element shows at its middle, enabled or not.
    bool seen(QWidget* element) const;
    // A press asked for from outside the game's own clicks (an assistive
    // tool): it is taken at the game's next chance to take input, and only
    // if the element can still be reached then.
    void press_when_reachable(QWidget* element);

    // Keys the focused element leaves alone; true when the game used the key.
    void on_key(std::function<bool(int key)> handler);
    KeyboardReach& keyboard() { return *keyboard_; }
    // What a screen reader is told of the changes on the window.
    Announcer& announcer() { return *announcer_; }
    // The window of these elements, if any is alive.
    static Elements* of(const QWidget* window);

private:
    void build();
    QWidget* make(const ElementRow& row, QWidget* parent);
    void bind();
    void stack_and_order();

    Host& host_;
    std::vector<ElementEntry> entries_;
    std::map<QWidget*, std::function<void()>> clicks_;
    std::unique_ptr<KeyboardReach> keyboard_;
    std::unique_ptr<Announcer> announcer_;
};

// Reads the desktop's font configuration on another thread, while the
// application object comes up; the first font the window needs then finds it ready.
void start_reading_font_configuration();
// Waits for that reading to end. Each font the game asks for is then the first installed
// face that stands in for its typeface, or, with none installed, the typeface's own name,
// for the desktop to match as it can.
void wait_for_font_configuration();
QFont font_for(const FontSpec& wanted);
// The window's own font, for the elements that name none and for message boxes, in the
// language the game speaks.
QFont window_font_in_language();
int pixel_size(double points);
