// What assistive tools are told of the window: plain names, the reach rule for their actions, quiet typing.
#pragma once

class Elements;
class QWidget;

// Teaches Qt how the game's own elements answer assistive tools; before the first element is made.
void install_accessibility();

// Names the read-outs and pictures, describes the keys on the window, and
// makes every button, the music switch, the plans, the labels and the
// pictures answer assistive tools by the same reach rule as the mouse.
void name_for_assistive_tools(Elements& el);

// While quiet, the element's text changes are not passed on to assistive tools.
void keep_quiet(QWidget* element, bool quiet);
