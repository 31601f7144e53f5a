// What a screen reader hears without looking for it: one channel of announcements, and a
// watch over the elements that says what a sighted player reads there, when it comes into sight.
#include "render/Announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include "render/Colours.h"
#include "render/Elements.h"

namespace {

// The few words said beyond the screen's own: what it shows by colour alone (a slot's action
// turns blue when it succeeds and red when it fails, a picked plan turns yellow, a read-out
// below 50 turns red, a product's circle or cross lies over its picture), and the marks that
// join what is said into sentences.
struct SpokenWords {
    const char* success;
    const char* failure;
    const char* picked;
    const char* low;
    const char* comma;
    const char* full_stop;
};
constexpr SpokenWords words{
    QT_TRANSLATE_NOOP("Accessible", "成功"), QT_TRANSLATE_NOOP("Accessible", "失敗"),
    QT_TRANSLATE_NOOP("Accessible", "選択"), QT_TRANSLATE_NOOP("Accessible", "低い"),
    QT_TRANSLATE_NOOP("Accessible", "、"), QT_TRANSLATE_NOOP("Accessible", "。")};

// The word in the player's language.
QString word(const char* japanese)
{
    return QCoreApplication::translate("Accessible", japanese);
}

// A caption as one spoken line: its two lines joined by a space.
QString spoken(const QString& caption)
{
    return display_text(caption).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

// Enough announcements in turn that a screen reader still finds each one as it was said
// when it gets round to reading it, however many come at once.
constexpr int announcements_kept = 16;

} // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent), line(new QLabel(this)) {}

Announcer::Announcer(Elements& el) : el_(el), showing_(el), bar_(new AnnouncementBar(el.Form1))
{
    bar_->setObjectName(QStringLiteral("announcements"));
    bar_->setGeometry(0, 0, 0, 0);
    bar_->hide();
    for (int i = 0; i < announcements_kept; ++i)
        ring_.push_back(new Announcement(bar_));

    for (QWidget* w : {static_cast<QWidget*>(el_.Titlet), static_cast<QWidget*>(el_.Last_mes[1]),
                       static_cast<QWidget*>(el_.Maru), static_cast<QWidget*>(el_.Batsu),
                       static_cast<QWidget*>(el_.Quits)})
        appeared_.emplace_back(w, false);

    for (const ElementEntry& e : el_.all())
        e.widget->installEventFilter(this);
    connect(el_.Help_mes, &TextBox::typed, this, [this](const QString& message) {
        if (el_.seen(el_.Help_mes))
            messages_.push_back(message.trimmed());
        look_again();
    });
    for (Label* label : {el_.Mokuta_mes, el_.Label6})
        connect(label, &Label::caption_changed, this, &Announcer::look_again);
    for (Label* plan : el_.Label1)
        connect(plan, &Label::caption_changed, this, [this, plan] {
            if (plan->caption().isEmpty())
                dealt_ = true;
            look_again();
        });
    for (TextBox* box : {el_.Text1[0], el_.Text1[1], el_.Text1[2], el_.Text1[3], el_.Text2[0],
                         el_.Text2[1], el_.Text2[2], el_.Text2[3], el_.Text3, el_.Text4, el_.Text5,
                         el_.Text6})
        connect(box, &QLineEdit::textChanged, this, &Announcer::look_again);
}

void Announcer::say(const QString& spoken_line)
{
    const QString text = spoken_line.trimmed();
    if (text.isEmpty())
        return;
    Announcement* announcement = ring_[next_++ % ring_.size()];
    announcement->line->setText(text);
    // Tools that keep names must forget the line's old one before they read it again.
    QAccessibleEvent renamed(announcement->line, QAccessible::NameChanged);
    tell_assistive_tools(renamed);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    tell_assistive_tools(shown);
    emit said(text);
}

void Announcer::describe_hero(const QString& look)
{
    el_.Mokuta->setAccessibleDescription(look);
    look_ = look;
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        for (Label* plan : el_.Label1)
            if (watched == plan)
                picked_ = true;
        look_again();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
        look_again();
        break;
    default:
        break;
    }
    return false;
}

// Once for everything that changes before the game next lets the window run.
void Announcer::look_again()
{
    if (looking_again_)
        return;
    looking_again_ = true;
    QMetaObject::invokeMethod(this, &Announcer::say_what_changed, Qt::QueuedConnection);
}

void Announcer::say_what_changed()
{
    looking_again_ = false;
    showing_.update();
    say_messages();
    say_line();
    say_what_appeared();
    say_question();
    say_picked_plan();
    say_slots();
    say_read_outs();
    say_plans();
}

void Announcer::say_messages()
{
    const std::vector<QString> typed = std::move(messages_);
    messages_.clear();
    for (const QString& message : typed)
        say(message);
}

// The hero's and the callers' lines over his head.
void Announcer::say_line()
{
    const QString now = el_.seen(el_.Mokuta_mes) ? spoken(el_.Mokuta_mes->caption()) : QString();
    if (now == line_said_)
        return;
    line_said_ = now;
    say(now);
}

QString Announcer::appearance(QWidget* w) const
{
    if (w == el_.Last_mes[1])
        return el_.Last_mes[0]->caption() + el_.Last_mes[1]->caption();
    if (w == el_.Maru)
        return el_.Maru->caption() + QLatin1Char(' ') + word(words.success);
    if (w == el_.Batsu)
        return el_.Batsu->caption() + QLatin1Char(' ') + word(words.failure);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return spoken(static_cast<Label*>(w)->caption());
}

// The greeting on the title, the ending's big letters, the product's mark and おしまい.
void Announcer::say_what_appeared()
{
    for (auto& [w, was_seen] : appeared_) {
        const bool now = el_.seen(w);
        if (now && !was_seen)
            say(appearance(w));
        was_seen = now;
    }
}

// The question is said when it appears, and describes the yes and no buttons while it stands.
void Announcer::say_question()
{
    const QString now = el_.seen(el_.Label6) ? spoken(el_.Label6->caption()) : QString();
    if (now == question_said_)
        return;
    question_said_ = now;
    el_.Item_YES->setAccessibleDescription(now);
    el_.Item_NO->setAccessibleDescription(now);
    say(now);
}

QString Announcer::plan_words(int k) const
{
    return display_text(el_.Label1[k]->caption()).split(QLatin1Char('\n')).join(word(words.comma));
}

void Announcer::say_picked_plan()
{
    if (!picked_)
        return;
    picked_ = false;
    for (int k = 0; k <= 2; ++k)
        if (el_.seen(el_.Label1[k]) && back_colour(*el_.Label1[k]) == colour::light_yellow)
            say(word(words.picked) + QStringLiteral(" %1 ").arg(k + 1) + plan_words(k));
}

QString Announcer::slot_words(int k) const
{
    QString said = el_.Text1[k]->text();
    if (k <= 2) {
        const bool failed = fore_colour(*el_.Text1[k]) == colour::red;
        said += QLatin1Char(' ') + word(failed ? words.failure : words.success);
    }
    return said + QLatin1Char(' ') + el_.Text2[k]->text();
}

// Each slot's action with its outcome and hair change, and the product's daily gain.
void Announcer::say_slots()
{
    for (int k = 0; k <= 3; ++k) {
        const QString now = el_.seen(el_.Text2[k]) ? el_.Text2[k]->text() : QString();
        if (now == slots_said_[k])
            continue;
        slots_said_[k] = now;
        if (!now.isEmpty())
            say(slot_words(k));
    }
}

// The read-outs that changed, once no slot of the day shows an action any more (the day is
// done, or a special day runs in its own panel), or when the game has ended.
void Announcer::say_read_outs()
{
    for (int k = 0; k <= 2; ++k)
        if (el_.seen(el_.Text1[k]) && !el_.Text1[k]->text().isEmpty() && !el_.seen(el_.Last_mes[0]))
            return;
    const std::array<TextBox*, 4> in_reading_order{el_.Text3, el_.Text6, el_.Text4, el_.Text5};
    QStringList changed;
    for (std::size_t i = 0; i < in_reading_order.size(); ++i) {
        TextBox* box = in_reading_order[i];
        if (!el_.seen(box))
            continue;
        // The hair count is said with its unit, as 本 stands beside it on the screen.
        QString now = box->accessibleName() + QLatin1Char(' ');
        if (box == el_.Text3)
            now += QCoreApplication::translate("Accessible", "%1本").arg(box->text());
        else if (fore_colour(*box) == colour::red)
            now += box->text() + QLatin1Char(' ') + word(words.low);
        else
            now += box->text();
        if (now == read_outs_said_[i])
            continue;
        read_outs_said_[i] = now;
        changed << now;
    }
    say(changed.join(word(words.comma)));
}

// New plans once all three are dealt and in sight, after the hero's look if it changed;
// after an ending, his look whenever it changes.
void Announcer::say_plans()
{
    bool dealt = dealt_;
    for (Label* plan : el_.Label1)
        dealt = dealt && !plan->caption().isEmpty() && el_.seen(plan);
    const bool ended = el_.seen(el_.Last_mes[0]);
    if (!dealt && !ended)
        return;
    if (look_ != look_said_) {
        look_said_ = look_;
        say(look_);
    }
    if (!dealt)
        return;
    dealt_ = false;
    QStringList plans;
    for (int k = 0; k <= 2; ++k)
        plans << QStringLiteral("%1 ").arg(k + 1) + plan_words(k);
    say(el_.Lable3->caption() + word(words.comma) + plans.join(word(words.full_stop)) +
        word(words.full_stop));
}
