// The window and every element in it, built from the element table and addressed by name.
#include "render/Elements.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <thread>

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "game/Verify.h"
#include "platform/Host.h"
#include "platform/Language.h"
#include "render/Accessible.h"
#include "render/Announcer.h"
#include "render/Colours.h"
#include "render/Keyboard.h"

namespace {
const QString gothic = QStringLiteral("ＭＳ ゴシック");
const QString p_gothic = QStringLiteral("ＭＳ Ｐゴシック");
const FontSpec window_font{Typeface::PGothic, 9, false};

// The faces that can stand in for the game's two, in the order they are preferred, and the
// faces for its words in other languages: narrow enough for boxes drawn for Japanese.
const QStringList& stand_ins(Typeface face)
{
    static const QStringList fixed{"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP", "VL Gothic",
                                   "TakaoGothic"};
    static const QStringList proportional{"IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP",
                                          "VL PGothic", "TakaoPGothic"};
    static const QStringList latin{"DejaVu Sans Condensed", "DejaVu Sans", "Noto Sans",
                                   "Liberation Sans"};
    return face == Typeface::Gothic ? fixed : face == Typeface::Latin ? latin : proportional;
}

// Each element asks for the first installed stand-in by its own name, which
// is cheaper than having the toolkit search for the game's names at every
// size; with none installed, the game's own name lets the desktop choose.
QString resolved_family(Typeface face)
{
    static QString fixed, proportional, latin;
    QString& family = face == Typeface::Gothic ? fixed : face == Typeface::Latin ? latin : proportional;
    if (family.isEmpty()) {
        family = face == Typeface::Gothic  ? gothic
                 : face == Typeface::Latin ? QStringLiteral("Sans")
                                           : p_gothic;
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate : stand_ins(face))
            if (installed.contains(candidate)) {
                family = candidate;
                break;
            }
    }
    return family;
}

} // namespace

namespace {
std::thread font_configuration;
} // namespace

void start_reading_font_configuration()
{
    font_configuration = std::thread([] { FcInit(); });
}

void wait_for_font_configuration()
{
    if (font_configuration.joinable())
        font_configuration.join();
}

// Points become pixels at 96 dots per inch, whatever the screen says, so
// that the layout stays the one it was designed in.
int pixel_size(double points)
{
    return static_cast<int>(std::nearbyint(points * 4.0 / 3.0));
}

// A Latin face falls back on the proportional Gothic for any kana or kanji among the words.
QFont font_for(const FontSpec& wanted)
{
    const FontSpec& s = wanted.face == Typeface::WindowFont ? window_font : wanted;
    QFont font(resolved_family(s.face));
    if (s.face == Typeface::Latin)
        font.setFamilies({resolved_family(Typeface::Latin), resolved_family(Typeface::PGothic)});
    font.setStyleHint(s.face == Typeface::Gothic ? QFont::TypeWriter : QFont::SansSerif);
    font.setPixelSize(pixel_size(s.points));
    font.setBold(s.bold);
    return font;
}

QFont window_font_in_language()
{
    return font_for(speaks_japanese() ? window_font : FontSpec{Typeface::Latin, window_font.points, false});
}

QString Elements::element_name(const ElementRow& row)
{
    QString name = QString::fromLatin1(row.name);
    if (row.index >= 0)
        name += QStringLiteral("[%1]").arg(row.index);
    return name;
}

namespace {
std::map<const QWidget*, Elements*>& windows()
{
    static std::map<const QWidget*, Elements*> all;
    return all;
}
} // namespace

Elements::Elements(Host& host) : Timer1(host, timer1_interval_ms), host_(host)
{
    install_accessibility();
    build();
    windows()[Form1] = this;
    bind();
    stack_and_order();
    name_for_assistive_tools(*this);
    keyboard_ = std::make_unique<KeyboardReach>(*this);
    announcer_ = std::make_unique<Announcer>(*this);
}

Elements::~Elements()
{
    windows().erase(Form1);
}

Elements* Elements::of(const QWidget* window)
{
    auto it = windows().find(window);
    return it == windows().end() ? nullptr : it->second;
}

QWidget* Elements::find(const char* name, int index) const
{
    for (const ElementEntry& e : entries_)
        if (e.row->index == index && std::strcmp(e.row->name, name) == 0)
            return e.widget;
    return nullptr;
}

void Elements::build()
{
    window = std::make_unique<FormWindow>();
    Form1 = window.get();
    Form1->setObjectName(QStringLiteral("Form1"));
    Form1->setWindowTitle(QCoreApplication::translate("Form1", window_caption));
    Form1->move(design_client_x, design_client_y);
    Form1->fit_inside(QSize(design_client_width, design_client_height));
    Form1->setFont(window_font_in_language());
    set_back_colour(*Form1, Qt::white);

    for (const ElementRow& row : element_rows()) {
        QWidget* parent = std::strcmp(row.container, "Form1") == 0 ? Form1->stage() : find(row.container);
        MOKUTA_VERIFY(parent, "a container must come before what it holds");
        entries_.push_back({&row, make(row, parent)});
    }
}

static void apply_colours(QWidget& w, const ElementRow& row)
{
    if (row.fore != default_colour)
        set_fore_colour(w, from_bgr(row.fore));
    if (row.back != default_colour)
        set_back_colour(w, from_bgr(row.back));
}

QWidget* Elements::make(const ElementRow& row, QWidget* parent)
{
    const QString caption = *row.caption ? QCoreApplication::translate("Form1", row.caption) : QString();
    QWidget* w = nullptr;
    switch (row.kind) {
    case Kind::Button: {
        auto* b = new Button(parent);
        b->setText(caption);
        w = b;
        break;
    }
    case Kind::Picture: {
        auto* p = new PictureBox(parent, (row.look & border) != 0);
        w = p;
        break;
    }
    case Kind::Label: {
        auto* l = new Label(parent, (row.look & transparent) != 0);
        l->set_caption(caption);
        w = l;
        break;
    }
    case Kind::TextBox: {
        auto* t = new TextBox(parent);
        t->setText(caption);
        w = t;
        break;
    }
    case Kind::CheckBox: {
        auto* c = new CheckBox(parent);
        c->setText(caption);
        c->setChecked(true);
        w = c;
        break;
    }
    case Kind::Frame: {
        auto* f = new Frame(parent);
        f->setTitle(caption);
        f->setAutoFillBackground(true);
        w = f;
        break;
    }
    }
    w->setObjectName(element_name(row));
    const FontSpec font = speaks_japanese() ? row.font : translated_font(row);
    if (font.face != Typeface::WindowFont)
        w->setFont(font_for(font));
    apply_colours(*w, row);
    if (auto* p = qobject_cast<PictureBox*>(w)) {
        p->set_background(from_bgr(row.back));
        p->place(QRect(row.x, row.y, row.w, row.h));
        if (row.start == Start::Shown)
            p->refresh();
    } else {
        w->setGeometry(row.x, row.y, row.w, row.h);
    }
    if (row.start != Start::Shown)
        w->hide();
    if (row.start == Start::HiddenDisabled)
        w->setEnabled(false);
    return w;
}

template <typename T>
static void bind_one(const Elements& el, T*& out, const char* name, int index = -1)
{
    out = qobject_cast<T*>(el.find(name, index));
    MOKUTA_VERIFY(out, "every named element is in the table with its kind");
}

template <typename T, std::size_t N>
static void bind_array(const Elements& el, std::array<T*, N>& out, const char* name)
{
    for (std::size_t i = 0; i < N; ++i)
        bind_one(el, out[i], name, static_cast<int>(i));
}

void Elements::bind()
{
    bind_one(*this, Starts, "Starts");
    bind_one(*this, Titles, "Titles");
    bind_one(*this, Titlet, "Titlet");
    bind_array(*this, Pics, "Pics");
    bind_array(*this, Heads, "Heads");
    bind_array(*this, Faces, "Faces");
    bind_array(*this, hands, "hands");
    bind_array(*this, Dolls, "Dolls");
    bind_one(*this, Bottle, "Bottle");
    bind_array(*this, Maskwork, "Maskwork");
    bind_one(*this, Mokuta, "Mokuta");
    bind_one(*this, Quits, "Quits");
    bind_array(*this, Last_mes, "Last_mes");
    bind_one(*this, Mokuta_mes, "Mokuta_mes");
    bind_array(*this, Text1, "Text1");
    bind_array(*this, Text2, "Text2");
    bind_one(*this, Item_NO, "Item_NO");
    bind_one(*this, Item_YES, "Item_YES");
    bind_one(*this, Picture6, "Picture6");
    bind_one(*this, Label6, "Label6");
    bind_one(*this, Text5, "Text5");
    bind_one(*this, Text4, "Text4");
    bind_one(*this, Text3, "Text3");
    bind_one(*this, Menu_OK, "Menu_OK");
    bind_one(*this, Shuffle, "Shuffle");
    bind_one(*this, Picture3, "Picture3");
    bind_one(*this, Help_mes, "Help_mes");
    bind_one(*this, Roulet_OK, "Roulet_OK");
    bind_one(*this, Picture1, "Picture1");
    bind_one(*this, Frame1, "Frame1");
    bind_one(*this, Picture2, "Picture2");
    bind_one(*this, Batsu, "Batsu");
    bind_one(*this, Maru, "Maru");
    bind_one(*this, Text6, "Text6");
    bind_one(*this, Check1, "Check1");
    bind_one(*this, Label7, "Label7");
    bind_one(*this, Label2, "Label2");
    bind_one(*this, Label5, "Label5");
    bind_one(*this, Label4, "Label4");
    bind_one(*this, Label3, "Label3");
    bind_one(*this, Lable3, "Lable3");
    bind_array(*this, Label1, "Label1");
}

// Rows come top first; raising them from the last row up leaves the first on top.
// The keyboard walks the elements as the screen reads, not in the table's own tab
// order, which goes right to left through the plans and puts them after the buttons.
void Elements::stack_and_order()
{
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        it->widget->raise();

    for (const ElementEntry& e : entries_)
        e.widget->setFocusPolicy(natural_focus(*this, e.widget));
    const std::vector<QWidget*> order = reading_order(*this);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Elements::on_click(QWidget* element, std::function<void()> handler)
{
    clicks_[element] = handler;
    if (auto* label = qobject_cast<Label*>(element))
        label->on_click(handler);
    else if (auto* button = qobject_cast<QAbstractButton*>(element))
        QObject::connect(button, &QAbstractButton::clicked, button, [handler] { handler(); });
}

QWidget* Elements::element_at(QWidget* element) const
{
    if (!element->isVisible())
        return nullptr;
    QPoint centre = element->mapTo(Form1, element->rect().center());
    QWidget* hit = Form1->childAt(centre);
    while (hit && !takes_clicks(hit) && hit != element)
        hit = hit->parentWidget();
    if (!hit || hit == Form1 || !hit->isEnabled())
        return nullptr;
    return hit;
}

bool Elements::seen(QWidget* element) const
{
    if (!element->isVisible())
        return false;
    QWidget* hit = Form1->childAt(element->mapTo(Form1, element->rect().center()));
    return hit && (hit == element || element->isAncestorOf(hit));
}

// The mouse and the keyboard cannot reach the window behind an open message box, and an
// assistive tool's action cannot either.
bool Elements::reachable_by_tools(QWidget* element) const
{
    QWidget* modal = QApplication::activeModalWidget();
    return (!modal || modal == Form1) && reachable(element);
}

void Elements::press_when_reachable(QWidget* element)
{
    host_.deliver_input([this, element] {
        if (reachable_by_tools(element))
            press(element);
    });
}

void Elements::on_key(std::function<bool(int key)> handler)
{
    keyboard_->on_key(std::move(handler));
}

bool Elements::press(QWidget* element)
{
    auto it = clicks_.find(element);
    if (it == clicks_.end())
        return false;
    if (auto* box = qobject_cast<QCheckBox*>(element)) {
        QSignalBlocker quiet(box);
        box->setChecked(!box->isChecked());
    }
    it->second();
    return true;
}
