#include "clone/qt/progress_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "clone/clone_progress.h"

namespace {

constexpr int32_t kExpected = 17872;  // the bytes of a full clone read

class ProgressWindow : public testing::Test {
protected:
    void SetUp() override {
        m_main = std::make_unique<QWidget>();
        m_main->setGeometry(100, 80, 640, 480);
        m_main->show();
    }

    // The bar's pixels along its middle row.
    QImage BarImage() const {
        return m_progress.Window()->Box()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<QWidget> m_main;
    cuiCloneProgress m_progress;
};

TEST_F(ProgressWindow, SegmentsFillInTheHighlightColourWithWindowColouredGaps) {
    m_progress.Show(m_main.get(), "Cloning");
    cuiProgressWindow* window = m_progress.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Cloning");
    ASSERT_EQ(window->Box()->width(), 256);
    const QRgb highlight = window->Box()->palette().color(QPalette::Highlight).rgb();
    const QRgb background = window->Box()->palette().color(QPalette::Base).rgb();
    ASSERT_NE(highlight, background);

    struct Case {
        int32_t bytes;
        int32_t filled;
    };
    const Case cases[] = {{0, 0}, {8665, 15}, {8666, 16}, {kExpected - 1, 32}, {kExpected, 33}};
    for (const Case& c : cases) {
        const int32_t filled = ProgressFilledSegments(c.bytes, kExpected);
        EXPECT_EQ(filled, c.filled) << c.bytes;
        m_progress.Paint(filled);
        const QImage image = BarImage();
        const int y = image.height() / 2;
        // Segments of 8 columns: 7 painted, the eighth a gap.
        for (int32_t segment = 0; segment < kProgressSegmentCount; ++segment) {
            const QRgb expected = segment < filled ? highlight : background;
            EXPECT_EQ(image.pixel(8 * segment, y), expected) << c.bytes << " " << segment;
            EXPECT_EQ(image.pixel(8 * segment + 6, y), expected) << c.bytes << " " << segment;
            EXPECT_EQ(image.pixel(8 * segment + 7, y), background) << c.bytes << " " << segment;
        }
    }
}

TEST_F(ProgressWindow, RefusesToCloseAndSitsCentredOverTheMainWindow) {
    m_progress.Show(m_main.get(), "Cloning");
    cuiProgressWindow* window = m_progress.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::Tool);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    // 256 columns and a bevel of 1 each side, margins 16, 16, 8 and 24.
    EXPECT_EQ(window->size(), QSize(16 + 258 + 16, 8 + 16 + 24));
    const QPoint centre = window->frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - m_main->frameGeometry().center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - m_main->frameGeometry().center().y()), 1);

    m_progress.Close();
    EXPECT_EQ(m_progress.Window(), nullptr);
}

TEST_F(ProgressWindow, AMainWindowGoneFirstTakesItsProgressWindowAlong) {
    m_progress.Show(m_main.get(), "Cloning");
    m_main.reset();
    EXPECT_EQ(m_progress.Window(), nullptr);
    m_progress.Paint(5);  // nothing left to paint, nothing to crash
    m_progress.Close();
}

}  // namespace
