#include "app/qt/page_tree.h"

#include <QHeaderView>
#include <QLayout>

#include "app/qt/frame_images.h"
#include "app/qt/frame_look.h"
#include "overlay/cell_font.h"
#include "platform/qt/qt_text.h"

namespace {
constexpr int kNodeRole = Qt::UserRole + 1;
constexpr int kImageSize = 16;
constexpr const char* kTreeKey = "GI_Tree_Main";
}  // namespace

cuiQtTreeView::cuiQtTreeView(const cuiQtFrameImages& images, QWidget* parent)
    : QTreeWidget(parent), m_images(images) {
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kImageSize, kImageSize));
    setUniformRowHeights(true);
    // Long page names scroll sideways rather than lose their ends.
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    m_changeTimer.setSingleShot(true);
    connect(&m_changeTimer, &QTimer::timeout, this, [this] {
        if (m_tree) m_tree->OnSelectionSettled();
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!m_tree) return;
        m_tree->OnSelected(NodeOf(current));
        if (!m_selecting) m_changeTimer.start();
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this] {
        if (m_tree) m_tree->OnExpandedOrCollapsed();
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] {
        if (m_tree) m_tree->OnExpandedOrCollapsed();
    });
}

void cuiQtTreeView::Attach(cuiTree* tree) {
    m_tree = tree;
    m_changeTimer.setInterval(tree ? tree->ChangeDelayMs() : 0);
}

void cuiQtTreeView::SetLook(const std::optional<datCellFont>& font, uint32_t background) {
    if (font) setFont(FromCoreFont(*font, QWidget::font()));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, FromCoreColour(background));
    // The selection keeps its colour when the focus goes to the page.
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

void cuiQtTreeView::AddNode(int32_t parent, int32_t node, const std::string& text,
                            int32_t imageIndex) {
    QTreeWidgetItem* item = nullptr;
    if (parent == kTreeRoot) {
        item = new QTreeWidgetItem(this);
    } else {
        QTreeWidgetItem* above = ItemOf(parent);
        if (above == nullptr) return;
        item = new QTreeWidgetItem(above);
    }
    item->setText(0, FromCoreText(text));
    item->setData(0, kNodeRole, node);
    m_items[node] = item;
    m_imageIndex[node] = imageIndex;
    m_marks[node] = clsTreeMark::kNone;
    UpdateImage(node);
}

void cuiQtTreeView::UpdateImage(int32_t node) {
    QTreeWidgetItem* item = ItemOf(node);
    if (item == nullptr) return;
    item->setIcon(0, m_images.MarkedTreeImage(m_imageIndex[node], m_marks[node]));
}

void cuiQtTreeView::MoveNodeBefore(int32_t node, int32_t before) {
    QTreeWidgetItem* item = ItemOf(node);
    QTreeWidgetItem* target = ItemOf(before);
    if (item == nullptr || target == nullptr || item->parent() != target->parent()) return;
    const bool selecting = m_selecting;
    m_selecting = true;
    QTreeWidgetItem* parent = item->parent();
    if (parent != nullptr) {
        parent->takeChild(parent->indexOfChild(item));
        parent->insertChild(parent->indexOfChild(target), item);
    } else {
        takeTopLevelItem(indexOfTopLevelItem(item));
        insertTopLevelItem(indexOfTopLevelItem(target), item);
    }
    m_selecting = selecting;
}

void cuiQtTreeView::ForgetItem(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i)
        ForgetItem(item->child(i));
    const int32_t node = NodeOf(item);
    m_items.erase(node);
    m_imageIndex.erase(node);
    m_marks.erase(node);
}

void cuiQtTreeView::DeleteNode(int32_t node) {
    QTreeWidgetItem* item = ItemOf(node);
    if (item == nullptr) return;
    ForgetItem(item);
    const bool selecting = m_selecting;
    m_selecting = true;
    delete item;
    m_selecting = selecting;
}

void cuiQtTreeView::SetNodeText(int32_t node, const std::string& text) {
    if (QTreeWidgetItem* item = ItemOf(node)) item->setText(0, FromCoreText(text));
}

void cuiQtTreeView::SetNodeMark(int32_t node, int32_t mark) {
    if (m_items.count(node) == 0) return;
    m_marks[node] = mark;
    UpdateImage(node);
}

void cuiQtTreeView::SelectNode(int32_t node) {
    QTreeWidgetItem* item = ItemOf(node);
    if (item == nullptr) return;
    m_selecting = true;
    setCurrentItem(item);
    m_selecting = false;
}

void cuiQtTreeView::ExpandNode(int32_t node) {
    if (QTreeWidgetItem* item = ItemOf(node)) item->setExpanded(true);
}

bool cuiQtTreeView::IsNodeExpanded(int32_t node) {
    QTreeWidgetItem* item = ItemOf(node);
    return item != nullptr && item->isExpanded();
}

void cuiQtTreeView::ShowTree() {
    show();
}

QTreeWidgetItem* cuiQtTreeView::ItemOf(int32_t node) const {
    auto found = m_items.find(node);
    return found == m_items.end() ? nullptr : found->second;
}

int32_t cuiQtTreeView::NodeOf(const QTreeWidgetItem* item) const {
    return item == nullptr ? -1 : item->data(0, kNodeRole).toInt();
}

cuiQtPageTree::cuiQtPageTree(cmcGTex& store, cmcEvMan& events, const cuiQtFrameImages& images,
                             QWidget* panel, std::function<std::string()> currentSheet) {
    m_view = new cuiQtTreeView(images, panel);
    if (panel->layout() != nullptr) panel->layout()->addWidget(m_view);
    m_tree = std::make_unique<cuiTree>(store, events, kTreeKey, *m_view, std::move(currentSheet));
    m_view->Attach(m_tree.get());
    m_tree->Populate();
    // Screen readers name the tree after its first node, the radio.
    const std::vector<int32_t> nodes = m_tree->Nodes();
    if (!nodes.empty()) m_view->setAccessibleName(FromCoreText(m_tree->TextOf(nodes.front())));
}

cuiQtPageTree::~cuiQtPageTree() {
    if (m_view) m_view->Attach(nullptr);
    m_tree.reset();
    delete m_view.data();
}
