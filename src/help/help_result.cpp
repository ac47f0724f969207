#include "help/help_result.h"

#include "overlay/gtex.h"
#include "platform/host.h"
#include "platform/string_format.h"

void ReportHelpResult(cmcHost& host, cmcGTex& gtex, HelpResult result, const std::string& path) {
    if (result != HelpResult::kFileNotShown && result != HelpResult::kTopicNotShown) return;
    const std::string caption = gtex.GetFirstLine("GI_Sys_AppTitle");
    if (result == HelpResult::kFileNotShown) {
        const std::string format = gtex.GetLine("GI_Sys_HtmlHelp_Error", 0);
        host.ShowMessage(caption, StringPrintf(format.c_str(), path.c_str()), cmcMessageIcon::Error,
                         cmcMessageButtons::Ok);
    } else {
        host.ShowMessage(caption, gtex.GetLine("GI_Sys_HtmlHelp_Error", 1), cmcMessageIcon::Warning,
                         cmcMessageButtons::Ok);
    }
}
