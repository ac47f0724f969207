#include "sheets/qt/qt_text_measure.h"

#include "overlay/cell_font.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/qt_cell_style.h"

const QFontMetrics& cuiQtTextMeasure::MetricsOf(const datCellFont& font) const {
    const Key key{font.face, font.height, font.styles, font.pitch};
    auto found = m_metrics.find(key);
    if (found == m_metrics.end())
        found = m_metrics.emplace(key, QFontMetrics(QtCellFont(font))).first;
    return found->second;
}

cmcTextSize cuiQtTextMeasure::Measure(const datCellFont& font, std::string_view line) const {
    const QFontMetrics& metrics = MetricsOf(font);
    const QString text = FromCoreText(std::string(line));
    return {metrics.horizontalAdvance(text), metrics.height()};
}
