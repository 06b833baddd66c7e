#include "qt_app.h"
#include "test_files.h"

#include "export/export_run.h"
#include "export/export_templates.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

using namespace exporter;

namespace {

/// Every entry under `folder`, however deep.
std::vector<std::filesystem::path> entriesUnder(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        found.push_back(e.path());
    return found;
}

struct FormatCase
{
    const char* name;
    Format format;
    const char* output; ///< under the test folder; the folder formats make it
};

const FormatCase kFormats[] = {
    {"pdf", Format::Pdf, "globe.pdf"},
    {"svg", Format::Svg, "svg/new"},
    {"bmp", Format::Bmp, "bmp/new"},
};

ExportOptions allGores(Format format, const std::filesystem::path& output)
{
    ExportOptions o;
    o.gore.k = "all";
    o.gore.n = "6";
    o.format = format;
    o.output = output.string();
    if (format == Format::Pdf)
        o.paper = paperNamed("a4");
    o.quiet = true;
    return o;
}

} // namespace

TEST(ExportTemplates, CancelMidExportLeavesNothing)
{
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir dir;
        std::size_t steps = 0;
        ExportObserver observer;
        observer.step = [&](const ExportStep&) { ++steps; };
        // Asked after the second template was drawn (and, for the folders, written).
        std::size_t polls = 0;
        observer.cancelled = [&] { return ++polls > 1 && steps >= 2; };
        EXPECT_THROW(exportTemplates(allGores(c.format, dir.path() / c.output), observer), Cancelled);
        EXPECT_GE(steps, 2u);
        EXPECT_TRUE(entriesUnder(dir.path()).empty()) << entriesUnder(dir.path()).front();
    }
}

TEST(ExportTemplates, ReportsEveryTemplateAndWhatItWrote)
{
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir dir;
        std::vector<ExportStep> steps;
        ExportObserver observer;
        observer.step = [&](const ExportStep& s) { steps.push_back(s); };
        const ExportResult r = exportTemplates(allGores(c.format, dir.path() / c.output), observer);
        EXPECT_EQ(r.templates, 6u);
        EXPECT_EQ(r.paths.size(), c.format == Format::Pdf ? 1u : 6u);
        for (const std::string& p : r.paths)
            EXPECT_TRUE(std::filesystem::is_regular_file(p)) << p;
        // Packed on A4: at most a sheet a gore.
        if (c.format == Format::Pdf) {
            EXPECT_GE(r.pages, 1);
            EXPECT_LE(r.pages, 6);
        } else {
            EXPECT_EQ(r.pages, 0);
        }
        // Each template drawn once, counted up to the total; its own line when it is written.
        std::size_t drawn = 0;
        for (const ExportStep& s : steps) {
            EXPECT_EQ(s.total, 6u);
            if (s.kind == ExportStep::Kind::Drawn) {
                EXPECT_EQ(s.done, ++drawn);
            } else if (s.kind == ExportStep::Kind::Wrote) {
                EXPECT_EQ(s.path, r.paths.at(s.done - 1));
            }
        }
        EXPECT_EQ(drawn, 6u);
    }
}

TEST(ExportTemplates, RefusalNamesTheOptionAndWritesNothing)
{
    testing_support::TempDir dir;
    const struct
    {
        const char* what;
        void (*change)(ExportOptions&);
        const char* option;
    } rows[] = {
        {"radius", [](ExportOptions& o) { o.gore.radius = "abc"; }, "--radius"},
        {"tab width", [](ExportOptions& o) { o.kit.tabWidth = "-1"; }, "--tab-width"},
        {"bitmap dpi", [](ExportOptions& o) { o.format = Format::Bmp, o.dpi = "0"; }, "--dpi"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ExportOptions o = allGores(Format::Pdf, dir.path() / "out.pdf");
        row.change(o);
        try {
            exportTemplates(o);
            ADD_FAILURE() << "not refused";
        } catch (const text::InputError& e) {
            EXPECT_NE(std::string(e.what()).find(row.option), std::string::npos) << e.what();
        }
        EXPECT_TRUE(entriesUnder(dir.path()).empty());
    }
}

namespace {

/// Every file under `folder` with its content and permissions, hidden files included.
std::map<std::string, std::pair<std::string, unsigned>> folderState(const std::filesystem::path& folder)
{
    std::map<std::string, std::pair<std::string, unsigned>> state;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        std::string content = "(folder)";
        if (!e.is_directory()) {
            std::ifstream in(e.path(), std::ios::binary);
            content.assign(std::istreambuf_iterator<char>(in), {});
        }
        state[e.path().lexically_relative(folder).string()] = {
            std::move(content),
            static_cast<unsigned>(std::filesystem::status(e.path()).permissions())};
    }
    return state;
}

} // namespace

TEST(ExportTemplates, AFailedOrCancelledReExportLeavesTheFolderAsItWas)
{
    const struct
    {
        const char* name;
        Format format;
        bool cancel; ///< cancelled after the third file; else an obstacle stands where the fifth goes
    } rows[] = {
        {"svg, obstacle", Format::Svg, false},
        {"bmp, obstacle", Format::Bmp, false},
        {"svg, cancelled", Format::Svg, true},
        {"bmp, cancelled", Format::Bmp, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::TempDir dir;
        const auto folder = dir.path() / "kit";
        const ExportOptions o = allGores(row.format, folder);
        const ExportResult first = exportTemplates(o);
        ASSERT_EQ(first.paths.size(), 6u);
        // The earlier export, marked so that a file written again shows, one file made private.
        for (const std::string& p : first.paths)
            std::ofstream(p, std::ios::binary) << "earlier " << p;
        std::filesystem::permissions(first.paths[0], std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        ExportObserver observer;
        std::size_t wrote = 0; // outlives the observer's calls
        if (row.cancel) {
            observer.step = [&](const ExportStep& s) { wrote += s.kind == ExportStep::Kind::Wrote; };
            observer.cancelled = [&] { return wrote >= 3; };
        } else {
            std::filesystem::remove(first.paths[4]);
            std::filesystem::create_directory(first.paths[4]);
        }
        const auto before = folderState(folder);

        if (row.cancel) {
            EXPECT_THROW(exportTemplates(o, observer), Cancelled);
        } else {
            EXPECT_THROW(exportTemplates(o, observer), text::InputError);
        }
        EXPECT_EQ(folderState(folder), before);
    }
}

TEST(ExportTemplates, AnOutputThatIsAnInputIsRefusedAndLeftAlone)
{
    testing_support::TempDir dir;
    const std::string stars = dir.write("stars.csv", "10,20,1\n200,-30,2\n");
    std::filesystem::create_symlink(stars, dir.path() / "link.pdf");
    const std::string vertices = dir.write("v.csv", "");
    std::filesystem::copy_file(ORBWEAVE_DATA_DIR "/models/cube-vertices.csv", vertices,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string faces = dir.write("f.csv", "");
    std::filesystem::copy_file(ORBWEAVE_DATA_DIR "/models/cube-faces.csv", faces,
                               std::filesystem::copy_options::overwrite_existing);
    const struct
    {
        const char* name;
        Subject subject;
        Format format;
        std::string output;
        const char* what;
    } rows[] = {
        {"the star file as the PDF", Subject::Gores, Format::Pdf, stars, "the star file of --stars"},
        {"a link to the star file", Subject::Gores, Format::Pdf, (dir.path() / "link.pdf").string(), "the star file"},
        {"the face file as the PDF", Subject::Faces, Format::Pdf, faces, "the face file of --faces"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExportOptions o;
        o.subject = row.subject;
        o.stars = stars;
        o.face.vertices = vertices;
        o.face.faces = faces;
        o.format = row.format;
        o.output = row.output;
        const auto before = folderState(dir.path());
        try {
            exportTemplates(o);
            ADD_FAILURE() << "not refused";
        } catch (const text::InputError& e) {
            EXPECT_NE(std::string(e.what()).find(row.what), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("option --output"), std::string::npos) << e.what();
        }
        EXPECT_EQ(folderState(dir.path()), before);
    }
}
