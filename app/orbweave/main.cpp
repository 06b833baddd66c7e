#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbweave"));
    ui::installFontSubstitutions();
    ui::Form1 window;
    window.show();
    return app.exec();
}
