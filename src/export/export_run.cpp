#include "export/export_run.h"

#include "export/export_options.h"
#include "export/export_templates.h"
#include "export/interrupt_signals.h"
#include "export/progress_reporter.h"
#include "text/input_error.h"
#include "text/message_text.h"

#include <csignal>
#include <new>

namespace exporter {

namespace {

/// Refuses kit options where they have no meaning: in a bitmap (the window's drawing), and
/// packing without sheets to pack on.
void checkKitOptions(const ExportOptions& o)
{
    if (o.format == Format::Bmp && !o.kit.given.empty())
        throw UsageError("option " + *o.kit.given.begin()
                         + " is for --format svg or pdf (a bitmap is the window's drawing)");
    if (o.kit.given.count("--pack") && !o.paper)
        throw UsageError("option --pack: pieces are packed on sheets of paper; give --paper too");
}

/// Whether the export makes more than one template, so that progress is worth reporting.
bool manyTemplates(const ExportOptions& o)
{
    if (o.subject == Subject::Faces)
        return o.face.face == "all";
    const GoreOptions& g = o.gore;
    return g.k == "all" || (g.north && g.south) || g.northPlate || g.southPlate;
}

const char* signalName(int signal)
{
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    default: return "a signal";
    }
}

/// Done, unless the paths written could not be reported on standard output.
int finish(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (!out) {
        err << "orbweave-export: the list of files written could not be written to standard output.\n";
        return kExitRefused;
    }
    return kExitDone;
}

} // namespace

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::size_t terminalColumns)
{
    ExportOptions o;
    try {
        o = parseExportOptions(args);
        if (o.paper && o.format != Format::Pdf)
            throw UsageError("option --paper: tiling is for --format pdf only");
        checkKitOptions(o);
    } catch (const UsageError& e) {
        err << "orbweave-export: " << e.what() << "\n(orbweave-export --help shows the options)\n";
        return kExitUsage;
    }
    if (o.help || o.version) {
        out << (o.help ? exportUsage() : exportVersionText());
        return kExitDone;
    }

    // An interrupted export stops between templates and takes back what it wrote.
    const InterruptSignals signals;
    try {
        const ProgressStyle style = o.quiet || !manyTemplates(o) ? ProgressStyle::Silent
                                    : terminalColumns > 0                ? ProgressStyle::Line
                                                                         : ProgressStyle::Log;
        ProgressReporter progress(err, style, terminalColumns);
        ExportObserver observer;
        observer.cancelled = [] { return InterruptSignals::caught() != 0; };
        observer.step = [&](const ExportStep& s) {
            const std::string place = "[" + std::to_string(s.number) + "/" + std::to_string(s.total) + "] ";
            switch (s.kind) {
            case ExportStep::Kind::Drawn:
                progress.step("drew " + std::to_string(s.done) + ": " + s.caption);
                break;
            case ExportStep::Kind::LaidOut:
                progress.step(place + "laid out " + s.caption);
                break;
            case ExportStep::Kind::Wrote:
                progress.step(place + "wrote " + text::escapedForMessage(s.path));
                break;
            }
        };
        const ExportResult result = exportTemplates(o, observer);
        if (o.format == Format::Pdf) {
            const std::string path = text::escapedForMessage(result.paths.front());
            progress.finish("wrote " + path + ": " + std::to_string(result.templates) + " templates on "
                            + std::to_string(result.pages) + (result.pages == 1 ? " page" : " pages"));
        } else {
            progress.clear();
        }
        // Only an export that is complete lists its files: one that fails takes them back.
        for (const std::string& path : result.paths)
            out << text::escapedForMessage(path) << "\n";
        return finish(out, err);
    } catch (const Cancelled&) {
        const int signal = InterruptSignals::caught();
        if (signal == 0) {
            err << "orbweave-export: the export was cancelled; nothing of it was kept.\n";
            return kExitRefused;
        }
        err << "orbweave-export: stopped by signal " << signal << " (" << signalName(signal)
            << "); nothing of this export was kept.\n";
        return InterruptSignals::exitStatus(signal);
    } catch (const text::InputError& e) {
        err << "orbweave-export: " << e.what() << "\n";
        return kExitRefused;
    } catch (const std::bad_alloc&) {
        err << "orbweave-export: there is not enough memory for this export.\n";
        return kExitRefused;
    }
}

} // namespace exporter
