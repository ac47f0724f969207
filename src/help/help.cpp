#include "help/help.h"

#include <filesystem>
#include <optional>

#include "help/context_number.h"
#include "help/help_viewer.h"
#include "overlay/decimal_text.h"
#include "overlay/gtex.h"
#include "platform/path_parts.h"

namespace {

bool IsAllZero(const cmcRect& rect) {
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

cuiHelp::cuiHelp(cmcHost& host, cmcGTex& gtex, cmcHelpGTex& helpGTex, cuiHelpViewer& viewer)
    : m_host(host), m_gtex(gtex), m_helpGTex(helpGTex), m_viewer(viewer) {
    LoadViewer();
}

std::string cuiHelp::HelpFilePath() {
    return WithTrailingSeparator(FolderOf(m_host.ExecutablePath())) +
           m_gtex.GetFirstLine("GI_Sys_MyHelpFile");
}

bool cuiHelp::LoadViewer() {
    if (!m_loaded) m_loaded = m_viewer.Load();
    return m_loaded;
}

HelpResult cuiHelp::ShowContents(const std::string& path) {
    if (!LoadViewer()) return HelpResult::kNoViewer;
    return Reported(m_viewer.ShowContents(path) ? HelpResult::kShown : HelpResult::kFileNotShown,
                    path);
}

HelpResult cuiHelp::ShowContextHelp(const std::string& path, int32_t number, cmcPoint cursor) {
    if (!LoadViewer()) return HelpResult::kNoViewer;
    const std::optional<cmcRect> earlier = m_viewer.PopupRect();
    if (earlier) {
        m_rememberedRect = *earlier;
        m_viewer.HidePopup();
    } else {
        m_typeRect = PopupTypeRect(
            DecimalPrefix(m_gtex.GetFirstLine("GI_Sys_HtmlHelp_Popup_Width")),
            DecimalPrefix(m_gtex.GetFirstLine("GI_Sys_HtmlHelp_Popup_Height")), cursor);
        m_viewer.DefinePopupType(m_typeRect);
    }
    if (m_viewer.ShowTopic(path, number)) {
        PlaceShownPopup(cursor);
        return Reported(HelpResult::kShown, path);
    }
    if (!FileExists(path)) return Reported(HelpResult::kFileNotShown, path);
    if (earlier) m_viewer.ShowPopupAgain();
    return Reported(HelpResult::kTopicNotShown, path);
}

HelpResult cuiHelp::ShowContextHelpFor(int32_t label, cmcPoint cursor) {
    return ShowContextHelp(HelpFilePath(), ContextNumberOf(m_helpGTex, label), cursor);
}

void cuiHelp::PlaceShownPopup(cmcPoint cursor) {
    const cmcRect& rect = IsAllZero(m_rememberedRect) ? m_typeRect : m_rememberedRect;
    m_viewer.ShowPopupAt(PlacePopup(rect, cursor, m_host.WorkArea()));
}

HelpResult cuiHelp::Reported(HelpResult result, const std::string& path) {
    ReportHelpResult(m_host, m_gtex, result, path);
    return result;
}
