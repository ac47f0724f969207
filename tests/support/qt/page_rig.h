#pragma once

#include <QImage>
#include <QPalette>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "sheets/qt/sheet_page.h"
#include "sheets/sheet_services.h"
#include "support/controller_rig.h"
#include "support/fake_serial.h"
#include "support/manual_scheduler.h"

// Remembers the popup menus a page's sheet builds and removes.
class RecordingPopupMenus : public cuiPopupMenuBuilder {
public:
    void Build(const std::string& key) override { built.push_back(key); }
    void Remove() override { ++removed; }
    std::vector<std::string> built;
    int removed = 0;
};

// The colours the page tests paint with, plain enough to find again by pixel.
struct clsTestPalette {
    static QPalette Light();
    static QPalette Dark();
};

// Pages of the shipped overlay on screen (offscreen) in a window of their own, over a program
// instance whose timers run on a manual scheduler and whose settings live in memory.
class PageRig {
public:
    PageRig();
    ~PageRig();

    // Opens the page as the main window would; the window is shown at width x height.
    cuiSheetPage& Open(const std::string& name, int width = 1280, int height = 800,
                       const std::optional<datGridPlace>& place = std::nullopt);
    void Close() { m_page.reset(); }
    cuiSheetPage& Page() { return *m_page; }
    // Gives the page's grid the keyboard focus in an active window.
    bool FocusGrid();
    // The grid's viewport as painted now.
    QImage Render();
    // Lets the events posted by the engine and the sheet arrive.
    void DeliverEvents() { scheduler.Advance(50); }

    ManualScheduler scheduler;
    FakeSerialBackend serial{scheduler};
    ControllerRig rig{serial, scheduler, scheduler};
    RecordingPopupMenus popups;
    const cuiImageList* images = nullptr;  // the pages' images; none: the style's
    std::vector<QPoint> popupsShown;
    QWidget window;

private:
    std::unique_ptr<cuiSheetPage> m_page;
};
