#include "overlay/cell_registry.h"

#include <array>

#include "overlay/hash.h"
#include "platform/fatal.h"
#include "platform/string_format.h"

namespace {

struct CategoryRow {
    std::string_view name;
    int32_t listNumber;
};

#define KTV_CATEGORY_ROW(name, list) {#name, list},
#define KTV_LABEL_NAME(name) #name,
constexpr std::array<CategoryRow, kCategoryCount> kCategories = {
    {KTV_CELL_CATEGORIES(KTV_CATEGORY_ROW)}};
constexpr std::array<std::string_view, kLabelCount> kLabelNames = {KTV_CELL_LABELS(KTV_LABEL_NAME)};
#undef KTV_CATEGORY_ROW
#undef KTV_LABEL_NAME

// Category and label names share one table; each list goes in on its first look-up.
class NameTable {
public:
    const int32_t* FindCategory(std::string_view name) {
        if (!m_categoriesIn) {
            for (int32_t id = 0; id < kCategoryCount; ++id)
                m_hash.Insert(kCategories[id].name, id);
            m_categoriesIn = true;
        }
        return m_hash.Find(name);
    }

    const int32_t* FindLabel(std::string_view name) {
        if (!m_labelsIn) {
            for (int32_t id = 0; id < kLabelCount; ++id)
                m_hash.Insert(kLabelNames[id], id);
            m_labelsIn = true;
        }
        return m_hash.Find(name);
    }

private:
    cmcHash m_hash{1031};
    bool m_categoriesIn = false;
    bool m_labelsIn = false;
};

NameTable& Names() {
    static NameTable table;
    return table;
}

}  // namespace

int32_t CategoryOf(std::string_view name) {
    if (name.empty()) return CT_None;
    // The table is shared with the labels: a label's name must not pass for a category.
    const int32_t* id = Names().FindCategory(name);
    if (id == nullptr || *id >= kCategoryCount || kCategories[*id].name != name) {
        FatalError(
            StringPrintf("Cannot use the specified category.\n'%s'", std::string(name).c_str()));
    }
    return *id;
}

int32_t LabelOf(std::string_view name) {
    if (name.empty()) return CL_None;
    const int32_t* id = Names().FindLabel(name);
    if (id == nullptr || kLabelNames[*id] != name) {
        FatalError(StringPrintf("Cannot use the specified cell.\n'%s'", std::string(name).c_str()));
    }
    return *id;
}

std::string_view LabelName(int32_t label) {
    if (label < 0 || label >= kLabelCount) return {};
    return kLabelNames[label];
}

int32_t ListNumberOf(int32_t category) {
    if (category == CT_None) return 0;
    if (category < 0 || category > CT_None) {
        FatalError(StringPrintf("Unknown Cell Category. (%d)", category));
    }
    return kCategories[category].listNumber;
}
