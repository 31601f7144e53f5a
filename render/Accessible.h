// What assistive tools are told of the window: plain names, whole texts, only what can be seen,
// and the reach rule for their actions.
#pragma once

#include <map>

class Elements;
class QAccessibleEvent;
class QWidget;

// Teaches Qt how the game's own elements answer assistive tools; before the first element is made.
void install_accessibility();

// Names the read-outs and pictures, describes the keys on the window, and
// makes every button, the music switch, the plans, the labels and the
// pictures answer assistive tools by the same reach rule as the mouse.
void name_for_assistive_tools(Elements& el);

// Passes an event to the assistive-tool bus as it is, past the game's own filter.
void tell_assistive_tools(QAccessibleEvent& event);

// Tells assistive tools of every element that came into sight or went out of it since they
// were last told: covered or uncovered by another element as much as shown or hidden. Tools
// that keep what they were told would otherwise go on reading what lies under a cover.
class ShowingReport {
public:
    explicit ShowingReport(Elements& el);
    void update();

private:
    Elements& el_;
    std::map<QWidget*, bool> told_;
};
