#pragma once

#include <cstdint>
#include <string>

// Where the column widths a user set on a sheet are kept, under the sheet's name from the overlay's
// width list. The environment settings keep them in the settings store.
class cuiColumnWidthStore {
public:
    virtual ~cuiColumnWidthStore() = default;
    // The stored width of the column; -1 when none is stored.
    virtual int32_t ReadColumnWidth(const std::string& sheetName, int32_t column) const = 0;
    virtual void WriteColumnWidth(const std::string& sheetName, int32_t column, int32_t width) = 0;
    // Forgets every stored width of the sheet.
    virtual void DeleteColumnWidths(const std::string& sheetName) = 0;
};
