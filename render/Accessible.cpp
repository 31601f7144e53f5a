// What assistive tools are told of the window: plain names, the reach rule for their actions, quiet typing.
#include "render/Accessible.h"

#include <set>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>

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

std::set<const QObject*>& quiet_elements()
{
    static std::set<const QObject*> quiet;
    return quiet;
}

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

// Qt passes every update through this one handler instead of to the desktop's
// assistive-tool bus; the handler steps aside for one call to let an update through.
void pass_on(QAccessibleEvent* event)
{
    if (quiet_elements().count(event->object()) && is_text_change(event->type()))
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&pass_on);
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
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        const Elements* el = elements();
        if (!el || !el->takes_clicks(widget()) || !el->reachable(widget()))
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
        else if (action == setFocusAction() && el->reachable(widget()))
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

void keep_quiet(QWidget* element, bool quiet)
{
    if (quiet)
        quiet_elements().insert(element);
    else
        quiet_elements().erase(element);
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
