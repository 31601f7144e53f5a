// The kinds of element the window is made of, as thin layers over Qt widgets.
#pragma once

#include <functional>

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// Captions keep the game's CR LF line breaks; the widgets are given plain line feeds.
QString display_text(const QString& caption);

void set_fore_colour(QWidget& w, const QColor& c);
void set_back_colour(QWidget& w, const QColor& c);
QColor fore_colour(const QWidget& w);
QColor back_colour(const QWidget& w);

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, bool transparent);
    void set_caption(const QString& caption);
    QString caption() const { return caption_; }
    void on_click(std::function<void()> handler) { click_ = std::move(handler); }

signals:
    void caption_changed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A plan reached with the Tab key shows the focus frame.
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    std::function<void()> click_;
};

// A display-only text box: the game writes it, the player can read and select it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    // A message typed out letter by letter is a message only once it is complete:
    // then `typed` tells whoever listens, once, with the whole of it. A message
    // typed while another was being typed (a click during the typing played on)
    // is complete at its own end, as the box shows it then.
    void begin_message(const QString& whole) { messages_ << whole; }
    void message_complete()
    {
        if (!messages_.isEmpty())
            messages_.removeLast();
        emit typed(text());
    }
    // What an assistive tool reads in the box: while a message is typed, all of it.
    QString text_to_read() const { return messages_.isEmpty() ? text() : messages_.last(); }
    bool typing() const { return !messages_.isEmpty(); }

signals:
    void typed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Arriving by the Tab key selects nothing the player did not select.
    void focusInEvent(QFocusEvent* event) override;

private:
    QStringList messages_;
};

class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget* parent) : QPushButton(parent) {}
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent) : QCheckBox(parent)
    {
        // Room for "BGM" beside the box in its 33 pixels.
        setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"
                                     " QCheckBox::indicator { width: 11px; height: 11px; }"));
    }
};

class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent) : QGroupBox(parent) {}
};

// A picture box keeps a drawn image; drawing into it changes nothing on
// screen until the box is told to show its image again.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, bool border);

    QImage& image()
    {
        decode_if_pending();
        return image_;
    }
    const QImage& image() const
    {
        decode_if_pending();
        return image_;
    }
    // A built-in picture for the box, decoded the first time something draws
    // from it; until then the box holds no image at all.
    void set_picture(const QString& resource);
    // A drawing into the kept image, shown at once, but done only when the
    // image is first needed (to paint it, to draw more into it, to copy from it).
    void draw_when_needed(std::function<void(QImage&)> drawing);
    const QImage& shown_image() const
    {
        if (shown_blank_pending_)
            show_blank();
        return shown_;
    }
    QColor background() const { return background_; }
    void set_background(const QColor& c);

    void clear();
    void refresh();

    // The drawing surface's own background colour (0x00BBGGRR), which
    // decides what turns into set bits when colour becomes one bit deep.
    uint32_t surface_background() const { return surface_background_; }
    void set_surface_background(uint32_t bgr) { surface_background_ = bgr; }
    // Moves and sizes the box; the kept image follows at once, shown or not.
    // Only the game moves picture boxes, always through here: a resize the
    // window system reports later must not cut the kept image again.
    void place(const QRect& box);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize inner_size() const;
    void fit_image();
    void decode_if_pending() const
    {
        if (blank_pending_) {
            blank_pending_ = false;
            image_ = blank();
        }
        if (!pending_.isEmpty())
            decode();
        if (pending_drawing_)
            draw_pending();
    }
    QImage blank() const;
    void show_blank() const;
    void decode() const;
    void draw_pending() const;

    bool border_;
    QColor background_ = Qt::white;
    uint32_t surface_background_ = 0x00FFFFFF;
    mutable QImage image_;
    // A box that has never held anything gets its blank image (its inside, in
    // its background) only when something first uses it: most boxes are
    // covered or empty at the start. A change of background makes it first; a
    // change of size would grow or cut it into the same blank.
    mutable bool blank_pending_ = false;
    mutable QString pending_;
    mutable std::function<void(QImage&)> pending_drawing_;
    mutable QImage shown_;
    mutable bool shown_blank_pending_ = false;
};

// The window; closing it by any means runs the game's unload. Every element lies in its stage,
// the game's own area, which the game sizes through the window; a window made larger than that
// by the desktop (a tile, maximising, a dragged border) keeps the stage centred on a quiet
// backdrop, as crisp as ever.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow();
    QWidget* stage() const { return stage_; }
    // The inside becomes `size` and so does the stage: the game's own resizing.
    void fit_inside(QSize size);
    void on_close(std::function<void()> handler) { close_ = std::move(handler); }
    void run_close() const
    {
        if (close_)
            close_();
    }
    // Where the focus goes when the focused element is hidden or disabled.
    void on_focus_lost(std::function<void(QWidget*)> handler) { focus_lost_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void centre_stage();

    QWidget* stage_;
    std::function<void()> close_;
    std::function<void(QWidget*)> focus_lost_;
};
