#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "print/sheet_pages.h"

namespace {

// A sheet whose cells grow with the font: every column and row is as many pixels as the font
// height times its factor.
class ScalingSheet : public cuiPrintSource {
public:
    ScalingSheet(std::vector<int32_t> colFactors, std::vector<int32_t> rowFactors)
        : m_cols(std::move(colFactors)), m_rows(std::move(rowFactors)) {}

    void Build(int32_t fontHeight) override {
        builds.push_back(fontHeight);
        const int32_t h = std::abs(fontHeight);
        m_sizes = {{}, {}, 1, 1, std::vector<bool>(m_cols.size(), false)};
        for (int32_t f : m_cols)
            m_sizes.widths.push_back(f * h);
        for (int32_t f : m_rows)
            m_sizes.heights.push_back(f * h);
    }
    bool IsPrintable() const override { return printable; }
    const clsSheetSizes& Sizes() const override { return m_sizes; }

    std::vector<int32_t> builds;
    bool printable = true;

private:
    std::vector<int32_t> m_cols;
    std::vector<int32_t> m_rows;
    clsSheetSizes m_sizes;
};

struct Produced {
    int32_t count = 0;
    std::vector<clsProducedPage> pages;
};

Produced ProducePages(ScalingSheet& sheet, const clsCellRect& content, int32_t fontHeight,
                      const bool& cancelled = false) {
    Produced out;
    out.count =
        ProduceSheetPages(sheet, content, fontHeight, cancelled,
                          [&out](const clsProducedPage& page) { out.pages.push_back(page); });
    return out;
}

TEST(SheetPages, PagesThatFitAreProducedWithoutRebuilding) {
    ScalingSheet sheet({2, 5, 5}, {1, 1, 1, 1, 1, 1});
    const Produced out = ProducePages(sheet, {10, 20, 10 + 120, 20 + 40}, -10);
    EXPECT_EQ(sheet.builds, (std::vector<int32_t>{-10}));
    // 20 + 50 + 50 across, the fixed row and three rows down: two pages.
    ASSERT_EQ(out.count, 2);
    ASSERT_EQ(out.pages.size(), 2u);
    EXPECT_EQ(out.pages[0].extent.left, 10);
    EXPECT_EQ(out.pages[0].extent.top, 20);
    EXPECT_EQ(out.pages[0].extent.right, 130);
    EXPECT_EQ(out.pages[0].extent.bottom, 60);
    EXPECT_EQ(out.pages[1].block.rows.first, 4);
}

TEST(SheetPages, APageTooWideShrinksTheFontAndTheSmallerFontStays) {
    // One data column alone is 2 × 10 + 30 × 10 = 320 wide on a 160-pixel page.
    ScalingSheet sheet({2, 30, 30}, {1, 1});
    const Produced out = ProducePages(sheet, {0, 0, 160, 1000}, -10);
    ASSERT_EQ(out.count, 2);
    ASSERT_GE(sheet.builds.size(), 2u);
    EXPECT_EQ(sheet.builds[1], 5);       // |-10| × 160 / 320
    EXPECT_EQ(sheet.builds.size(), 2u);  // the second page is built at 5 already
    for (const clsProducedPage& page : out.pages)
        EXPECT_LE(page.extent.right, 160);
}

TEST(SheetPages, AfterThreeRebuildsThePageIsUsedAsItIs) {
    // The fixed column alone is wider than the page at any font height above 0.
    ScalingSheet sheet({1000, 1}, {1, 1});
    const Produced out = ProducePages(sheet, {0, 0, 100, 1000}, -50);
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(sheet.builds.size(), 1u + kMaxFitRebuilds);
    EXPECT_EQ(sheet.builds.back(), 1);  // never below one pixel
}

TEST(SheetPages, AnUnprintableSheetYieldsNoPages) {
    ScalingSheet sheet({1, 1}, {1, 1});
    sheet.printable = false;
    EXPECT_EQ(ProducePages(sheet, {0, 0, 100, 100}, -10).count, 0);
}

TEST(SheetPages, CancelStopsBeforeTheNextPage) {
    ScalingSheet sheet({1, 10}, {1, 10, 10, 10});
    bool cancelled = false;
    int32_t seen = 0;
    const int32_t count =
        ProduceSheetPages(sheet, {0, 0, 200, 120}, -10, cancelled, [&](const clsProducedPage&) {
            ++seen;
            cancelled = true;
        });
    EXPECT_EQ(count, 1);
    EXPECT_EQ(seen, 1);
}

TEST(SheetPages, EmptyContentStillEndsWithPagesAtTheSmallestFont) {
    ScalingSheet sheet({1, 1}, {1, 1});
    const Produced out = ProducePages(sheet, {50, 50, 50, 50}, -10);
    EXPECT_EQ(out.count, 1);
    EXPECT_GT(sheet.builds.back(), 0);
}

}  // namespace
