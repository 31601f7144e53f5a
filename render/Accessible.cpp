// What assistive tools are told of the window: plain names, whole texts, only what can be seen,
// and the reach rule for their actions.
#include "render/Accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>

#include "render/Announcer.h"
#include "render/Elements.h"
#include "render/Keyboard.h"

namespace {

struct PlainName {
    const char* element;
    int index;
    const char* name;
};

// The read-outs by the labels beside them, the pictures by what they hold.
constexpr PlainName plain_names[] = {
    {"Text3", -1, QT_TRANSLATE_NOOP("Accessible", "髪")},
    {"Text4", -1, QT_TRANSLATE_NOOP("Accessible", "やる気")},
    {"Text5", -1, QT_TRANSLATE_NOOP("Accessible", "体調")},
    {"Text6", -1, QT_TRANSLATE_NOOP("Accessible", "日数")},
    {"Help_mes", -1, QT_TRANSLATE_NOOP("Accessible", "お知らせ")},
    {"Text1", 0, QT_TRANSLATE_NOOP("Accessible", "行動 1")},
    {"Text1", 1, QT_TRANSLATE_NOOP("Accessible", "行動 2")},
    {"Text1", 2, QT_TRANSLATE_NOOP("Accessible", "行動 3")},
    {"Text2", 0, QT_TRANSLATE_NOOP("Accessible", "髪の増減 1")},
    {"Text2", 1, QT_TRANSLATE_NOOP("Accessible", "髪の増減 2")},
    {"Text2", 2, QT_TRANSLATE_NOOP("Accessible", "髪の増減 3")},
    {"Text1", 3, QT_TRANSLATE_NOOP("Accessible", "使用中の育毛剤")},
    {"Text2", 3, QT_TRANSLATE_NOOP("Accessible", "育毛剤の効果")},
    {"Titles", -1, QT_TRANSLATE_NOOP("Accessible", "タイトル")},
    {"Mokuta", -1, QT_TRANSLATE_NOOP("Accessible", "もくた君")},
    {"Picture1", -1, QT_TRANSLATE_NOOP("Accessible", "ルーレット")},
    {"Picture2", -1, QT_TRANSLATE_NOOP("Accessible", "賞品")},
    {"Picture3", -1, QT_TRANSLATE_NOOP("Accessible", "行動の欄")},
    {"Picture6", -1, QT_TRANSLATE_NOOP("Accessible", "質問の欄")},
};

const char* const keys_description = QT_TRANSLATE_NOOP(
    "Accessible",
    "キー: Tab と Shift+Tab で移動、1・2・3 で左・中・右の行動を選ぶ、"
    "Enter で決定（ボーナスデーは Go）、Space でボタンを押す、Y と N で質問に答える。");

// A text box's text is spoken by the announcements when it changes (a read-out, a slot, a
// message), so its own text events would only say it a second time, or in pieces while a
// message is typed.
bool is_text_change(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::ValueChanged:
    case QAccessible::NameChanged:
        return true;
    default:
        return false;
    }
}

bool is_element(const QObject* object)
{
    return qobject_cast<const Button*>(object) || qobject_cast<const CheckBox*>(object) ||
           qobject_cast<const Label*>(object) || qobject_cast<const PictureBox*>(object) ||
           qobject_cast<const TextBox*>(object) || qobject_cast<const Frame*>(object);
}

// Qt passes every update through this one handler instead of to the desktop's
// assistive-tool bus. Whether an element shows is told by the showing report,
// which knows about covers; Qt's own word on it knows only shown and hidden.
void pass_on(QAccessibleEvent* event)
{
    const QAccessible::Event type = event->type();
    if (qobject_cast<const TextBox*>(event->object()) && is_text_change(type))
        return;
    if ((type == QAccessible::ObjectShow || type == QAccessible::ObjectHide) && is_element(event->object()))
        return;
    tell_assistive_tools(*event);
}

QString key_for(const Elements& el, const QWidget* w)
{
    for (int k = 0; k <= 2; ++k)
        if (el.Label1[k] == w)
            return QString::number(k + 1);
    if (w == el.Item_YES)
        return QStringLiteral("Y");
    if (w == el.Item_NO)
        return QStringLiteral("N");
    if (w == el.Menu_OK || w == el.Roulet_OK)
        return QStringLiteral("Return");
    return {};
}

// A button, the music switch, a plan, a label or a picture, as an assistive tool sees it:
// hidden when it is covered, and pressed only where a click could reach it.
class ElementAccessible : public QAccessibleWidget {
public:
    ElementAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::Role role() const override
    {
        const Elements* el = elements();
        return el && is_plan(*el, widget()) ? QAccessible::RadioButton : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const Elements* el = elements();
        if (el && !el->seen(widget())) {
            s.invisible = true;
            s.focusable = false;
        }
        if (const auto* box = qobject_cast<const QCheckBox*>(widget())) {
            s.checkable = true;
            s.checked = box->isChecked();
        } else if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = back_colour(*widget()) != QColor(Qt::white);
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
            s.pressed = button->isDown();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
                return button->text();
            if (const auto* label = qobject_cast<const Label*>(widget()))
                return display_text(label->caption());
            if (const auto* frame = qobject_cast<const Frame*>(widget()))
                return frame->title();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        const Elements* el = elements();
        if (!el || !el->takes_clicks(widget()) || !el->reachable_by_tools(widget()))
            return {};
        QStringList names{pressAction()};
        if (widget()->focusPolicy() != Qt::NoFocus)
            names << setFocusAction();
        return names;
    }

    void doAction(const QString& action) override
    {
        Elements* el = elements();
        if (!el)
            return;
        if (action == pressAction() || action == toggleAction())
            el->press_when_reachable(widget());
        else if (action == setFocusAction() && el->reachable_by_tools(widget()))
            widget()->setFocus(Qt::OtherFocusReason);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const Elements* el = elements();
        const QString key = el && action == pressAction() ? key_for(*el, widget()) : QString();
        return key.isEmpty() ? QStringList() : QStringList{key};
    }

private:
    Elements* elements() const { return Elements::of(widget()->window()); }
};

QString rgb(const QColor& c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// A display-only text box as an assistive tool reads it: the whole text in one run of
// attributes (its font and colours, so that a red read-out can be told from a blue one),
// a message whole while it is typed, hidden when it is covered, and taking the focus only
// as the keyboard lets it.
class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text_to_read();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = true;
        const Elements* el = Elements::of(widget()->window());
        if (el && !el->seen(widget())) {
            s.invisible = true;
            s.focusable = false;
        }
        return s;
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + static_cast<int>(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text_to_read().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text_to_read().size()); }

    QRect characterRect(int offset) const override
    {
        const QString shown = box()->text_to_read();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const int x = text_left() + metrics.horizontalAdvance(shown.left(offset));
        const int y = (box()->height() - metrics.height()) / 2;
        const QRect local(x, y, metrics.horizontalAdvance(shown.at(offset)), metrics.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = box()->mapFromGlobal(point);
        for (int k = 0; k < characterCount(); ++k) {
            const QRect r = characterRect(k);
            if (local.x() < box()->mapFromGlobal(r.topLeft()).x() + r.width())
                return box()->rect().contains(local) ? k : -1;
        }
        return -1;
    }

    void scrollToSubstring(int, int) override {}

    QString attributes(int offset, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        if (offset < 0 || offset > *end)
            *start = *end = offset;
        const QFont font = box()->font();
        return QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;color:%4;background-color:%5;")
            .arg(font.family())
            .arg(font.pixelSize() * 3 / 4)
            .arg(font.bold() ? 700 : 400)
            .arg(rgb(box()->palette().color(QPalette::Active, QPalette::Text)))
            .arg(rgb(box()->palette().color(QPalette::Active, QPalette::Base)));
    }

private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
    // Where the text begins: its left margin and the line edit's own small one inside it.
    int text_left() const { return box()->textMargins().left() + 2; }
};

// Asked for every element as it is made, before the game knows its name; what
// an element is (a plan or another label) is looked up each time it is asked.
QAccessibleInterface* element_interface(const QString& class_name, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (class_name == QLatin1String("Button"))
        return new ElementAccessible(w, QAccessible::PushButton);
    if (class_name == QLatin1String("CheckBox"))
        return new ElementAccessible(w, QAccessible::CheckBox);
    if (class_name == QLatin1String("Label"))
        return new ElementAccessible(w, QAccessible::StaticText);
    if (class_name == QLatin1String("PictureBox"))
        return new ElementAccessible(w, QAccessible::Graphic);
    if (class_name == QLatin1String("Frame"))
        return new ElementAccessible(w, QAccessible::Grouping);
    if (class_name == QLatin1String("TextBox"))
        return new TextBoxAccessible(static_cast<TextBox*>(w));
    // The announcements sit in a status bar of their own, so that a screen reader speaks
    // what they say and not what they are.
    if (class_name == QLatin1String("AnnouncementBar"))
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    if (class_name == QLatin1String("Announcement"))
        return new QAccessibleWidget(w, QAccessible::Notification);
    return nullptr;
}

} // namespace

void install_accessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&element_interface);
    QAccessible::installUpdateHandler(&pass_on);
}

// The handler steps aside for one call to let an event through.
void tell_assistive_tools(QAccessibleEvent& event)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(&event);
    QAccessible::installUpdateHandler(&pass_on);
}

void name_for_assistive_tools(Elements& el)
{
    for (const PlainName& n : plain_names)
        if (QWidget* w = el.find(n.element, n.index))
            w->setAccessibleName(QCoreApplication::translate("Accessible", n.name));
    for (int k = 0; k <= 2; ++k)
        el.Label1[k]->setAccessibleDescription(
            QCoreApplication::translate("Accessible", "今日の行動 %1").arg(k + 1));
    el.Form1->setAccessibleDescription(QCoreApplication::translate("Accessible", keys_description));
}

ShowingReport::ShowingReport(Elements& el) : el_(el) {}

// Until the first report the tools know only Qt's own word: shown or hidden.
void ShowingReport::update()
{
    if (told_.empty())
        for (const ElementEntry& e : el_.all())
            told_[e.widget] = e.widget->isVisible();
    for (auto& [widget, told] : told_) {
        const bool seen = el_.seen(widget);
        if (seen == told)
            continue;
        told = seen;
        QAccessibleEvent event(widget, seen ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        tell_assistive_tools(event);
    }
}
