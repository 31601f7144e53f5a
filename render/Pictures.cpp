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
#include "platform/Language.h"
#include "render/PictureGeometry.h"

namespace {

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

// The title's lettering is words: each language has its own title picture,
// and a language without one of its own takes the English one.
QString in_language(const QString& root, const char* file)
{
    const QString path = root + QLatin1String(file);
    if (speaks_japanese() || qstrcmp(file, "title.png") != 0)
        return path;
    const QString own = root + QStringLiteral("title_%1.png").arg(spoken_language());
    return QFile::exists(own) ? own : root + QStringLiteral("title_en.png");
}

} // namespace

void start_decoding_title_pictures()
{
    for (const char* file : title_pictures) {
        const QString path = in_language(QStringLiteral(":/pictures/"), file);
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
    for (const picture::Stored& entry : picture::catalogue) {
        auto* store = qobject_cast<PictureBox*>(el.find(entry.store, entry.index));
        const QString path = in_language(root, entry.file);
        if (!store || !looks_whole(path, QSize(entry.size.w, entry.size.h))) {
            failed << QString::fromLatin1(entry.file);
            continue;
        }
        store->set_picture(path);
    }
    QImage icon(resource("icon.png"));
    if (icon.size() != QSize(picture::icon.w, picture::icon.h))
        failed << QStringLiteral("icon.png");
    else
        el.Form1->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    return failed;
}
