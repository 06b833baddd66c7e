#include "export/export_run.h"

#include "export/export_options.h"
#include "export/export_templates.h"
#include "export/progress_reporter.h"
#include "text/input_error.h"
#include "text/message_text.h"

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

    try {
        const ProgressStyle style = o.quiet || !manyTemplates(o) ? ProgressStyle::Silent
                                    : terminalColumns > 0                ? ProgressStyle::Line
                                                                         : ProgressStyle::Log;
        ProgressReporter progress(err, style, terminalColumns);
        ExportObserver observer;
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
                progress.clear();
                out << text::escapedForMessage(s.path) << std::endl;
                progress.step(place + "wrote " + text::escapedForMessage(s.path));
                break;
            }
        };
        const ExportResult result = exportTemplates(o, observer);
        if (o.format == Format::Pdf) {
            const std::string path = text::escapedForMessage(result.paths.front());
            progress.finish("wrote " + path + ": " + std::to_string(result.templates) + " templates on "
                            + std::to_string(result.pages) + (result.pages == 1 ? " page" : " pages"));
            out << path << "\n";
        }
        return finish(out, err);
    } catch (const text::InputError& e) {
        err << "orbweave-export: " << e.what() << "\n";
        return kExitRefused;
    } catch (const std::bad_alloc&) {
        err << "orbweave-export: there is not enough memory for this export.\n";
        return kExitRefused;
    }
}

} // namespace exporter
