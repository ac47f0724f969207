#include "cell_binding.h"

#include <charconv>

#include "overlay/cell_ids.h"
#include "overlay/cell_registry.h"

namespace {

#define KTV_CATEGORY_NAME(name, list) #name,
constexpr const char* kCategoryNames[] = {KTV_CELL_CATEGORIES(KTV_CATEGORY_NAME)};
#undef KTV_CATEGORY_NAME

int32_t FindCategory(std::string_view name) {
    for (int32_t category = 0; category < kCategoryCount; ++category)
        if (name == kCategoryNames[category]) return category;
    return -1;
}

int32_t FindLabel(std::string_view name) {
    for (int32_t label = 0; label < kLabelCount; ++label)
        if (name == LabelName(label)) return label;
    return -1;
}

}  // namespace

bool ParseCellBinding(std::string_view text, datCliBinding& binding, std::string& error) {
    binding = datCliBinding();
    std::string_view rest = text;
    const size_t dot = rest.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view name = rest.substr(0, dot);
        binding.category = FindCategory(name);
        if (binding.category < 0) {
            error =
                "unknown cell category '" + std::string(name) + "' in '" + std::string(text) + "'";
            return false;
        }
        rest.remove_prefix(dot + 1);
    }
    const size_t bracket = rest.find('[');
    const std::string_view labelName = rest.substr(0, bracket);
    binding.label = FindLabel(labelName);
    if (binding.label < 0) {
        error =
            "unknown cell label '" + std::string(labelName) + "' in '" + std::string(text) + "'";
        return false;
    }
    if (bracket == std::string_view::npos) return true;
    const std::string_view index = rest.substr(bracket + 1);
    const char* end = index.data() + index.size();
    const auto [last, problem] = std::from_chars(index.data(), end, binding.index);
    if (problem != std::errc() || last == index.data() || last + 1 != end || *last != ']' ||
        binding.index < 0) {
        error = "bad index in '" + std::string(text) + "'";
        return false;
    }
    return true;
}
