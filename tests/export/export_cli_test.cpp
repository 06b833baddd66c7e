#include "qt_app.h"
#include "test_files.h"
#include "window_like_gore_windows.h"

#include "canvas/raster_canvas.h"
#include "gore/gore_command.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";
const std::string kCubeVertices = ORBWEAVE_DATA_DIR "/models/cube-vertices.csv";
const std::string kCubeFaces = ORBWEAVE_DATA_DIR "/models/cube-faces.csv";

struct CommandResult
{
    int status = -1;
    std::string out, err;
};

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

/// Runs the exporter with `args`, stopped after two minutes (status 124, which no test expects:
/// a hang fails); `prefix` runs it through another program (setpriv, to run it as another user).
CommandResult runCommand(const testing_support::TempDir& dir, const std::vector<std::string>& args,
                         const std::string& prefix = {})
{
    std::string cmd = prefix + "timeout 120 " + quoted(ORBWEAVE_EXPORT_EXE);
    for (const auto& a : args)
        cmd += " " + quoted(a);
    const auto out = dir.path() / "stdout.txt", err = dir.path() / "stderr.txt";
    cmd += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
    const int raw = std::system(cmd.c_str());
    CommandResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readAll(out);
    r.err = readAll(err);
    return r;
}

std::string pdfInfo(const testing_support::TempDir& dir, const std::filesystem::path& pdf)
{
    const auto info = dir.path() / "pdfinfo.txt";
    const std::string cmd = "pdfinfo " + quoted(pdf.string()) + " >" + quoted(info.string()) + " 2>&1";
    if (std::system(cmd.c_str()) != 0)
        return {};
    return readAll(info);
}

} // namespace

TEST(ExportCommand, DefaultBitmapIsTheWindowsSavedBitmapByteForByte)
{
    testing_support::TempDir dir;
    const CommandResult r = runCommand(dir, {"gores", "--format", "bmp", "--output", (dir.path() / "out").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto exported = dir.path() / "out" / "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp";
    ASSERT_TRUE(std::filesystem::exists(exported)) << r.out;

    testing_support::WindowLikeGoreWindows window;
    ASSERT_FALSE(gore::runGoreDraw(gore::GoreSpec{}, kCatalogue, window).has_value());
    const auto saved = dir.path() / "window.bmp";
    window.gore.SavePicture(saved.string());

    const std::string a = readAll(saved), b = readAll(exported);
    ASSERT_GT(a.size(), 1000u);
    EXPECT_TRUE(a == b) << a.size() << " vs " << b.size() << " bytes";
}

TEST(ExportCommand, TiledGoreOf80CmOnA4)
{
    testing_support::TempDir dir;
    const auto pdf = dir.path() / "gore80.pdf";
    const CommandResult r = runCommand(dir, {"gores", "--radius", "80", "--paper", "a4", "--output", pdf.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string info = pdfInfo(dir, pdf);
    ASSERT_FALSE(info.empty()) << "pdfinfo (poppler-utils) is needed";
    // The gore as a piece runs to the pole, so its template grows by the 2 mm bleed there:
    // 127.861 × 68.263 cm take 5 columns × 6 rows of A4 landscape (as in page_layout_test).
    // The sheets are A4 to the hundredth of a millimetre: 297 × 210 mm is 841.89 × 595.28 pt.
    EXPECT_NE(info.find("Pages:           30\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       841.89 x 595.276 pts (A4)"), std::string::npos) << info;
}

TEST(ExportCommand, UntiledPdfPageIsTheTemplatesOwnSize)
{
    testing_support::TempDir dir;
    const auto pdf = dir.path() / "gore.pdf";
    const CommandResult r = runCommand(dir, {"gores", "--output", pdf.string(), "--quiet", "--layers", "print"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string info = pdfInfo(dir, pdf);
    // The canvas takes 847 × 483 px at 96 dpi, 22.410 × 12.779 cm: 362.25 pt high. The gore runs
    // to its pole at 2 + 13·π/2 = 22.420 cm, and the page reaches 2 mm (the bleed) beyond:
    // 22.620 cm = 641.21 pt.
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       641.207 x 362.25 pts"), std::string::npos) << info;
    EXPECT_TRUE(r.err.empty()) << r.err;

    // Printed at 254 dpi a centimetre is 100 pixels: the equator line stands 2 cm from the
    // left edge, at column 200, and spans the gore's width at the equator, 2·13·tan 22.5° =
    // 10.770 cm, centred on the page's middle.
    const auto pgm = dir.path() / "page";
    const std::string cmd = "pdftoppm -r 254 -gray -singlefile " + quoted(pdf.string()) + " " + quoted(pgm.string());
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string image = readAll(dir.path() / "page.pgm");
    int width = 0, height = 0, maxValue = 0, consumed = 0;
    ASSERT_EQ(std::sscanf(image.c_str(), "P5 %d %d %d%n", &width, &height, &maxValue, &consumed), 3);
    const unsigned char* pixels = reinterpret_cast<const unsigned char*>(image.data()) + consumed + 1;
    ASSERT_GT(width, 2000);
    // Darkest column of the row through the page's middle, within the first 4 cm.
    const int row = height / 2;
    int darkest = 0;
    for (int x = 1; x < 400; ++x)
        if (pixels[row * width + x] < pixels[row * width + darkest])
            darkest = x;
    EXPECT_NEAR(darkest, 200, 2);
    int top = row, bottom = row;
    while (top > 0 && pixels[(top - 1) * width + darkest] < 128)
        --top;
    while (bottom + 1 < height && pixels[(bottom + 1) * width + darkest] < 128)
        ++bottom;
    EXPECT_NEAR(bottom - top + 1, 1077, 4);
}

TEST(ExportCommand, ExitStatusesAndMessages)
{
    testing_support::TempDir dir;
    const std::string out = (dir.path() / "o").string();
    const auto starsWith = [&dir](const std::string& content) { return dir.write("stars.csv", content + "\n"); };
    struct Case
    {
        std::vector<std::string> args;
        int status;
        std::string mention;
    };
    const Case cases[] = {
        {{"--help"}, 0, ""},
        {{}, 2, "gores or faces"},
        {{"gores", "--bogus"}, 2, "\"--bogus\""},
        {{"gores", "--n"}, 2, "--n needs a value"},
        {{"gores", "--format", "png"}, 2, "--format: \"png\""},
        {{"gores", "--paper", "a4", "--format", "bmp"}, 2, "--paper"},
        {{"faces", "--k", "all"}, 2, "--k"},
        {{"gores", "--n", "0", "--output", out}, 1, "option --n \"0\": there are no gores to draw"},
        {{"gores", "--k", "9", "--output", out}, 1, "option --k \"9\": there is no gore 9 of 8"},
        {{"gores", "--k", "0", "--output", out}, 1, "option --k \"0\": the gores are numbered from 1"},
        {{"gores", "--k", "-1", "--output", out}, 1, "option --k \"-1\": the gores are numbered from 1"},
        {{"gores", "--plates", "north", "--boundary", "91", "--output", out}, 1, "option --boundary \"91\""},
        {{"gores", "--plates", "both", "--boundary", "1e308", "--output", out}, 1, "option --boundary \"1e308\""},
        {{"gores", "--radius", "1e-300", "--output", out}, 1, "option --radius \"1e-300\""},
        {{"gores", "--dpi", "1e-300", "--format", "bmp", "--output", out}, 1, "option --dpi \"1e-300\""},
        {{"gores", "--n", "8\x1b[31m", "--output", out}, 1, "option --n \"8\\x1B[31m\""},
        {{"gores", "--stars", starsWith("0,0,-1e308"), "--output", out}, 1, "is brighter than any of the sky"},
        {{"gores", "--star-names", "3", "--magnification", "1e15", "--output", out}, 0, ""},
        {{"faces", "--star-names", "3", "--magnification", "1e15", "--output", out}, 0, ""},
        {{"faces", "--model", "cube", "--vertices", kCubeVertices, "--faces", kCubeFaces}, 2, "option --model"},
        {{"faces", "--face", "x", "--output", out}, 1, "option --face \"x\": not a face number"},
        {{"faces", "--vertices", kCubeVertices, "--faces", dir.write("f0.csv", "90,0,4,1,2,3,0,0,0\n"), "--output", out},
         1, "option --faces"},
        {{"faces", "--vertices", dir.write("line-v.csv", "10,0\n20,0\n30,0\n"), "--faces",
          dir.write("line-f.csv", "20,0,3,1,2,3,0,0,0\n"), "--output", out},
         1, "option --faces"},
        {{"faces", "--vertices", kCubeVertices, "--faces", dir.write("none.csv", ""), "--output", out}, 1,
         "option --face \"1\": the face file holds no face"},
        {{"gores", "--k", "all", "--radius", "abc", "--format", "bmp", "--output", out}, 1, "option --radius \"abc\""},
        {{"gores", "--dpi", "0", "--format", "bmp", "--output", out}, 1, "option --dpi \"0\""},
        {{"gores", "--stars", "/nonexistent/stars.csv", "--output", out}, 1, "option --stars"},
        {{"faces", "--range", "95", "--output", out}, 1, "option --range \"95\""},
        {{"faces", "--face", "40", "--output", out}, 1, "option --face \"40\": the model has faces 1 to 32"},
        {{"faces", "--face", "first", "--output", out}, 1, "option --face \"first\""},
        {{"faces", "--model", "sphere", "--output", out}, 1, "option --model \"sphere\""},
        {{"faces", "--vertices", kCatalogue, "--output", out}, 1, "--faces"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        const CommandResult r = runCommand(dir, c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (!c.mention.empty()) {
            EXPECT_NE(r.err.find(c.mention), std::string::npos) << r.err;
        }
        // The command line speaks English and echoes no control byte.
        EXPECT_EQ(r.err.find("\xE3"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
        // A refused export writes nothing.
        if (c.status != 0) {
            EXPECT_FALSE(std::filesystem::exists(out));
        }
        std::filesystem::remove_all(out);
    }
}

TEST(ExportCommand, UnwritableOutputIsRefusedAndLeavesNothing)
{
    testing_support::TempDir dir;
    const std::string blocker = dir.write("file", "x");
    CommandResult r = runCommand(dir, {"gores", "--format", "svg", "--output", blocker});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("option --output"), std::string::npos) << r.err;

    const auto pdf = dir.path() / "missing-folder" / "g.pdf";
    r = runCommand(dir, {"gores", "--output", pdf.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("option --output \"" + pdf.string() + "\""), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(std::filesystem::exists(pdf));

    // A folder in the place of the bitmap: the option and the file are both named.
    const auto folder = dir.path() / "bitmaps";
    std::filesystem::create_directories(folder / "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp");
    r = runCommand(dir, {"gores", "--format", "bmp", "--output", folder.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("option --output \"" + folder.string() + "\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

TEST(ExportCommand, EveryFaceAsAPrintSvgNamedApartFromTheWindowsSvg)
{
    testing_support::TempDir dir;
    const auto folder = dir.path() / "faces";
    const CommandResult r = runCommand(dir, {"faces", "--face", "all", "--edges", "--outside", "--format", "svg", "--output",
                            folder.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 32);
    const std::string first = readAll(folder / "SurN1_Vb7.0_Sr2.5_Ss10_10cm外-print.svg");
    EXPECT_NE(first.find("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""), std::string::npos);
    EXPECT_NE(first.find("<polyline"), std::string::npos);
    // Progress for a many-template export goes to standard error, one line per step.
    EXPECT_NE(r.err.find("[32/32] wrote"), std::string::npos) << r.err;
}

TEST(ExportCommand, HostileOutputsAndEnvironmentsAreRefusedOrSurvived)
{
    testing_support::TempDir dir;
    // A pipe in the output's place is refused before anything is drawn, and stays a pipe.
    const auto fifo = dir.path() / "pipe.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    CommandResult r = runCommand(dir, {"gores", "--output", fifo.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    if (::geteuid() == 0) {
        // A copy of the null device: never replaced by a PDF.
        const auto node = dir.path() / "null.pdf";
        ASSERT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        r = runCommand(dir, {"gores", "--output", node.string()});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(std::filesystem::is_character_file(node));
    }

    // File names are bytes: one that is not UTF-8 is written under exactly that name.
    const std::string odd = (dir.path() / "out\xff.pdf").string();
    r = runCommand(dir, {"gores", "--output", odd});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(odd));
    EXPECT_NE(r.out.find("out\\xFF.pdf"), std::string::npos) << r.out;

    // A failed bitmap export leaves no folder of its own behind.
    const auto folder = dir.path() / "made" / "here";
    r = runCommand(dir, {"gores", "--radius", "abc", "--format", "bmp", "--output", folder.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "made"));

    // No temporary folder is needed, so a broken TMPDIR does not matter.
    ::setenv("TMPDIR", "/nonexistent", 1);
    r = runCommand(dir, {"faces", "--output", (dir.path() / "f.pdf").string()});
    ::unsetenv("TMPDIR");
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(ExportCommand, AStandardOutputThatCannotBeWrittenIsAFailure)
{
    testing_support::TempDir dir;
    const std::string cmd = quoted(ORBWEAVE_EXPORT_EXE) + " gores --output " + quoted((dir.path() / "g.pdf").string())
                            + " >/dev/full 2>/dev/null";
    const int raw = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
}

TEST(ExportCommand, OutputSpellingsWriteTheSameFile)
{
    testing_support::TempDir dir;
    const std::string pdf = (dir.path() / "globe.pdf").string();
    const std::vector<std::vector<std::string>> spellings = {
        {"gores", "-o", pdf}, {"gores", "--output=" + pdf}, {"gores", "--output", pdf}, {"gores", "-o" + pdf}};
    for (const auto& args : spellings) {
        SCOPED_TRACE(args[1]);
        std::filesystem::remove(pdf);
        const CommandResult r = runCommand(dir, args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, pdf + "\n");
        EXPECT_NE(pdfInfo(dir, pdf).find("Pages:           1\n"), std::string::npos);
    }
}

TEST(ExportCommand, VersionIsTheBuildsOneInTheCommandAndThePdf)
{
    testing_support::TempDir dir;
    for (const char* option : {"--version", "-V"}) {
        SCOPED_TRACE(option);
        const CommandResult r = runCommand(dir, {option});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "orbweave-export (Orbweave) " ORBWEAVE_EXPECTED_VERSION);
        EXPECT_NE(r.out.find("GPL-3.0-or-later"), std::string::npos) << r.out;
    }
    const auto pdf = dir.path() / "g.pdf";
    ASSERT_EQ(runCommand(dir, {"gores", "-q", "-o", pdf.string()}).status, 0);
    EXPECT_NE(pdfInfo(dir, pdf).find("Creator:         orbweave-export " ORBWEAVE_EXPECTED_VERSION "\n"),
              std::string::npos);
}

TEST(ExportCommand, ManPageNamesEveryOptionOfTheHelp)
{
    testing_support::TempDir dir;
    const std::string help = runCommand(dir, {"--help"}).out;
    // The page spells a hyphen as \- (roff).
    std::string page = readAll(ORBWEAVE_MAN_PAGE);
    for (std::size_t at; (at = page.find("\\-")) != std::string::npos;)
        page.erase(at, 1);
    // Long options and one-letter ones, each after a blank, a comma or a bracket.
    const std::regex optionWord(R"((?:^|[\s,(|])(--[a-z][a-z-]+|-[a-zA-Z])\b)");
    int options = 0;
    for (std::sregex_iterator it(help.begin(), help.end(), optionWord), end; it != end; ++it, ++options) {
        const std::string word = (*it)[1];
        EXPECT_NE(page.find(word), std::string::npos) << word << " is not in the man page";
    }
    EXPECT_GT(options, 30);
}

namespace {

/// Every entry under `folder` with its content, hidden ones included.
std::map<std::string, std::string> folderState(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> state;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        state[e.path().lexically_relative(folder).string()] = e.is_directory() ? "(folder)" : readAll(e.path());
    return state;
}

/// Starts the exporter with `args`, its output to /dev/null, with the default handling of the
/// interrupting signals whatever the test inherited (a background job ignores SIGINT).
pid_t startExport(const std::vector<std::string>& args)
{
    std::vector<std::string> words{ORBWEAVE_EXPORT_EXE};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&defaults, s);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &files, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attr);
    return failed ? -1 : pid;
}

} // namespace

TEST(ExportCommand, AnInterruptedExportTakesBackWhatItWroteAndSaysWhichSignal)
{
    const struct
    {
        const char* name;
        int signal;
        int status;
        const char* format;
    } rows[] = {
        {"SIGINT, svg folder", SIGINT, 130, "svg"},
        {"SIGTERM, bmp folder", SIGTERM, 143, "bmp"},
        {"SIGHUP, pdf", SIGHUP, 129, "pdf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::TempDir dir;
        const auto folder = dir.path() / "kit";
        std::filesystem::create_directory(folder);
        std::ofstream(folder / "notes.txt") << "mine";
        const std::string pdf = row.format == std::string("pdf") ? "/globe.pdf" : "";
        // Long enough to be stopped on the way: 1440 gores.
        std::vector<std::string> args{"gores", "--k", "all", "--n", "720", "--hemisphere", "both", "--format",
                                      row.format, "--output", folder.string() + pdf, "--quiet"};
        if (row.format != std::string("bmp"))
            args.insert(args.end(), {"--tabs", "off"});
        const auto before = folderState(folder);
        const pid_t pid = startExport(args);
        ASSERT_GT(pid, 0);
        // Stopped once it has written something of its own into the folder.
        for (int i = 0; i < 3000 && folderState(folder).size() == before.size(); ++i)
            ::usleep(2000);
        ASSERT_EQ(::kill(pid, row.signal), 0);
        int raw = 0;
        ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
        ASSERT_TRUE(WIFEXITED(raw)) << "ended by signal " << (WIFSIGNALED(raw) ? WTERMSIG(raw) : 0);
        EXPECT_EQ(WEXITSTATUS(raw), row.status);
        EXPECT_EQ(folderState(folder), before);
    }
}

TEST(ExportCommand, AFailedFolderExportListsNoFileOnStandardOutput)
{
    testing_support::TempDir dir;
    const auto folder = dir.path() / "kit";
    std::filesystem::create_directories(folder / "N8_K5_NS1_Vb8.5_Sr2.5_Ss10_13cm.svg");
    const CommandResult r = runCommand(dir, {"gores", "--k", "all", "--format", "svg", "--output", folder.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("N8_K5_NS1_Vb8.5_Sr2.5_Ss10_13cm.svg"), std::string::npos) << r.err;
}

TEST(ExportCommand, AFolderThatCannotBeMadeGivesTheSystemsReason)
{
    testing_support::TempDir dir;
    const auto locked = dir.path() / "locked";
    std::filesystem::create_directory(locked);
    ::chmod(locked.c_str(), 0555);
    // Root may write anywhere: the folder is locked for the nobody user, which runs the export.
    std::string prefix;
    if (::geteuid() == 0) {
        if (std::system("command -v setpriv >/dev/null") != 0)
            GTEST_SKIP() << "setpriv is needed to run the export as another user";
        ::chmod(dir.path().c_str(), 0777);
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    const CommandResult r =
        runCommand(dir, {"gores", "--format", "svg", "--output", (locked / "sub" / "kit").string()}, prefix);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Permission denied"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(locked / "sub"));
}
