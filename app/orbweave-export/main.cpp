#include "export/export_run.h"
#include "export/progress_reporter.h"

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

/// Keeps Qt's start-up chatter about the runtime folder off the progress report.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << std::endl;
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    // A command-line tool: it draws off-screen and needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::string> args(argv + 1, argv + argc);
    QGuiApplication app(argc, argv);
    return exporter::runExport(args, std::cout, std::cerr, exporter::terminalColumns(STDERR_FILENO));
}
