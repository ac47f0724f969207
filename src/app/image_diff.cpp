#include "app/image_diff.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "app/environ.h"
#include "app/image_identity.h"
#include "model/clone_file.h"
#include "model/engine_host.h"
#include "overlay/cell_ids.h"
#include "sheets/radio_sheet.h"

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts) {
        const size_t first = part.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const size_t last = part.find_last_not_of(' ');
        joined += (joined.empty() ? "" : ", ") + part.substr(first, last - first + 1);
    }
    return joined;
}

std::string RowCaption(cuiSheetListing& listing, int32_t row) {
    std::vector<std::string> parts;
    for (int32_t col = 0; col < listing.Sheet().FixedCols(); ++col)
        parts.push_back(listing.Text(col, row));
    return Joined(parts);
}

// The lowest caption above the column; a caption spanning several columns stands in its first.
std::string ColumnCaption(cuiSheetListing& listing, int32_t col) {
    for (int32_t row = listing.Sheet().FixedRows() - 1; row >= 0; --row) {
        for (int32_t c = col; c >= 0; --c) {
            const std::string text = listing.Text(c, row);
            if (!text.empty()) return text;
            if (!(listing.Cell(c, row).GetLayoutFlags() & clsCellLayout::kContinues)) break;
        }
    }
    return "";
}

// The model type an image declares, or fallback when it holds none of the valid ones.
int32_t ModelTypeOf(const cmcEeprom& image, int32_t fallback) {
    if (!image.IsValidAddress(kModelTypeAddress)) return fallback;
    const int32_t type = image.GetByte(kModelTypeAddress);
    return type < kModelTypeCount ? type : fallback;
}

}  // namespace

// Puts an image into the host's working image, with its model type in the settings, for as long
// as it lives; then gives the working image and the model type back byte for byte.
class cuiImageDiff::Stage {
public:
    Stage(cmcEngineHost& host, const cmcEeprom& image)
        : m_host(host), m_modelType(host.Settings().modelType) {
        m_kept.Assign(host.WorkingImage());
        Show(image);
    }
    ~Stage() {
        m_host.WorkingImage().SetReadLog(nullptr);
        m_host.WorkingImage().Assign(m_kept);
        m_host.Settings().modelType = m_modelType;
    }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    void Show(const cmcEeprom& image) {
        m_host.WorkingImage().Assign(image);
        FollowModelType();
    }
    // After a change of the working image's model type byte.
    void FollowModelType() {
        m_host.Settings().modelType = ModelTypeOf(m_host.WorkingImage(), m_modelType);
    }

private:
    cmcEngineHost& m_host;
    int32_t m_modelType;
    cmcEeprom m_kept;
};

cuiImageDiff::cuiImageDiff(cmcGTex& store, cmcEngineHost& host, std::vector<datTreePage> pages)
    : m_store(store), m_host(host), m_pages(std::move(pages)) {}

cuiImageDiff::~cuiImageDiff() = default;

cuiSheetListing& cuiImageDiff::Listing(size_t page) {
    if (!m_listings[page]) {
        m_listings[page] = std::make_unique<cuiSheetListing>(m_store, m_pages[page].sheetKey,
                                                             RadioSheetState(m_host));
    }
    return *m_listings[page];
}

void cuiImageDiff::BuildCells() {
    const int32_t modelType = m_host.Settings().modelType;
    if (modelType == m_cellsModelType) return;
    m_cellsModelType = modelType;
    m_listings.clear();
    m_listings.resize(m_pages.size());
    m_cells.clear();
    std::set<std::tuple<int32_t, int32_t, int32_t>> seen;  // category, label, index
    for (size_t page = 0; page < m_pages.size(); ++page) {
        cuiSheetListing& listing = Listing(page);
        for (int32_t row = listing.Sheet().FixedRows(); row < listing.RowCount(); ++row) {
            for (int32_t col = listing.Sheet().FixedCols(); col < listing.ColCount(); ++col) {
                const cmcCellObj& cell = listing.Cell(col, row);
                if (cell.GetLabel() == CL_None || !cell.IsSelectable()) continue;
                if (!seen.emplace(cell.GetCategory(), cell.GetLabel(), cell.GetIndex()).second)
                    continue;
                m_cells.push_back({page, col, row});
            }
        }
    }
}

std::string cuiImageDiff::TextOf(const Cell& cell) {
    return Listing(cell.page).Text(cell.col, cell.row);
}

std::string cuiImageDiff::NameOf(const Cell& cell) {
    cuiSheetListing& listing = Listing(cell.page);
    return Joined({m_pages[cell.page].caption, RowCaption(listing, cell.row),
                   ColumnCaption(listing, cell.col)});
}

std::vector<int32_t> cuiImageDiff::CellsReading(const std::vector<int32_t>& addresses) const {
    std::vector<int32_t> cells;
    for (const int32_t address : addresses) {
        if (address == kModelTypeAddress) {
            cells.resize(m_cells.size());
            for (size_t i = 0; i < cells.size(); ++i)
                cells[i] = static_cast<int32_t>(i);
            return cells;
        }
        const std::vector<int32_t>& readers = m_readers[static_cast<size_t>(address)];
        cells.insert(cells.end(), readers.begin(), readers.end());
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

bool cuiImageDiff::ChangesText(Stage& stage, const std::vector<int32_t>& addresses,
                               const cmcEeprom& after) {
    cmcEeprom& working = m_host.WorkingImage();
    std::vector<uint8_t> kept;
    for (const int32_t address : addresses) {
        kept.push_back(working.GetByte(address));
        working.SetByte(address, after.GetByte(address));
    }
    stage.FollowModelType();
    bool changed = false;
    for (const int32_t cell : CellsReading(addresses)) {
        if (TextOf(m_cells[static_cast<size_t>(cell)]) !=
            m_beforeTexts[static_cast<size_t>(cell)]) {
            changed = true;
            break;
        }
    }
    for (size_t i = 0; i < addresses.size(); ++i)
        working.SetByte(addresses[i], kept[i]);
    stage.FollowModelType();
    return changed;
}

datImageDifferences cuiImageDiff::Compare(const cmcEeprom& before, const cmcEeprom& after) {
    return Compare(before, after, before, after);
}

datImageDifferences cuiImageDiff::Compare(const cmcEeprom& beforeImage, const cmcEeprom& afterImage,
                                          const cmcEeprom& rawBeforeImage,
                                          const cmcEeprom& rawAfterImage) {
    // Copies: either may be the working image itself, which the comparison stages over.
    cmcEeprom before;
    before.Assign(beforeImage);
    cmcEeprom after;
    after.Assign(afterImage);
    cmcEeprom rawBefore;
    rawBefore.Assign(rawBeforeImage);
    cmcEeprom rawAfter;
    rawAfter.Assign(rawAfterImage);
    datImageDifferences differences;
    const auto differingBytes = [](const cmcEeprom& a, const cmcEeprom& b) {
        std::vector<int32_t> addresses;
        const int32_t size = std::min(a.GetSize(), b.GetSize());
        for (int32_t address = 0; address < size; ++address)
            if (a.GetByte(address) != b.GetByte(address)) addresses.push_back(address);
        return addresses;
    };
    const std::vector<int32_t> differing = differingBytes(before, after);
    const std::vector<int32_t> rawDiffering = differingBytes(rawBefore, rawAfter);
    if (differing.empty() && rawDiffering.empty()) return differences;

    Stage stage(m_host, before);
    BuildCells();
    cmcEeprom& working = m_host.WorkingImage();
    m_beforeTexts.assign(m_cells.size(), std::string());
    m_readers.assign(static_cast<size_t>(working.GetSize()), {});
    std::vector<int32_t> reads;
    working.SetReadLog(&reads);
    for (size_t i = 0; i < m_cells.size(); ++i) {
        reads.clear();
        m_beforeTexts[i] = TextOf(m_cells[i]);
        for (const int32_t address : reads) {
            std::vector<int32_t>& readers = m_readers[static_cast<size_t>(address)];
            if (readers.empty() || readers.back() != static_cast<int32_t>(i))
                readers.push_back(static_cast<int32_t>(i));
        }
    }
    working.SetReadLog(nullptr);

    stage.Show(after);
    std::vector<std::pair<int32_t, std::string>> changed;  // cell, text after
    for (const int32_t cell : CellsReading(differing)) {
        std::string text = TextOf(m_cells[static_cast<size_t>(cell)]);
        if (text != m_beforeTexts[static_cast<size_t>(cell)]) changed.emplace_back(cell, text);
    }

    stage.Show(before);
    for (auto& [cell, text] : changed) {
        differences.cells.push_back({NameOf(m_cells[static_cast<size_t>(cell)]),
                                     m_beforeTexts[static_cast<size_t>(cell)], std::move(text)});
    }
    // Most records hold no shown byte at all: a record's differing bytes are tried together
    // first, and alone only when together they change a text.
    const auto unshown = [&](int32_t address) {
        differences.bytes.push_back({address, before.GetByte(address), after.GetByte(address)});
    };
    for (size_t first = 0; first < differing.size();) {
        const int32_t record = differing[first] / kCloneRecordSize;
        size_t end = first;
        while (end < differing.size() && differing[end] / kCloneRecordSize == record)
            ++end;
        const std::vector<int32_t> group(differing.begin() + static_cast<ptrdiff_t>(first),
                                         differing.begin() + static_cast<ptrdiff_t>(end));
        if (!ChangesText(stage, group, after)) {
            for (const int32_t address : group)
                unshown(address);
        } else {
            for (const int32_t address : group)
                if (!ChangesText(stage, {address}, after)) unshown(address);
        }
        first = end;
    }
    return differences;
}
