#pragma once

#include <cstdint>
#include <vector>

#include "model/channel_record.h"

// A run of whole-record copies: the program's channel clipboard, and the temporary buffers of the
// row operations. The copies are records, not references, so they survive loading another file.
class cmcClipCh {
public:
    cmcClipCh() = default;
    virtual ~cmcClipCh() = default;
    cmcClipCh(const cmcClipCh&) = delete;
    cmcClipCh& operator=(const cmcClipCh&) = delete;

    virtual void ClearRows();
    // Replaces the contents by records first .. first + count - 1 of group.
    virtual void CopyRows(cmcEeprom& image, clsRecordGroup group, int32_t first, int32_t count);
    virtual void ReadRow(cmcEeprom& image, clsRecordGroup group, int32_t index, datCh& record);
    // Whether the copies can go into group: only into the group they came from.
    virtual bool CanPaste(clsRecordGroup group) const;
    // Writes at most count copies from first on; nothing when the group differs.
    virtual void PasteRows(cmcEeprom& image, clsRecordGroup group, int32_t first, int32_t count);
    virtual void WriteRow(cmcEeprom& image, clsRecordGroup group, int32_t index, datCh& record);

    clsRecordGroup Group() const { return m_group; }
    int32_t FirstIndex() const { return m_first; }
    int32_t Count() const { return m_count; }

protected:
    std::vector<datCh> m_rows;
    clsRecordGroup m_group = clsRecordGroup::None;
    int32_t m_first = 0;
    int32_t m_count = 0;
};

class datClipCh : public cmcClipCh {
public:
    // count empty records of group from index on: pasting them writes the empty form of each
    // record (for waypoints an unused name and zero positions).
    void MakeBlankRows(cmcEeprom& image, clsRecordGroup group, int32_t index, int32_t count);
};
