#include "export/export_templates.h"

#include "appdata/data_folder.h"
#include "render/atomic_file.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/kit_finish.h"
#include "export/label_placement.h"
#include "render/renderers.h"
#include "export/template_look.h"
#include "export/vector_unit.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
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
    // A kit's piece labels move clear of the stars and lines round them before anything is rendered.
    if (finish.style.pieces) {
        work.finish = [then = std::move(work.finish)](TemplateDrawing& t) {
            placePieceLabels(t.scene);
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

/// What a writer renders ahead on the drawing threads, kept by template number until its turn.
template <typename Rendered>
class RenderedAhead
{
public:
    void put(std::size_t number, Rendered r)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_rendered.emplace(number, std::move(r));
    }
    /// The rendering of template `number`, taken out; none when it was not rendered ahead.
    std::optional<Rendered> take(std::size_t number)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_rendered.find(number);
        if (it == m_rendered.end())
            return std::nullopt;
        std::optional<Rendered> r(std::move(it->second));
        m_rendered.erase(it);
        return r;
    }

private:
    std::mutex m_mutex;
    std::map<std::size_t, Rendered> m_rendered;
};

/// How one output format writes an export's templates: the one place the format is looked at.
class TemplateWriter
{
public:
    virtual ~TemplateWriter() = default;
    /// On the template's drawing thread, before it is handed over: renders what can be rendered
    /// ahead. Throws nothing: what it cannot do, take() does.
    virtual void renderAhead(TemplateDrawing&) {}
    /// Writes (or lays out) the next template in output order.
    virtual void take(TemplateDrawing&& t, ExportResult& result) = 0;
    /// After the last template: completes the export, keeping what it wrote.
    virtual void finish(ExportResult& result) = 0;
};

/// One PDF: pages written as the templates come (a batch of them when they are packed together,
/// see SheetPainter).
class PdfWriter : public TemplateWriter
{
public:
    PdfWriter(const ExportOptions& o, const DrawingInputs& in, const InputFiles& inputs, const ExportObserver& observer)
        : m_o(o), m_observer(observer), m_path(o.output.empty() ? defaultPdfName(o.subject) : o.output)
    {
        std::error_code ec;
        if (std::filesystem::is_directory(m_path, ec))
            m_path /= defaultPdfName(o.subject);
        checkWritablePlace(o, m_path);
        writeOutput(o, [&] { checkNotAnInput(inputs, m_path); });
        const SheetOptions sheets{o.paper, o.kit.pack, in.finish.bleed, o.kit.layers};
        writeOutput(o, [&] { m_book.emplace(m_path.string(), sheets); });
    }
    void take(TemplateDrawing&& t, ExportResult& result) override
    {
        // The book keeps the template itself while it waits to be packed.
        const std::size_t number = t.number, count = t.count;
        std::string caption = t.caption, captionJa = t.captionJa;
        writeOutput(m_o, [&] { m_book->add(std::move(t)); });
        if (m_observer.step)
            m_observer.step(ExportStep{ExportStep::Kind::LaidOut, result.templates, count, number, std::move(caption),
                                       {}, std::move(captionJa)});
    }
    void finish(ExportResult& result) override
    {
        result.pages = writeOutput(m_o, [&] { return m_book->commit(); });
        result.paths.push_back(m_path.string());
    }

private:
    const ExportOptions& m_o;
    const ExportObserver& m_observer;
    std::filesystem::path m_path;
    std::optional<PdfBook> m_book;
};

/// A file a template into a folder (made when missing); unless the export completes, the files
/// are taken back, the files they replaced return and the folders made go again.
class FolderWriter : public TemplateWriter
{
public:
    void take(TemplateDrawing&& t, ExportResult& result) override
    {
        const std::filesystem::path path = pathOf(t);
        write(t, path);
        result.paths.push_back(path.string());
        tell(m_observer, ExportStep::Kind::Wrote, result.templates, t, path.string());
    }
    void finish(ExportResult&) override
    {
        m_written.keep();
        m_made.keep();
    }

protected:
    FolderWriter(const ExportOptions& o, const InputFiles& inputs, const ExportObserver& observer)
        : m_o(o), m_inputs(inputs), m_observer(observer), m_folder(o.output.empty() ? "." : o.output),
          m_made(o, m_folder)
    {
    }
    /// The file name of `t` in the folder.
    virtual std::string fileName(const TemplateDrawing& t) const = 0;
    std::filesystem::path pathOf(const TemplateDrawing& t) const { return m_folder / std::filesystem::path(fileName(t)); }
    /// Writes `t` at `path` through keep().
    virtual void write(TemplateDrawing& t, const std::filesystem::path& path) = 0;
    /// Runs `write` (which writes `path` keeping the file it replaces) as a write of the export.
    template <typename Write>
    void keep(const std::filesystem::path& path, Write&& write)
    {
        writeOutput(m_o, [&] {
            checkNotAnInput(m_inputs, path);
            m_written.files.push_back(write());
        });
    }

    const ExportOptions& m_o;

private:
    const InputFiles& m_inputs;
    const ExportObserver& m_observer;
    std::filesystem::path m_folder;
    FolderMade m_made;
    FilesWritten m_written;
};

/// An SVG document a template, written ahead on the drawing threads into its file under a
/// temporary name, a megabyte at a time as it is made, and put in place in output order.
class SvgWriter : public FolderWriter
{
public:
    SvgWriter(const ExportOptions& o, const InputFiles& inputs, const ExportObserver& observer)
        : FolderWriter(o, inputs, observer)
    {
    }
    void renderAhead(TemplateDrawing& t) override
    {
        try {
            m_ahead.put(t.number, started(t, pathOf(t)));
            t.scene = {}; // the file holds the drawing now
        } catch (...) {
            // write() starts again in the template's turn and reports what stopped it there.
        }
    }

protected:
    std::string fileName(const TemplateDrawing& t) const override
    {
        return (t.svgName.empty() ? t.name : t.svgName) + ".svg";
    }
    void write(TemplateDrawing& t, const std::filesystem::path& path) override
    {
        std::optional<std::unique_ptr<text::AtomicFile>> ahead = m_ahead.take(t.number);
        keep(path, [&] { return (ahead ? std::move(*ahead) : started(t, path))->commit(); });
    }

private:
    /// The document of `t` written under a temporary name beside `path`.
    std::unique_ptr<text::AtomicFile> started(const TemplateDrawing& t, const std::filesystem::path& path) const
    {
        auto file = std::make_unique<text::AtomicFile>(path.string(), true);
        file->start();
        // A failed write is reported by commit.
        writeSvgDocument(t.scene, templateTitle(t), m_o.kit.layers,
                         [&](std::string_view bytes) { file->write(bytes.data(), bytes.size()); });
        return file;
    }

    RenderedAhead<std::unique_ptr<text::AtomicFile>> m_ahead;
};

/// A bitmap a template at the export's resolution, rendered ahead on the drawing threads while
/// the bitmaps ahead fit their allowance.
class BitmapWriter : public FolderWriter
{
public:
    BitmapWriter(const ExportOptions& o, double dpi, const InputFiles& inputs, const ExportObserver& observer)
        : FolderWriter(o, inputs, observer), m_dpi(dpi)
    {
    }
    void renderAhead(TemplateDrawing& t) override
    {
        try {
            checkBitmapSize(t.scene, m_dpi);
            const std::uint64_t bytes = bitmapSize(t.scene, m_dpi).imageBytes;
            if (!m_bytes.reserve(bytes))
                return;
            try {
                m_ahead.put(t.number, rasterImage(t.scene, m_dpi, &m_pictures));
            } catch (...) {
                m_bytes.release(bytes);
                throw;
            }
        } catch (const text::InputError&) {
        } catch (const std::bad_alloc&) {
        }
    }

protected:
    std::string fileName(const TemplateDrawing& t) const override { return t.name + ".bmp"; }
    void write(TemplateDrawing& t, const std::filesystem::path& path) override
    {
        try {
            checkBitmapSize(t.scene, m_dpi);
        } catch (const text::InputError& e) {
            throw text::InputError("option --dpi \"" + text::escapedForMessage(m_o.dpi) + "\": " + e.what());
        }
        QImage image;
        if (std::optional<QImage> ahead = m_ahead.take(t.number)) {
            image = std::move(*ahead);
            m_bytes.release(bitmapSize(t.scene, m_dpi).imageBytes);
        } else {
            image = rasterImage(t.scene, m_dpi, &m_pictures);
        }
        keep(path, [&] { return writeBitmapAtomically(path.string(), image, true); });
    }

private:
    double m_dpi;
    PictureStore m_pictures;
    BitmapsAhead m_bytes;
    RenderedAhead<QImage> m_ahead;
};

/// The writer of `o.format`.
std::unique_ptr<TemplateWriter> templateWriter(const ExportOptions& o, double dpi, const DrawingInputs& in,
                                               const InputFiles& inputs, const ExportObserver& observer)
{
    switch (o.format) {
    case Format::Pdf: return std::make_unique<PdfWriter>(o, in, inputs, observer);
    case Format::Svg: return std::make_unique<SvgWriter>(o, inputs, observer);
    case Format::Bmp: break;
    }
    return std::make_unique<BitmapWriter>(o, dpi, inputs, observer);
}

} // namespace

std::string defaultPdfName(Subject s) { return s == Subject::Gores ? "orbweave-gores.pdf" : "orbweave-faces.pdf"; }

double exportDpi(const ExportOptions& o) { return readDpi(o.dpi); }

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
    DrawingInputs in = drawingInputs(o);
    const InputFiles inputs = inputFiles(o, in);
    ExportResult result;
    // Files are written as each template is drawn, so memory holds one template at a time; an export
    // that fails or is cancelled on the way takes back what it wrote (the writer's destructor).
    const std::unique_ptr<TemplateWriter> writer = templateWriter(o, dpi, in, inputs, observer);
    DrawingWork work{0, [&writer](TemplateDrawing& t) { writer->renderAhead(t); },
                     // Once shared out to the pieces the stars' positions are not held while the templates are drawn.
                     [&in, colours = changes(templateLook(o, in.finish.bleed))] {
                         std::vector<stars::Star>().swap(in.catalogue.stars);
                         if (!colours)
                             std::vector<std::optional<double>>().swap(in.catalogue.colourIndices);
                     }};
    if (o.format == Format::Bmp)
        work.rasterDpi = dpi;
    drawTemplates(
        o, in.finish, in.catalogue, in.starFile, in.sky,
        [&](TemplateDrawing&& t) {
            checkCancel(observer);
            ++result.templates;
            tell(observer, ExportStep::Kind::Drawn, result.templates, t);
            writer->take(std::move(t), result);
        },
        std::move(work));
    checkCancel(observer);
    writer->finish(result);
    return result;
}

} // namespace exporter
