#pragma once

#include <QFontMetrics>
#include <map>
#include <tuple>

#include "platform/text_measure.h"

// Measures texts with Qt's font metrics of the overlay fonts, as the grid will draw them.
class cuiQtTextMeasure : public cmcTextMeasure {
public:
    cmcTextSize Measure(const datCellFont& font, std::string_view line) const override;

private:
    using Key = std::tuple<std::string, int32_t, uint8_t, int32_t>;
    const QFontMetrics& MetricsOf(const datCellFont& font) const;

    mutable std::map<Key, QFontMetrics> m_metrics;
};
