#pragma once

#include <cstdint>
#include <vector>

// The panels of the main window's status bar, left to right: the message panel, which takes the
// free width; one panel for each mode entered; and a plain last panel. Each mode entered turns the
// last panel into a mode panel as wide as the mode text and appends a new plain panel like it;
// only the newest mode panel is drawn, with the text of every mode entered so far.
class cuiStatusPanels {
public:
    enum class clsKind { Message, Mode, Plain };
    struct datPanel {
        clsKind kind;
        int32_t width;
    };
    // The width of a panel that shows nothing of its own.
    static constexpr int32_t kPlainWidth = 50;
    // The message panel never gets narrower.
    static constexpr int32_t kMinMessageWidth = 100;

    cuiStatusPanels();

    // A mode was entered; width is its panel's (the mode text's with a margin).
    void AddModePanel(int32_t width);
    // The message panel takes what the other panels leave of barWidth.
    void Resize(int32_t barWidth);

    const std::vector<datPanel>& Panels() const { return m_panels; }
    // The panel that shows the mode text; -1 before a mode is entered.
    int32_t DrawnModePanel() const { return m_drawnMode; }
    // The left edge of panel index.
    int32_t LeftOf(int32_t index) const;

private:
    std::vector<datPanel> m_panels;
    int32_t m_drawnMode = -1;
    int32_t m_barWidth = 0;
};
