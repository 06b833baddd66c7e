#include "export/export_run.h"

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A command-line tool: it draws off-screen and needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::string> args(argv + 1, argv + argc);
    QGuiApplication app(argc, argv);
    return exporter::runExport(args, std::cout, std::cerr);
}
