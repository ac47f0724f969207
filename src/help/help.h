#pragma once

#include <cstdint>
#include <string>

#include "help/help_result.h"
#include "help/popup_placement.h"
#include "platform/host.h"

class cmcGTex;
class cmcHelpGTex;
class cuiHelpViewer;

// Help: the contents of the help file and a context-help popup for a cell, through a viewer.
// Which page a cell gets is the help overlay's (help/context_number.h); every result other than
// "shown" is reported to the user here (help/help_result.h).
class cuiHelp {
public:
    // Readies the viewer; a viewer that is not there is asked again by each request.
    cuiHelp(cmcHost& host, cmcGTex& gtex, cmcHelpGTex& helpGTex, cuiHelpViewer& viewer);
    cuiHelp(const cuiHelp&) = delete;
    cuiHelp& operator=(const cuiHelp&) = delete;

    // The program's folder followed by the overlay's help file name.
    std::string HelpFilePath();

    HelpResult ShowContents(const std::string& path);
    // The page of context number in the popup, placed for the mouse cursor at cursor. A popup on
    // the screen gives its place and size to the new one; an unknown number brings it back.
    HelpResult ShowContextHelp(const std::string& path, int32_t number, cmcPoint cursor);
    // The same for a cell's label, with the help file of HelpFilePath.
    HelpResult ShowContextHelpFor(int32_t label, cmcPoint cursor);

private:
    bool LoadViewer();
    void PlaceShownPopup(cmcPoint cursor);
    HelpResult Reported(HelpResult result, const std::string& path);

    cmcHost& m_host;
    cmcGTex& m_gtex;
    cmcHelpGTex& m_helpGTex;
    cuiHelpViewer& m_viewer;
    bool m_loaded = false;
    cmcRect m_rememberedRect{};  // the popup's last rectangle on the screen; all zero before
    cmcRect m_typeRect{};        // the rectangle the popup was first made with
};
