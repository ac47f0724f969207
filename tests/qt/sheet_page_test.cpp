// Pages of the shipped overlay on screen: what the grid paints, and the keys, the editor and the
// mouse working through the sheet on the working image.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/main_controller.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/qt/title_panel.h"
#include "support/qt/page_rig.h"

namespace {

TEST(SheetPage, InternationalChannelsPaintTheirCells) {
    PageRig rig;
    cuiSheetPage& page = rig.Open("GI_Sheet_IntCh");
    ASSERT_NE(page.TitlePanel(), nullptr);
    EXPECT_EQ(page.TitlePanel()->Text(), "International channels");
    const QImage image = rig.Render();
    image.save("/tmp/intch.png");
    EXPECT_EQ(page.Grid().RowCount(), 422);
}

}  // namespace
