#pragma once

#include <QIcon>
#include <QString>
#include <map>
#include <utility>
#include <vector>

// The main window's two image lists, in the order the overlay's image indices count them, and
// the application's icon: our own SVG drawings in the program's "icons" folder, drawn sharp at
// every size and screen scale. Where the desktop theme has a standard icon for a command, the
// theme's is preferred.
class cuiQtFrameImages {
public:
    // folder: the program's folder.
    explicit cuiQtFrameImages(const QString& folder);

    // None for an index outside the list.
    QIcon TreeImage(int index) const;
    QIcon ToolBarImage(int index) const;
    // A tree image with a warning mark over it (clsTreeMark; kNone: the image alone).
    QIcon MarkedTreeImage(int index, int mark) const;
    QIcon ApplicationIcon() const { return m_application; }

private:
    QIcon Load(const QString& name) const;

    QString m_folder;
    std::vector<QIcon> m_tree;
    std::vector<QIcon> m_toolBar;
    QIcon m_application;
    mutable std::map<std::pair<int, int>, QIcon> m_marked;
};
