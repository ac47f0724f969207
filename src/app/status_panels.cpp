#include "app/status_panels.h"

#include <algorithm>

cuiStatusPanels::cuiStatusPanels() {
    m_panels.push_back({clsKind::Message, 0});
    m_panels.push_back({clsKind::Plain, kPlainWidth});
}

void cuiStatusPanels::AddModePanel(int32_t width) {
    const datPanel last = m_panels.back();
    m_panels.back() = {clsKind::Mode, width};
    m_drawnMode = static_cast<int32_t>(m_panels.size()) - 1;
    m_panels.push_back(last);
    Resize(m_barWidth);
}

void cuiStatusPanels::Resize(int32_t barWidth) {
    m_barWidth = barWidth;
    int32_t others = 0;
    for (size_t i = 1; i < m_panels.size(); ++i)
        others += m_panels[i].width;
    m_panels.front().width = std::max(barWidth - others, kMinMessageWidth);
}

int32_t cuiStatusPanels::LeftOf(int32_t index) const {
    int32_t left = 0;
    for (int32_t i = 0; i < index && i < static_cast<int32_t>(m_panels.size()); ++i)
        left += m_panels[static_cast<size_t>(i)].width;
    return left;
}
