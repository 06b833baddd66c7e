#include "export/export_templates.h"

#include "appdata/data_folder.h"
#include "export/atomic_file.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/kit_finish.h"
#include "export/renderers.h"
#include "export/template_look.h"
#include "export/vector_unit.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <algorithm>
#include <any>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <optional>

#include <sys/stat.h>

namespace exporter {

namespace {

constexpr double kMaxDpi = 2400.0;

double readDpi(const std::string& typed)
{
    const auto dpi = text::parseDouble(typed);
    if (!dpi || !(*dpi > 0) || *dpi > kMaxDpi)
        throw text::InputError("option --dpi \"" + text::escapedForMessage(typed) + "\": the resolution must be a number above 0 and at most "
                               + text::formatGeneral(kMaxDpi) + " dots per inch.");
    return *dpi;
}

/// The sky layers of the options with their data, read from the bundled data/sky folder.
sky::SkyRequest skyRequest(const ExportOptions& o)
{
    sky::SkyRequest request{o.sky, nullptr};
    if (!o.sky.any())
        return request;
    request.data = std::make_shared<const sky::SkyData>(
        sky::loadSkyData((appdata::bundledDataFolder() / "sky").string(), o.sky));
    return request;
}

void drawTemplates(const ExportOptions& o, const KitFinish& finish, const stars::StarCatalogue& catalogue,
                   const std::string& starFile, const sky::SkyRequest& sky, const TemplateSink& sink,
                   DrawingWork work = {})
{
    // Colours and style are given to each template as soon as it is drawn, on its drawing thread.
    if (const TemplateLook look = templateLook(o, finish.bleed); changes(look)) {
        work.finish = [look, &catalogue, then = std::move(work.finish)](TemplateDrawing& t) {
            applyLook(t.scene, catalogue, look);
            if (then)
                then(t);
        };
    }
    if (o.subject == Subject::Gores)
        drawGoreTemplates(o.gore, catalogue, starFile, sink, finish, o.kit, sky, work);
    else
        drawFaceTemplates(o.face, catalogue, starFile, sink, finish, o.kit, sky, work);
}

/// Bytes of bitmaps rendered ahead on the drawing threads and not yet written, at most; a
/// bitmap that does not fit is rendered when its turn comes.
constexpr std::uint64_t kBitmapAheadBytes = 32u << 20;

/// The bitmap bytes rendered ahead and not yet written, shared by the drawing threads.
struct BitmapsAhead
{
    std::atomic<std::uint64_t> bytes{0};

    /// Takes `n` bytes of the allowance, if they fit.
    bool reserve(std::uint64_t n)
    {
        std::uint64_t held = bytes.load();
        do {
            if (n > kBitmapAheadBytes - held)
                return false;
        } while (!bytes.compare_exchange_weak(held, held + n));
        return true;
    }
    void release(std::uint64_t n) { bytes -= n; }
};

/// Renders each template's file on the thread that drew it: its SVG document (of the layers
/// asked for), or its bitmap while the bitmaps ahead fit `ahead`. A bitmap that is refused or
/// does not fit is left to the writing loop.
TemplateFinish renderAhead(const ExportOptions& o, double dpi, BitmapsAhead& ahead)
{
    if (o.format == Format::Svg)
        return [&o](TemplateDrawing& t) {
            try {
                t.rendered = printSvg(t, o);
                t.scene = {}; // the document is all the writing needs: memory holds the drawing once
            } catch (const std::bad_alloc&) {
            }
        };
    return [dpi, &ahead](TemplateDrawing& t) {
        try {
            checkBitmapSize(t.scene, dpi);
            const std::uint64_t bytes = bitmapSize(t.scene, dpi).imageBytes;
            if (!ahead.reserve(bytes))
                return;
            try {
                t.rendered = rasterImage(t.scene, dpi);
            } catch (...) {
                ahead.release(bytes);
                throw;
            }
        } catch (const text::InputError&) {
        } catch (const std::bad_alloc&) {
        }
    };
}

/// Throws the refusal of --output: `reason` names the path and says what is wrong with it.
[[noreturn]] void refuseOutput(const ExportOptions& o, const std::string& reason)
{
    const std::string message = "option --output \"" + text::escapedForMessage(o.output) + "\": " + reason;
    throw text::InputError(text::Input::Output, o.output, message, reason);
}

/// Runs `write`; a file it cannot write is reported against --output when that option was given.
template <typename Write>
auto writeOutput(const ExportOptions& o, Write&& write)
{
    try {
        return write();
    } catch (const text::InputError& e) {
        if (o.output.empty())
            throw;
        refuseOutput(o, e.what());
    }
}

/// Refuses, before any drawing, an output path where no file can be written: a device, a pipe,
/// a socket (never replaced), or a folder that does not exist.
void checkWritablePlace(const ExportOptions& o, const std::filesystem::path& path)
{
    writeOutput(o, [&] {
        std::error_code ec;
        const auto status = std::filesystem::status(path, ec);
        if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
            throw text::InputError(text::escapedForMessage(path.string())
                                   + ": is not a regular file but a device, pipe or socket; only files are written.");
        const std::filesystem::path parent = path.has_parent_path() ? path.parent_path() : ".";
        if (!std::filesystem::is_directory(parent, ec))
            throw text::InputError(text::escapedForMessage(path.string()) + ": cannot be written (the folder "
                                   + text::escapedForMessage(parent.string()) + " does not exist).");
    });
}

/// The output folder of a bitmap or SVG export, made with its missing parents when needed;
/// what this run made is removed again unless the export completes.
class FolderMade
{
public:
    FolderMade(const ExportOptions& o, const std::filesystem::path& folder)
    {
        std::error_code ec;
        for (std::filesystem::path p = folder; !p.empty() && !std::filesystem::exists(p, ec); p = p.parent_path()) {
            m_made.push_back(p);
            if (!p.has_parent_path() || p.parent_path() == p)
                break;
        }
        std::error_code made;
        std::filesystem::create_directories(folder, made);
        if (!std::filesystem::is_directory(folder, ec)) {
            const std::string why = made ? std::strerror(made.value()) : "a file of that name is in the way";
            removeMade();
            refuseOutput(o, text::escapedForMessage(o.output) + ": not a folder that can be made or written (" + why
                                + ").");
        }
    }
    ~FolderMade() { removeMade(); }
    /// The export is complete: the folders stay.
    void keep() { m_made.clear(); }

private:
    void removeMade()
    {
        std::error_code ec;
        for (const auto& p : m_made) // innermost first; only empty folders go
            std::filesystem::remove(p, ec);
        m_made.clear();
    }
    std::vector<std::filesystem::path> m_made;
};

/// The files an export has written so far, with the files they replaced kept aside: unless the
/// export completes, each is taken back, last first, so that the folder is as it was before.
struct FilesWritten
{
    std::vector<text::Replacement> files;
    ~FilesWritten()
    {
        for (auto it = files.rbegin(); it != files.rend(); ++it)
            text::undoReplacement(*it);
    }
    void keep()
    {
        for (const text::Replacement& r : files)
            text::settleReplacement(r);
        files.clear();
    }
};

/// The files an export reads, to be told apart from the files it writes.
struct InputFiles
{
    struct File
    {
        std::string what; ///< what it is, for a message: "the star file of --stars"
        std::string path;
    };
    std::vector<File> files;
};

/// Refuses to write `path` when it is one of the export's own input files (or a link to one).
void checkNotAnInput(const InputFiles& inputs, const std::filesystem::path& path)
{
    struct stat out {};
    if (::stat(path.c_str(), &out) != 0)
        return;
    for (const InputFiles::File& in : inputs.files) {
        struct stat read {};
        if (::stat(in.path.c_str(), &read) == 0 && read.st_dev == out.st_dev && read.st_ino == out.st_ino)
            throw text::InputError(text::escapedForMessage(path.string()) + ": is " + in.what
                                   + "; an export never writes over a file it reads.");
    }
}

/// Throws Cancelled when the observer asks to stop.
void checkCancel(const ExportObserver& observer)
{
    if (observer.cancelled && observer.cancelled())
        throw Cancelled();
}

void tell(const ExportObserver& observer, ExportStep::Kind kind, std::size_t done, const TemplateDrawing& t,
          const std::string& path = {})
{
    if (observer.step)
        observer.step(ExportStep{kind, done, t.count, t.number, t.caption, path, t.captionJa});
}

/// What every export reads before it draws: the kit's finish, the stars and the sky layers.
struct DrawingInputs
{
    KitFinish finish;
    std::string starFile;
    stars::StarCatalogue catalogue;
    sky::SkyRequest sky;
};

/// The star file and the model files `o` reads (after drawingInputs has checked the star file).
InputFiles inputFiles(const ExportOptions& o, const DrawingInputs& in)
{
    InputFiles files;
    files.files.push_back({o.stars.empty() ? "the bundled star catalogue" : "the star file of --stars", in.starFile});
    if (o.subject == Subject::Faces) {
        const ModelFiles model = modelFiles(o.face);
        const bool own = !o.face.vertices.empty();
        files.files.push_back({own ? "the vertex file of --vertices" : "a file of the bundled model", model.vertices});
        files.files.push_back({own ? "the face file of --faces" : "a file of the bundled model", model.faces});
    }
    return files;
}

DrawingInputs drawingInputs(const ExportOptions& o)
{
    settleVectorUnit(); // after the application object's start-up
    DrawingInputs in;
    in.finish = kitFinish(o.kit, o.format);
    templateLook(o, in.finish.bleed); // refuses a style the format cannot take before anything is read
    in.starFile = o.stars;
    const bool deep = o.stars == kDeepStars;
    if (in.starFile.empty() || deep || o.stars == kBrightStars) {
        try {
            in.starFile = appdata::bundledDataFile(deep ? "deep-stars.csv" : "bright-stars.csv").string();
        } catch (const text::InputError& e) {
            throw text::InputError(std::string("option --stars: ") + e.what());
        }
    }
    // The star file is read once: every template of the export draws the same stars.
    in.catalogue = readStarsOption(in.starFile);
    in.sky = skyRequest(o);
    return in;
}

} // namespace

std::string defaultPdfName(Subject s) { return s == Subject::Gores ? "orbweave-gores.pdf" : "orbweave-faces.pdf"; }

double exportDpi(const ExportOptions& o) { return readDpi(o.dpi); }

std::string printSvg(const TemplateDrawing& t, const ExportOptions& o)
{
    // Most exports keep every layer: the scene is then written as it is, not copied first.
    const bool every = std::all_of(t.scene.layers.begin(), t.scene.layers.end(),
                                   [&](const scene::Layer& l) { return o.kit.layers.count(l.kind) > 0; });
    return svgDocument(every ? t.scene : keepLayers(t.scene, o.kit.layers), templateTitle(t));
}

TemplateList drawExportTemplates(const ExportOptions& o, const ExportObserver& observer)
{
    checkCancel(observer);
    const DrawingInputs in = drawingInputs(o);
    TemplateList list;
    drawTemplates(o, in.finish, in.catalogue, in.starFile, in.sky, [&](TemplateDrawing&& t) {
        checkCancel(observer);
        list.push_back(std::move(t));
        tell(observer, ExportStep::Kind::Drawn, list.size(), list.back());
    });
    checkCancel(observer);
    return list;
}

ExportResult exportTemplates(const ExportOptions& o, const ExportObserver& observer)
{
    checkCancel(observer);
    const double dpi = readDpi(o.dpi);
    const DrawingInputs in = drawingInputs(o);
    const InputFiles inputs = inputFiles(o, in);
    ExportResult result;

    if (o.format == Format::Pdf) {
        std::filesystem::path path = o.output.empty() ? defaultPdfName(o.subject) : o.output;
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec))
            path /= defaultPdfName(o.subject);
        checkWritablePlace(o, path);
        writeOutput(o, [&] { checkNotAnInput(inputs, path); });
        // Pages are written as each template is drawn, so memory holds one template at a time
        // (a batch of them when they are packed together, see SheetPainter).
        std::optional<PdfBook> book;
        const SheetOptions sheets{o.paper, o.kit.pack, in.finish.bleed, o.kit.layers};
        writeOutput(o, [&] { book.emplace(path.string(), sheets); });
        drawTemplates(o, in.finish, in.catalogue, in.starFile, in.sky, [&](TemplateDrawing&& t) {
            checkCancel(observer);
            ++result.templates;
            tell(observer, ExportStep::Kind::Drawn, result.templates, t);
            // The book keeps the template itself while it waits to be packed.
            const std::size_t number = t.number, count = t.count;
            std::string caption = t.caption, captionJa = t.captionJa;
            writeOutput(o, [&] { book->add(std::move(t)); });
            if (observer.step)
                observer.step(
                    ExportStep{ExportStep::Kind::LaidOut, result.templates, count, number, std::move(caption), {},
                               std::move(captionJa)});
        });
        checkCancel(observer);
        result.pages = writeOutput(o, [&] { return book->commit(); });
        result.paths.push_back(path.string());
        return result;
    }

    const std::filesystem::path folder = o.output.empty() ? "." : o.output;
    FolderMade made(o, folder);
    // Each template is written as soon as it is drawn, so memory holds one at a time; an
    // export that fails or is cancelled on the way takes its files back, and the files they
    // replaced return.
    FilesWritten written;
    BitmapsAhead bitmapsAhead;
    drawTemplates(o, in.finish, in.catalogue, in.starFile, in.sky, [&](TemplateDrawing&& t) {
        checkCancel(observer);
        ++result.templates;
        tell(observer, ExportStep::Kind::Drawn, result.templates, t);
        const std::filesystem::path path =
            folder / std::filesystem::path(o.format == Format::Bmp ? t.name + ".bmp"
                                                                     : (t.svgName.empty() ? t.name : t.svgName) + ".svg");
        if (o.format == Format::Bmp) {
            try {
                checkBitmapSize(t.scene, dpi);
            } catch (const text::InputError& e) {
                throw text::InputError("option --dpi \"" + text::escapedForMessage(o.dpi) + "\": " + e.what());
            }
            QImage image;
            if (QImage* rendered = std::any_cast<QImage>(&t.rendered)) {
                image = std::move(*rendered);
                t.rendered.reset();
                bitmapsAhead.release(bitmapSize(t.scene, dpi).imageBytes);
            } else {
                image = rasterImage(t.scene, dpi);
            }
            writeOutput(o, [&] {
                checkNotAnInput(inputs, path);
                written.files.push_back(writeBitmapAtomically(path.string(), image, true));
            });
        } else {
            std::string* ahead = std::any_cast<std::string>(&t.rendered);
            const std::string svg = ahead ? std::move(*ahead) : printSvg(t, o);
            t.rendered.reset();
            writeOutput(o, [&] {
                checkNotAnInput(inputs, path);
                written.files.push_back(text::writeFileAtomically(path.string(), svg, true));
            });
        }
        result.paths.push_back(path.string());
        tell(observer, ExportStep::Kind::Wrote, result.templates, t, path.string());
    }, {0, renderAhead(o, dpi, bitmapsAhead)});
    checkCancel(observer);
    written.keep();
    made.keep();
    return result;
}

} // namespace exporter
