#include "export/export_run.h"

#include "appdata/data_folder.h"
#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/progress_reporter.h"
#include "export/renderers.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <filesystem>

namespace exporter {

namespace {

constexpr double kMaxDpi = 2400.0;

double readDpi(const std::string& typed)
{
    const auto dpi = text::parseDouble(typed);
    if (!dpi || !(*dpi > 0) || *dpi > kMaxDpi)
        throw text::InputError("option --dpi \"" + typed + "\": the resolution must be a number above 0 and at most "
                               + text::formatGeneral(kMaxDpi) + " dots per inch.");
    return *dpi;
}

TemplateList drawTemplates(const ExportOptions& o, const std::string& starFile, const DrawnFn& drawn)
{
    if (o.subject == Subject::Gores)
        return drawGoreTemplates(o.gore, starFile, drawn);
    return drawFaceTemplates(o.face, starFile, drawn);
}

/// Whether the export makes more than one template, so that progress is worth reporting.
bool manyTemplates(const ExportOptions& o)
{
    if (o.subject == Subject::Faces)
        return o.face.face == "all";
    const GoreOptions& g = o.gore;
    return g.k == "all" || (g.north && g.south) || g.northPlate || g.southPlate;
}

std::string defaultPdfName(Subject s) { return s == Subject::Gores ? "orbweave-gores.pdf" : "orbweave-faces.pdf"; }

/// Runs `write`; a file it cannot write is reported against --output when that option was given.
template <typename Write>
auto writeOutput(const ExportOptions& o, Write&& write)
{
    try {
        return write();
    } catch (const text::InputError& e) {
        if (o.output.empty())
            throw;
        throw text::InputError("option --output \"" + o.output + "\": " + e.what());
    }
}

} // namespace

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::size_t terminalColumns)
{
    ExportOptions o;
    try {
        o = parseExportOptions(args);
        if (o.paper && o.format != Format::Pdf)
            throw UsageError("option --paper: tiling is for --format pdf only");
    } catch (const UsageError& e) {
        err << "orbweave-export: " << e.what() << "\n(orbweave-export --help shows the options)\n";
        return kExitUsage;
    }
    if (o.help || o.version) {
        out << (o.help ? exportUsage() : exportVersionText());
        return kExitDone;
    }

    try {
        const double dpi = readDpi(o.dpi);
        std::string starFile = o.stars;
        if (starFile.empty()) {
            try {
                starFile = appdata::bundledDataFile("bright-stars.csv").string();
            } catch (const text::InputError& e) {
                throw text::InputError(std::string("option --stars: ") + e.what());
            }
        }

        const ProgressStyle style = o.quiet || !manyTemplates(o) ? ProgressStyle::Silent
                                    : terminalColumns > 0                ? ProgressStyle::Line
                                                                         : ProgressStyle::Log;
        ProgressReporter progress(err, style, terminalColumns);
        std::size_t drawnCount = 0;
        const DrawnFn drawn = [&](const std::string& caption) {
            ++drawnCount;
            progress.step("drew " + std::to_string(drawnCount) + ": " + caption);
        };
        const TemplateList templates = drawTemplates(o, starFile, drawn);

        if (o.format == Format::Pdf) {
            std::filesystem::path path = o.output.empty() ? defaultPdfName(o.subject) : o.output;
            std::error_code ec;
            if (std::filesystem::is_directory(path, ec))
                path /= defaultPdfName(o.subject);
            const ProgressFn laidOut = [&](std::size_t i) {
                progress.step("[" + std::to_string(i + 1) + "/" + std::to_string(templates.size()) + "] laid out "
                              + templates[i].caption);
            };
            const int pages = writeOutput(o, [&] { return writePdf(templates, path.string(), o.paper, laidOut); });
            progress.finish("wrote " + path.string() + ": " + std::to_string(templates.size()) + " templates on "
                            + std::to_string(pages) + (pages == 1 ? " page" : " pages"));
            out << path.string() << "\n";
            return kExitDone;
        }

        const std::filesystem::path folder = o.output.empty() ? "." : o.output;
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (!std::filesystem::is_directory(folder, ec))
            throw text::InputError("option --output \"" + o.output + "\": not a folder that can be made or written ("
                                   + (ec ? ec.message() : "a file of that name is in the way") + ").");
        for (std::size_t i = 0; i < templates.size(); ++i) {
            const TemplateDrawing& t = templates[i];
            const std::filesystem::path path =
                folder / std::filesystem::path(o.format == Format::Bmp ? t.name + ".bmp"
                                                                         : (t.svgName.empty() ? t.name : t.svgName) + ".svg");
            if (o.format == Format::Bmp) {
                const QImage image = rasterImage(t, dpi);
                writeOutput(o, [&] { writeBitmapAtomically(path.string(), image); });
            } else {
                const QByteArray svg = QByteArray::fromStdString(svgDocument(makeDisplayList(t.drawing)));
                writeOutput(o, [&] { writeFileAtomically(path.string(), svg); });
            }
            progress.clear();
            out << path.string() << std::endl;
            progress.step("[" + std::to_string(i + 1) + "/" + std::to_string(templates.size()) + "] wrote "
                          + path.string());
        }
        return kExitDone;
    } catch (const text::InputError& e) {
        err << "orbweave-export: " << e.what() << "\n";
        return kExitRefused;
    } catch (const std::bad_alloc&) {
        err << "orbweave-export: there is not enough memory for this export.\n";
        return kExitRefused;
    }
}

} // namespace exporter
