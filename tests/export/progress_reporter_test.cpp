#include "export/progress_reporter.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace exporter;

namespace {

/// What a reporter of `style` writes for two steps, then `last`.
std::string report(ProgressStyle style, const std::string& last, std::size_t columns = 80)
{
    std::ostringstream err;
    {
        ProgressReporter progress(err, style, columns);
        progress.step("[1/2] drew gore 1 of 8");
        progress.step("[2/2] drew 2");
        if (!last.empty())
            progress.finish(last);
    }
    return err.str();
}

} // namespace

TEST(ProgressReporter, EachStyleWritesItsOwnWay)
{
    EXPECT_EQ(report(ProgressStyle::Silent, "wrote g.pdf"), "");
    EXPECT_EQ(report(ProgressStyle::Log, "wrote g.pdf"), "[1/2] drew gore 1 of 8\n[2/2] drew 2\nwrote g.pdf\n");
    // The shorter second step covers the rest of the first with spaces; the last line stays.
    EXPECT_EQ(report(ProgressStyle::Line, "wrote g.pdf"),
              "\r[1/2] drew gore 1 of 8\r[2/2] drew 2          \rwrote g.pdf \n");
    // A run that ends without a last line (a refusal) leaves the cursor on a fresh line.
    EXPECT_EQ(report(ProgressStyle::Line, ""), "\r[1/2] drew gore 1 of 8\r[2/2] drew 2          \n");
}

TEST(ProgressReporter, StepsAreCutToTheTerminalButTheLastLineIsWhole)
{
    EXPECT_EQ(report(ProgressStyle::Line, "wrote a-long-name.pdf", 10),
              "\r[1/2] dre\r[2/2] dre\rwrote a-long-name.pdf\n");
}

TEST(ProgressReporter, ClearTakesTheLineOffForOtherOutput)
{
    std::ostringstream err;
    {
        ProgressReporter progress(err, ProgressStyle::Line);
        progress.step("[1/2] wrote a");
        progress.clear();
        progress.clear(); // nothing left to take off
    }
    EXPECT_EQ(err.str(), "\r[1/2] wrote a\r             \r");
}

TEST(ProgressReporter, WidthCountsWideCharactersTwiceAndCutsWholeCharacters)
{
    struct Case
    {
        std::string text;
        std::size_t width;
        std::size_t columns;
        std::string fitted;
    };
    const Case cases[] = {
        {"abc", 3, 2, "ab"},
        {"SurN1_外.svg", 12, 7, "SurN1_"},   // 外 takes 2 columns: it does not fit in the 7th
        {"SurN1_外.svg", 12, 8, "SurN1_外"},
        {"ﾋﾞｯﾄ", 4, 3, "ﾋﾞｯ"},                // half-width katakana take one column each
        {"é", 1, 0, ""},
        {std::string("a\xE5"), 2, 5, std::string("a\xE5")}, // a sequence cut short counts as one byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(displayWidth(c.text), c.width);
        EXPECT_EQ(fitToWidth(c.text, c.columns), c.fitted);
    }
}
