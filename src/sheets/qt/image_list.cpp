#include "sheets/qt/image_list.h"

#include <QStyle>

void cuiImageList::Set(int index, const QPixmap& image) {
    if (index < 0) return;
    if (static_cast<size_t>(index) >= m_images.size())
        m_images.resize(static_cast<size_t>(index) + 1);
    m_images[static_cast<size_t>(index)] = image;
}

const QPixmap& cuiImageList::Image(int index) const {
    static const QPixmap none;
    if (index < 0 || static_cast<size_t>(index) >= m_images.size()) return none;
    return m_images[static_cast<size_t>(index)];
}

cuiImageList MarkImageList(const QStyle& style, int height) {
    cuiImageList list(height);
    list.Set(cuiImageList::kWarningImage,
             style.standardIcon(QStyle::SP_MessageBoxWarning).pixmap(height, height));
    list.Set(cuiImageList::kErrorImage,
             style.standardIcon(QStyle::SP_MessageBoxCritical).pixmap(height, height));
    return list;
}
