#include "export/export_run.h"

#include "export/bundled_data.h"
#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
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

void drawTemplates(const ExportOptions& o, const stars::StarCatalogue& catalogue, const std::string& starFile,
                   const TemplateSink& sink)
{
    if (o.subject == Subject::Gores)
        drawGoreTemplates(o.gore, catalogue, starFile, sink);
    else
        drawFaceTemplates(o.face, catalogue, starFile, sink);
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

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
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
    if (o.help) {
        out << exportUsage();
        return kExitDone;
    }

    try {
        const double dpi = readDpi(o.dpi);
        std::string starFile = o.stars;
        if (starFile.empty()) {
            try {
                starFile = bundledDataFile("bright-stars.csv");
            } catch (const text::InputError& e) {
                throw text::InputError(std::string("option --stars: ") + e.what());
            }
        }

        // The star file is read once: every template of the export draws the same stars.
        const stars::StarCatalogue catalogue = readStarsOption(starFile);

        const bool chatty = !o.quiet && manyTemplates(o);
        std::size_t drawnCount = 0;
        const auto drawn = [&](const TemplateDrawing& t) {
            ++drawnCount;
            if (chatty)
                err << "drew " << drawnCount << ": " << t.caption << "\n" << std::flush;
        };

        if (o.format == Format::Pdf) {
            std::filesystem::path path = o.output.empty() ? defaultPdfName(o.subject) : o.output;
            std::error_code ec;
            if (std::filesystem::is_directory(path, ec))
                path /= defaultPdfName(o.subject);
            TemplateList templates;
            drawTemplates(o, catalogue, starFile, [&](TemplateDrawing&& t) {
                drawn(t);
                templates.push_back(std::move(t));
            });
            const ProgressFn progress = [&](std::size_t i) {
                if (chatty)
                    err << "[" << i + 1 << "/" << templates.size() << "] laid out " << templates[i].caption << "\n"
                        << std::flush;
            };
            const int pages = writeOutput(o, [&] { return writePdf(templates, path.string(), o.paper, progress); });
            if (chatty)
                err << "wrote " << path.string() << ": " << templates.size() << " templates on " << pages
                    << (pages == 1 ? " page\n" : " pages\n");
            out << path.string() << "\n";
            return kExitDone;
        }

        const std::filesystem::path folder = o.output.empty() ? "." : o.output;
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (!std::filesystem::is_directory(folder, ec))
            throw text::InputError("option --output \"" + o.output + "\": not a folder that can be made or written ("
                                   + (ec ? ec.message() : "a file of that name is in the way") + ").");
        // Each template is written as soon as it is drawn, so memory holds one at a time.
        std::size_t written = 0;
        drawTemplates(o, catalogue, starFile, [&](TemplateDrawing&& t) {
            drawn(t);
            const std::filesystem::path path =
                folder / std::filesystem::path(o.format == Format::Bmp ? t.name + ".bmp"
                                                                         : (t.svgName.empty() ? t.name : t.svgName) + ".svg");
            if (o.format == Format::Bmp) {
                const QImage image = rasterImage(t.scene, dpi);
                writeOutput(o, [&] { writeBitmapAtomically(path.string(), image); });
            } else {
                const QByteArray svg = QByteArray::fromStdString(svgDocument(t.scene));
                writeOutput(o, [&] { writeFileAtomically(path.string(), svg); });
            }
            ++written;
            if (chatty)
                err << "[" << written << "] wrote " << path.string() << "\n" << std::flush;
            out << path.string() << "\n";
        });
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
