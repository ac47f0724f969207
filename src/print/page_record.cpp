#include "print/page_record.h"

#include <algorithm>

int32_t PrinterToScreen(int32_t value, int32_t screenPpi, int32_t printerPpi) {
    return static_cast<int32_t>(static_cast<int64_t>(value) * screenPpi / std::max(printerPpi, 1));
}

clsCellRect PrinterToScreen(const clsCellRect& rect, int32_t screenPpi, int32_t printerPpi) {
    return {PrinterToScreen(rect.left, screenPpi, printerPpi),
            PrinterToScreen(rect.top, screenPpi, printerPpi),
            PrinterToScreen(rect.right, screenPpi, printerPpi),
            PrinterToScreen(rect.bottom, screenPpi, printerPpi)};
}

datPageRecord MakePageRecord(const std::string& sheetName, const clsCellRect& margins,
                             const clsCellRect& extent, const clsPageBlock& block,
                             int32_t screenPpi, int32_t printerPpi) {
    return {sheetName, PrinterToScreen(margins, screenPpi, printerPpi),
            PrinterToScreen(extent, screenPpi, printerPpi), block};
}
