// The game's words in the player's language, each with the Japanese it was translated from.
#pragma once

#include <QString>

// A text the player reads or hears, and its Japanese original: a message typed into
// the instruction line takes as long in every language as its Japanese takes.
struct Words {
    QString text;
    QString japanese;

    // A text that is the same in every language, such as a number or a name.
    Words(const QString& same) : text(same), japanese(same) {}
    Words(const QString& shown, const QString& original) : text(shown), japanese(original) {}

    // Fills the lowest %1, %2, ... in both, so the pace counts what the Japanese would show.
    Words arg(const Words& a) const { return {text.arg(a.text), japanese.arg(a.japanese)}; }
    operator QString() const { return text; }
};

// The game's words for a Japanese text, in the language the game speaks. Every text the game
// shows is written in Japanese where it is used and looked up here; lupdate finds it there.
Words say(const char* context, const char* japanese);
