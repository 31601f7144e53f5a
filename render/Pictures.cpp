// The built-in pictures and the hidden picture stores that hold them.
#include "render/Pictures.h"

#include <future>
#include <map>

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QImage>
#include <QPixmap>

#include "render/Elements.h"

namespace {

struct Stored {
    const char* store;
    int index;
    const char* file;
    int w, h;
};

// Members left out (Heads(0), hands(0), Dolls(0)) hold no picture.
constexpr Stored catalogue[] = {
    {"Titles", -1, "title.png", 515, 335},
    {"Pics", 0, "pics0.png", 130, 188},     {"Pics", 1, "pics1.png", 130, 188},
    {"Heads", 1, "heads1.png", 110, 138},   {"Heads", 2, "heads2.png", 110, 138},
    {"Heads", 3, "heads3.png", 110, 138},   {"Heads", 4, "heads4.png", 110, 138},
    {"Heads", 5, "heads5.png", 110, 138},   {"Heads", 6, "heads6.png", 110, 138},
    {"Heads", 7, "heads7.png", 110, 138},   {"Heads", 8, "heads8.png", 110, 138},
    {"Faces", 0, "faces0.png", 115, 96},    {"Faces", 1, "faces1.png", 115, 96},
    {"Faces", 2, "faces2.png", 115, 96},    {"Faces", 3, "faces3.png", 115, 96},
    {"Faces", 4, "faces4.png", 115, 96},    {"Faces", 5, "faces5.png", 115, 96},
    {"Faces", 6, "faces6.png", 115, 96},    {"Faces", 7, "faces7.png", 115, 96},
    {"Faces", 8, "faces8.png", 115, 96},    {"Faces", 9, "faces9.png", 115, 96},
    {"Faces", 10, "faces10.png", 115, 96},  {"Faces", 11, "faces11.png", 115, 96},
    {"Faces", 12, "faces12.png", 180, 168}, {"Faces", 13, "faces13.png", 180, 168},
    {"hands", 1, "hands1.png", 65, 145},    {"hands", 2, "hands2.png", 104, 82},
    {"hands", 3, "hands3.png", 300, 207},   {"hands", 4, "hands4.png", 230, 148},
    {"hands", 5, "hands5.png", 65, 145},    {"hands", 6, "hands6.png", 104, 82},
    {"hands", 7, "hands7.png", 230, 148},
    {"Dolls", 1, "dolls1.png", 120, 208},   {"Dolls", 2, "dolls2.png", 136, 207},
    {"Dolls", 3, "dolls3.png", 143, 207},
    {"Bottle", -1, "bottle.png", 65, 135},
};

// Only the title screen's pictures are worth decoding ahead of time.
constexpr const char* title_pictures[] = {"title.png", "pics0.png", "heads2.png", "faces0.png"};

std::map<QString, std::future<QImage>>& decoding()
{
    static std::map<QString, std::future<QImage>> started;
    return started;
}

// What can be told without decoding: the file is there, a picture of its
// size, and it ends where a whole PNG ends.
bool looks_whole(const QString& path, QSize size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 12)
        return false;
    QImageReader reader(&file);
    if (reader.size() != size)
        return false;
    static const QByteArray png_end = QByteArray::fromHex("0000000049454e44ae426082");
    return file.seek(file.size() - png_end.size()) && file.read(png_end.size()) == png_end;
}

} // namespace

void start_decoding_title_pictures()
{
    for (const char* file : title_pictures) {
        const QString path = QStringLiteral(":/pictures/") + QLatin1String(file);
        decoding()[path] = std::async(std::launch::async, [path] { return QImage(path); });
    }
}

QImage decoded_picture(const QString& path)
{
    auto it = decoding().find(path);
    if (it == decoding().end())
        return QImage(path);
    QImage picture = it->second.get();
    decoding().erase(it);
    return picture;
}

QStringList load_pictures(Elements& el, const QString& root)
{
    auto resource = [&root](const char* file) { return root + QLatin1String(file); };
    QStringList failed;
    for (const Stored& entry : catalogue) {
        auto* store = qobject_cast<PictureBox*>(el.find(entry.store, entry.index));
        const QString path = resource(entry.file);
        if (!store || !looks_whole(path, QSize(entry.w, entry.h))) {
            failed << QString::fromLatin1(entry.file);
            continue;
        }
        store->set_picture(path);
    }
    QImage icon(resource("icon.png"));
    if (icon.size() != QSize(32, 32))
        failed << QStringLiteral("icon.png");
    else
        el.Form1->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    return failed;
}
