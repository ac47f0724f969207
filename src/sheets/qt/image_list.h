#pragma once

#include <QPixmap>
#include <vector>

class QStyle;

// The application's images by index, all of one height: the page tree's node images and the
// marks a sheet draws in its cells (kWarningImage, kErrorImage).
class cuiImageList {
public:
    static constexpr int kWarningImage = 4;
    static constexpr int kErrorImage = 5;

    explicit cuiImageList(int height) : m_height(height) {}

    void Set(int index, const QPixmap& image);
    // A null pixmap for an index that holds none.
    const QPixmap& Image(int index) const;
    int Height() const { return m_height; }

private:
    int m_height;
    std::vector<QPixmap> m_images;
};

// An image list whose marks are the desktop style's warning and error icons.
cuiImageList MarkImageList(const QStyle& style, int height);
