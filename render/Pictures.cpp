// The built-in pictures and the hidden picture stores that hold them.
#include "render/Pictures.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "render/Elements.h"

namespace {

struct Stored {
    const char* store;
    int index;
    const char* file;
};

// Members left out (Heads(0), hands(0), Dolls(0)) hold no picture.
constexpr Stored catalogue[] = {
    {"Pics", 0, "pics0.png"},     {"Pics", 1, "pics1.png"},
    {"Heads", 1, "heads1.png"},   {"Heads", 2, "heads2.png"},   {"Heads", 3, "heads3.png"},
    {"Heads", 4, "heads4.png"},   {"Heads", 5, "heads5.png"},   {"Heads", 6, "heads6.png"},
    {"Heads", 7, "heads7.png"},   {"Heads", 8, "heads8.png"},
    {"Faces", 0, "faces0.png"},   {"Faces", 1, "faces1.png"},   {"Faces", 2, "faces2.png"},
    {"Faces", 3, "faces3.png"},   {"Faces", 4, "faces4.png"},   {"Faces", 5, "faces5.png"},
    {"Faces", 6, "faces6.png"},   {"Faces", 7, "faces7.png"},   {"Faces", 8, "faces8.png"},
    {"Faces", 9, "faces9.png"},   {"Faces", 10, "faces10.png"}, {"Faces", 11, "faces11.png"},
    {"Faces", 12, "faces12.png"}, {"Faces", 13, "faces13.png"},
};

} // namespace

QStringList load_pictures(Elements& el, const QString& root)
{
    auto resource = [&root](const char* file) { return root + QLatin1String(file); };
    QStringList failed;
    for (const Stored& entry : catalogue) {
        auto* store = qobject_cast<PictureBox*>(el.find(entry.store, entry.index));
        QImage picture(resource(entry.file));
        if (!store || picture.isNull() || picture.size() != store->image().size()) {
            failed << QString::fromLatin1(entry.file);
            continue;
        }
        store->image() = picture.convertToFormat(QImage::Format_RGB32);
        store->refresh();
    }
    QImage icon(resource("icon.png"));
    if (icon.size() != QSize(32, 32))
        failed << QStringLiteral("icon.png");
    else
        el.Form1->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    return failed;
}
