#include "qt_app.h"
#include "test_files.h"

#include "export/export_run.h"
#include "export/export_templates.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <filesystem>
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
