#include "clone/qt/dialog_text_measure.h"

#include <QFontMetrics>
#include <string>

#include "dialogs/qt/dialog_font.h"
#include "platform/qt/qt_text.h"

cmcTextSize cuiDialogTextMeasure::Measure(const datCellFont& font, std::string_view line) const {
    const QFontMetrics metrics(QtFontOf(font));
    return {metrics.horizontalAdvance(FromCoreText(std::string(line))), metrics.height()};
}
