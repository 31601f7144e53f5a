// What a screen reader hears without looking for it: one channel of announcements, and a
// watch over the elements that says what a sighted player reads there, when it comes into sight.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>
#include <QWidget>

#include "render/Accessible.h"

class Elements;
class QLabel;

// The window's announcements, never on screen. A screen reader speaks each one as it is
// shown to it, wherever the focus is; in a status bar it says only what the line says.
class AnnouncementBar : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncementBar(QWidget* parent) : QWidget(parent) {}
};

class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    QLabel* line;
};

class Announcer : public QObject {
    Q_OBJECT
public:
    explicit Announcer(Elements& el);

    // Said through the window's announcements, whatever has the focus and whatever key came last.
    void say(const QString& text);
    // The hero's look in words: the description of his picture, and said with the next
    // plans dealt when it has changed since it was last said (so at most once a day).
    void describe_hero(const QString& look);

signals:
    void said(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a sighted player reads changes on the elements while the game runs; what it comes
    // to is said when the game next lets the window run, as the player would see it then.
    void look_again();
    void say_what_changed();
    void say_messages();
    void say_line();
    void say_what_appeared();
    void say_question();
    void say_picked_plan();
    void say_slots();
    void say_read_outs();
    void say_plans();
    QString slot_words(int k) const;
    QString plan_words(int k) const;
    QString appearance(QWidget* w) const;

    Elements& el_;
    ShowingReport showing_;
    AnnouncementBar* bar_;
    std::vector<Announcement*> ring_;
    std::size_t next_ = 0;
    bool looking_again_ = false;

    std::vector<QString> messages_;
    QString line_said_;
    std::vector<std::pair<QWidget*, bool>> appeared_;  // and whether it was in sight
    QString question_said_;
    bool picked_ = false;
    std::array<QString, 4> slots_said_;
    std::array<QString, 4> read_outs_said_;
    bool dealt_ = false;
    QString look_;
    QString look_said_;
};
