#include "app/qt/frame_images.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "app/tree.h"

namespace {

// The drawings of the tree image list, by position.
constexpr const char* kTreeImages[] = {
    "tree_rig", "tree_folder01", "tree_note01", "tree_note02", "tree_warnw_rb", "tree_warne_rb",
};
// The image of each mark (clsTreeMark): attention, duplicate.
constexpr int kMarkImages[] = {5, 4};

// The drawings of the toolbar image list, by position, each with the desktop theme's standard
// icon for the same command where there is one.
struct ToolBarDrawing {
    const char* file;
    const char* theme;
};
constexpr ToolBarDrawing kToolBarImages[] = {
    {"bar_file_new", "document-new"},
    {"bar_file_open", "document-open"},
    {"bar_file_save", "document-save"},
    {"bar_com1", nullptr},
    {"bar_com2", nullptr},
    {"bar_com3", nullptr},
    {"bar_com4", nullptr},
    {"bar_clone_read", nullptr},
    {"bar_clone_write", nullptr},
    {"bar_clone_info", nullptr},
    {"bar_pcg_pen", nullptr},
    {"bar_pcg_fill", nullptr},
    {"bar_pcg_slider", nullptr},
    {"bar_page_top", "go-first"},
    {"bar_page_previous", "go-previous"},
    {"bar_page_next", "go-next"},
    {"bar_page_last", "go-last"},
    {"bar_page_zoom", "zoom-in"},
};

// The sizes a menu, tree or toolbar asks for, on screens of scale 1 and 2.
constexpr int kSizes[] = {16, 24, 32, 48, 64};

QPixmap Render(QSvgRenderer& renderer, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

cuiQtFrameImages::cuiQtFrameImages(const QString& folder) : m_folder(folder) {
    for (const char* name : kTreeImages)
        m_tree.push_back(Load(QString::fromUtf8(name)));
    for (const ToolBarDrawing& image : kToolBarImages) {
        const QIcon own = Load(QString::fromUtf8(image.file));
        m_toolBar.push_back(image.theme ? QIcon::fromTheme(QString::fromUtf8(image.theme), own)
                                        : own);
    }
    m_application = Load(QStringLiteral("app"));
}

QIcon cuiQtFrameImages::Load(const QString& name) const {
    const QString path = m_folder + QStringLiteral("/icons/") + name + QStringLiteral(".svg");
    // Qt's SVG icon engine draws each size when it is first asked for, sharp on every screen.
    QIcon icon(path);
    if (!icon.availableSizes().isEmpty() || !icon.pixmap(kSizes[0]).isNull()) return icon;
    // Without the engine the drawings are rendered here, at the sizes the window asks for.
    QSvgRenderer renderer(path);
    QIcon rendered;
    if (!renderer.isValid()) return rendered;
    for (const int size : kSizes)
        rendered.addPixmap(Render(renderer, size));
    return rendered;
}

QIcon cuiQtFrameImages::TreeImage(int index) const {
    if (index < 0 || index >= static_cast<int>(m_tree.size())) return {};
    return m_tree[static_cast<size_t>(index)];
}

QIcon cuiQtFrameImages::ToolBarImage(int index) const {
    if (index < 0 || index >= static_cast<int>(m_toolBar.size())) return {};
    return m_toolBar[static_cast<size_t>(index)];
}

QIcon cuiQtFrameImages::MarkedTreeImage(int index, int mark) const {
    if (mark != clsTreeMark::kAttention && mark != clsTreeMark::kDuplicate) return TreeImage(index);
    auto found = m_marked.find({index, mark});
    if (found != m_marked.end()) return found->second;
    const QIcon base = TreeImage(index);
    const QIcon overlay = TreeImage(kMarkImages[mark]);
    QIcon marked;
    for (const int size : kSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        base.paint(&painter, 0, 0, size, size);
        overlay.paint(&painter, 0, 0, size, size);
        painter.end();
        marked.addPixmap(pixmap);
    }
    m_marked[{index, mark}] = marked;
    return marked;
}
