#include "model/channel_clipboard.h"

void cmcClipCh::ClearRows() {
    m_rows.clear();
    m_group = clsRecordGroup::None;
    m_first = 0;
    m_count = 0;
}

void cmcClipCh::CopyRows(cmcEeprom& image, clsRecordGroup group, int32_t first, int32_t count) {
    ClearRows();
    m_group = group;
    m_first = first;
    m_count = count;
    m_rows.assign(static_cast<size_t>(count), datCh(&image));
    for (int32_t i = 0; i < count; ++i)
        ReadRow(image, group, first + i, m_rows[static_cast<size_t>(i)]);
}

void cmcClipCh::ReadRow(cmcEeprom& image, clsRecordGroup group, int32_t index, datCh& record) {
    record.image = &image;
    record.LoadRecord(group, index);
}

bool cmcClipCh::CanPaste(clsRecordGroup group) const {
    return m_group != clsRecordGroup::None && m_group == group;
}

void cmcClipCh::PasteRows(cmcEeprom& image, clsRecordGroup group, int32_t first, int32_t count) {
    if (!CanPaste(group)) return;
    for (int32_t i = 0; i < m_count && i < count; ++i) {
        WriteRow(image, group, first + i, m_rows[static_cast<size_t>(i)]);
    }
}

void cmcClipCh::WriteRow(cmcEeprom& image, clsRecordGroup group, int32_t index, datCh& record) {
    // The copy is written through a record of its own, so that the clipboard keeps what it holds
    // even where storing normalises a field (forced simplex, the MOB name).
    datCh target = record;
    target.image = &image;
    target.group = group;
    target.index = index;
    // Markers belong to the row, not to the copy: a pasted P channel must not move the bank's P.
    target.markers = 0;
    target.StoreRecord();
}

void datClipCh::MakeBlankRows(cmcEeprom& image, clsRecordGroup group, int32_t index,
                              int32_t count) {
    ClearRows();
    m_group = group;
    m_first = index;
    m_count = count;
    m_rows.assign(static_cast<size_t>(count), datCh(&image));
    for (int32_t i = 0; i < count; ++i) {
        datCh& row = m_rows[static_cast<size_t>(i)];
        row.Clear();
        row.group = group;
        row.index = index + i;
        row.recordFlags = datCh::kNoRxFrequency | datCh::kNoTxFrequency;
    }
}
