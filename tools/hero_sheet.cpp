// Draws the hero with the game's own code in many looks onto one sheet, for a person to look at.
#include <QApplication>
#include <QPainter>

#include "harness/Game.h"

struct SheetLook {
    const char* caption;
    int16_t face, head, hands, body;
    bool tanned, left;
};

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? argv[1] : "/tmp/hero_sheet.png";
    std::vector<SheetLook> looks;
    static std::vector<std::string> names;
    for (int16_t f = 0; f <= 12; ++f)
        names.push_back("face " + std::to_string(f));
    for (int16_t f = 0; f <= 12; ++f)
        looks.push_back({names[f].c_str(), f, 2, 0, 0, false, f % 2 == 1});
    for (int16_t h : {0, 1, 3, 4, 6})
        looks.push_back({h == 0 ? "bald" : h == 6 ? "wig" : "hair", 0, h, 0, 0, false, false});
    for (int16_t h : {1, 2, 3})
        looks.push_back({"tanned", h == 2 ? int16_t(12) : int16_t(0), h, 0, 1, true, h == 3});
    static const char* hands_names[] = {"", "hands 1", "hands 2", "hands 3", "hands 4"};
    for (int16_t k = 1; k <= 4; ++k)
        for (bool tanned : {false, true})
            for (bool left : {false, true})
                if (!(k == 3 && (left || tanned)))
                    looks.push_back({hands_names[k], 0, static_cast<int16_t>(tanned ? 2 : 2), k,
                                     static_cast<int16_t>(tanned ? 1 : 0), tanned, left});

    const int cols = 6, cell_w = 305, cell_h = 275;
    const int rows = static_cast<int>((looks.size() + cols - 1) / cols);
    QImage sheet(cols * cell_w, rows * cell_h, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 100));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    LoadedGame g;
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const SheetLook& l = looks[i];
        GameState& st = g.st();
        st.Face_No = l.face;
        st.Head_No = l.head;
        st.Hand_No = l.hands;
        st.Body_No = l.body;
        st.Tan_Look = l.tanned ? True : False;
        st.Stand_Left = l.left ? True : False;
        g.form->Hero_Draw();
        const int x = static_cast<int>(i % cols) * cell_w, y = static_cast<int>(i / cols) * cell_h;
        p.drawImage(x + 1, y + 1, g.el().Mokuta->image());
        p.drawText(x + 4, y + 270, QString::fromUtf8(l.caption) + (l.left ? " (left)" : ""));
    }
    p.end();
    sheet.save(out);
    return 0;
}
