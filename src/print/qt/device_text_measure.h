#pragma once

#include <QFontMetrics>
#include <map>
#include <tuple>

#include "platform/text_measure.h"

class QPaintDevice;

// Measures texts with the font metrics of the device the pages are drawn on (a printer, a PDF),
// so that a column sized for a text holds it there too.
class cuiDeviceTextMeasure : public cmcTextMeasure {
public:
    explicit cuiDeviceTextMeasure(QPaintDevice& device) : m_device(device) {}
    cmcTextSize Measure(const datCellFont& font, std::string_view line) const override;

private:
    using Key = std::tuple<std::string, int32_t, uint8_t, int32_t>;
    const QFontMetrics& MetricsOf(const datCellFont& font) const;

    QPaintDevice& m_device;
    mutable std::map<Key, QFontMetrics> m_metrics;
};
