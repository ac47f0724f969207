#pragma once

#include <QPoint>
#include <QUrl>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "help/help.h"
#include "help/help_viewer.h"

class QWidget;
class cmcGTex;
class cmcHelpGTex;
class cmcHost;
class cuiHelpContentsWindow;
class cuiHelpPopup;

// The program's help on the screen: the contents window and the context-help popup, both owned
// by the main window and made when first asked for. The main window makes one of these (it
// holds the help object) and makes two calls:
//
//   ShowContents()           for the window command HelpContents (the Help menu's contents item,
//                            and F1 outside the grid);
//   ShowContextHelp(label)   for the window command ContextHelp, whose argument is the label of
//                            the cell (the popup menu's help item, and F1 on a cell); the popup
//                            opens at the mouse cursor. The command's text names the help file,
//                            which HelpFilePath() already gives.
//
// Every result other than "shown" has been reported to the user when a call returns. The owner
// must outlive this object (the main window holds it as a member).
class cuiHelpWindows : public cuiHelpViewer {
public:
    cuiHelpWindows(cmcHost& host, cmcGTex& gtex, cmcHelpGTex& helpGTex, QWidget* owner);
    ~cuiHelpWindows() override;
    cuiHelpWindows(const cuiHelpWindows&) = delete;
    cuiHelpWindows& operator=(const cuiHelpWindows&) = delete;

    HelpResult ShowContents();
    HelpResult ShowContextHelp(int32_t label);
    // The same for the cursor at cursor (screen coordinates).
    HelpResult ShowContextHelp(int32_t label, QPoint cursor);

    // The windows once they have been made; none before.
    cuiHelpContentsWindow* ContentsWindow() { return m_contents.get(); }
    cuiHelpPopup* Popup() { return m_popup.get(); }

private:
    // cuiHelpViewer
    bool Load() override { return true; }
    bool ShowContents(const std::string& path) override;
    std::optional<cmcRect> PopupRect() override;
    void HidePopup() override;
    void DefinePopupType(const cmcRect& rect) override;
    bool ShowTopic(const std::string& path, int32_t number) override;
    void ShowPopupAt(const cmcRect& rect) override;
    void ShowPopupAgain() override;

    void OpenContentsAt(const QUrl& page);
    QUrl HomePage() const;

    cmcGTex& m_gtex;
    cmcHelpGTex& m_helpGTex;
    QWidget* m_owner;
    std::unique_ptr<cuiHelpContentsWindow> m_contents;
    std::unique_ptr<cuiHelpPopup> m_popup;
    cmcRect m_typeRect{};
    std::unique_ptr<cuiHelp> m_help;  // made last: it readies the viewer, which is this
};
