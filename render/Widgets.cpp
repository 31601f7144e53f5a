// The kinds of element the window is made of, as thin layers over Qt widgets.
#include "render/Widgets.h"

#include "render/Colours.h"

#include <algorithm>
#include <cmath>

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "render/Pictures.h"

QString display_text(const QString& caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The fore colour holds for the active and inactive looks; a disabled element
// keeps the toolkit's greyed text so that the player can see it is locked.
void set_fore_colour(QWidget& w, const QColor& c)
{
    QPalette p = w.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, c);
        p.setColor(group, QPalette::Text, c);
        p.setColor(group, QPalette::ButtonText, c);
    }
    w.setPalette(p);
}

void set_back_colour(QWidget& w, const QColor& c)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w.setPalette(p);
}

QColor fore_colour(const QWidget& w)
{
    return w.palette().color(QPalette::Active, QPalette::WindowText);
}

QColor back_colour(const QWidget& w)
{
    return w.palette().color(QPalette::Active, QPalette::Window);
}

Label::Label(QWidget* parent, bool transparent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(!transparent);
}

void Label::set_caption(const QString& caption)
{
    caption_ = caption;
    setText(display_text(caption));
    emit caption_changed();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        isEnabled() && click_)
        click_();
}

// A dotted frame just inside the edge, once the player moves the focus with the
// keyboard; a mouse player never sees it.
static void draw_keyboard_focus(QWidget& w)
{
    if (!w.hasFocus() || !w.window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter p(&w);
    p.setPen(QPen(w.palette().color(QPalette::Active, w.foregroundRole()), 1, Qt::DotLine));
    p.drawRect(w.rect().adjusted(1, 1, -2, -2));
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    draw_keyboard_focus(*this);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    // The style's own frame is roomy; these boxes are small ("100" must fit
    // into 25 pixels), so they get a thin line drawn over their edge instead.
    setFrame(false);
    setTextMargins(2, 0, 1, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TextBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(QColor(0xc8, 0xc8, 0xc8));
    p.drawLine(1, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 1, width() - 1, height() - 1);
    p.end();
    draw_keyboard_focus(*this);
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QFocusEvent quiet(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&quiet);
}


PictureBox::PictureBox(QWidget* parent, bool border) : QWidget(parent), border_(border)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::set_background(const QColor& c)
{
    // What the box holds or shows, made or not yet, keeps the colour it had.
    shown_image();
    decode_if_pending();
    background_ = c;
    surface_background_ = to_bgr(c);
    set_back_colour(*this, c);
}

QSize PictureBox::inner_size() const
{
    int edge = border_ ? 2 : 0;
    return QSize(std::max(0, width() - edge), std::max(0, height() - edge));
}

void PictureBox::clear()
{
    image().fill(background_);
}

void PictureBox::set_picture(const QString& resource)
{
    pending_ = resource;
    image_ = QImage();
    blank_pending_ = false;
}

QImage PictureBox::blank() const
{
    QImage made(inner_size(), QImage::Format_RGB32);
    made.fill(background_);
    return made;
}

// A box told to show its blank before anything was drawn into it: the blank
// is made when first painted, shared with the kept image if that is untouched.
// Made later, it has the box's size by then; on screen that is the same
// background either way.
void PictureBox::show_blank() const
{
    shown_blank_pending_ = false;
    if (!blank_pending_) {
        shown_ = blank();
        return;
    }
    blank_pending_ = false;
    image_ = blank();
    shown_ = image_;
}

// The picture sits at the box's inner top-left corner, over its background;
// one taller than the box (the title) is kept whole.
void PictureBox::decode() const
{
    const QImage picture = decoded_picture(pending_);
    pending_.clear();
    QImage kept(inner_size(), QImage::Format_RGB32);
    kept.fill(background_);
    if (picture.width() > kept.width() || picture.height() > kept.height()) {
        kept = picture.convertToFormat(QImage::Format_RGB32);
    } else {
        QPainter p(&kept);
        p.drawImage(0, 0, picture);
    }
    image_ = kept;
}

// The shown image shares the kept one until the next drawing into the kept
// one, which then copies it: what is on screen changes only here.
void PictureBox::refresh()
{
    shown_blank_pending_ = blank_pending_;
    shown_ = blank_pending_ ? QImage() : image();
    update();
}

void PictureBox::draw_when_needed(std::function<void(QImage&)> drawing)
{
    pending_drawing_ = std::move(drawing);
}

void PictureBox::draw_pending() const
{
    const auto drawing = std::move(pending_drawing_);
    pending_drawing_ = nullptr;
    drawing(image_);
    shown_ = image_;
    shown_blank_pending_ = false;
}

void PictureBox::place(const QRect& box)
{
    setGeometry(box);
    fit_image();
}

// The kept image grows and shrinks with the box and keeps what it holds.
void PictureBox::fit_image()
{
    QSize size = inner_size();
    const bool never_used = image_.isNull() && !blank_pending_ && pending_.isEmpty() && !pending_drawing_;
    if (never_used && !size.isEmpty()) {
        blank_pending_ = true;
        return;
    }
    if (size == image().size())
        return;
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(background_);
    QPainter p(&grown);
    p.drawImage(0, 0, image_);
    p.end();
    image_ = grown;
}

// At whole scale factors every picture pixel becomes a square of screen
// pixels, exactly; at 1.25 or 1.5 nearest-neighbour scaling would make some
// rows and columns wider than others, so the pictures are smoothed there.
static bool fractional(qreal scale)
{
    return std::abs(scale - std::round(scale)) > 0.01;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const QImage& shown = shown_image();
    decode_if_pending();
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, fractional(devicePixelRatioF()));
    int edge = border_ ? 1 : 0;
    p.fillRect(rect(), background_);
    p.drawImage(edge, edge, shown);
    if (border_) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

FormWindow::FormWindow() : stage_(new QWidget(this))
{
    stage_->setObjectName(QStringLiteral("stage"));
    stage_->setAutoFillBackground(true);
}

void FormWindow::fit_inside(QSize size)
{
    stage_->resize(size);
    resize(size);
    centre_stage();
}

void FormWindow::centre_stage()
{
    const QSize room = size() - stage_->size();
    stage_->move(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
}

void FormWindow::resizeEvent(QResizeEvent*)
{
    centre_stage();
}

// Only what the stage leaves free shows this.
void FormWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colour::backdrop);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    run_close();
}

// Tab and Shift+Tab walk the elements that take the focus; an element that
// loses the focus because it is hidden or disabled hands it on as the game says.
bool FormWindow::focusNextPrevChild(bool next)
{
    QWidget* focus = focusWidget();
    if (focus_lost_ && focus && focus != this && (!focus->isVisible() || !focus->isEnabled())) {
        focus_lost_(focus);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}
