#include "print/qt/device_text_measure.h"

#include "overlay/cell_font.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/qt_cell_style.h"

const QFontMetrics& cuiDeviceTextMeasure::MetricsOf(const datCellFont& font) const {
    const Key key{font.face, font.height, font.styles, font.pitch};
    auto found = m_metrics.find(key);
    if (found == m_metrics.end())
        found = m_metrics.emplace(key, QFontMetrics(QtCellFont(font), &m_device)).first;
    return found->second;
}

cmcTextSize cuiDeviceTextMeasure::Measure(const datCellFont& font, std::string_view line) const {
    const QFontMetrics& metrics = MetricsOf(font);
    const QString text = FromCoreText(std::string(line));
    return {metrics.horizontalAdvance(text), metrics.height()};
}
