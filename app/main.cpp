// The program's entry: the application object, the real host, and the game's own start.
#include <QApplication>

#include "app/Form1.h"
#include "platform/RealHost.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    register_typefaces();

    RealHost host;
    Form1* form = nullptr;
    Main(host, form);
    return app.exec();
}
