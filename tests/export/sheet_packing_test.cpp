#include "render/sheet_packing.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace exporter;

namespace {

constexpr double kGap = 0.4;

struct Row
{
    const char* what;
    std::vector<PackSize> sizes;
    double width, height;
    int sheets; ///< counted by hand
};

std::vector<PackSize> many(int count, PackSize s) { return std::vector<PackSize>(static_cast<std::size_t>(count), s); }

} // namespace

TEST(SheetPacking, FewestSheetsWithoutOverlap)
{
    std::vector<PackSize> mixed = many(16, {17.7, 11.9});
    mixed.push_back({10.0, 10.0});
    mixed.push_back({10.0, 10.0});
    const Row rows[] = {
        // 9 + 0.4 + 9 = 18.4 ≤ 19 across, 18.4 ≤ 22.2 down: four a sheet.
        {"squares", many(6, {9, 9}), 19, 22.2, 2},
        // 20 cm long only fits turned; 5 + 0.4 + 5 + 0.4 + 5 = 15.8 ≤ 19: three side by side.
        {"turned strips", many(3, {20, 5}), 19, 22.2, 1},
        // Two gores of 8.1 cm stack in 22.2 (16.6), three do not (25.1): 24 gores, 12 sheets.
        {"gores", many(24, {17.7, 8.1}), 19, 22.2, 12},
        // One gore of 11.9 a sheet leaves 22.2 − 12.3 = 9.9 ≤ 10: no room for a plate; two more sheets.
        {"gores and plates", mixed, 19, 22.2, 17},
        {"too large", many(2, {30, 30}), 19, 22.2, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        int sheets = -1;
        const std::vector<Placement> placed = packSheets(r.sizes, r.width, r.height, kGap, sheets);
        EXPECT_EQ(sheets, r.sheets);
        ASSERT_EQ(placed.size(), r.sizes.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const Placement& a = placed[i];
            if (!fitsSheet(r.sizes[i], r.width, r.height)) {
                EXPECT_EQ(a.sheet, -1);
                continue;
            }
            const double aw = a.turned ? r.sizes[i].height : r.sizes[i].width;
            const double ah = a.turned ? r.sizes[i].width : r.sizes[i].height;
            EXPECT_GE(a.x, 0.0);
            EXPECT_GE(a.y, 0.0);
            EXPECT_LE(a.x + aw, r.width + 1e-9);
            EXPECT_LE(a.y + ah, r.height + 1e-9);
            for (std::size_t j = 0; j < i; ++j) {
                const Placement& b = placed[j];
                if (b.sheet != a.sheet)
                    continue;
                const double bw = b.turned ? r.sizes[j].height : r.sizes[j].width;
                const double bh = b.turned ? r.sizes[j].width : r.sizes[j].height;
                const bool apart = a.x >= b.x + bw + kGap - 1e-9 || b.x >= a.x + aw + kGap - 1e-9
                                   || a.y >= b.y + bh + kGap - 1e-9 || b.y >= a.y + ah + kGap - 1e-9;
                EXPECT_TRUE(apart) << i << " and " << j;
            }
        }
    }
}
