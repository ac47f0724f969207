#pragma once

#include "platform/screen.h"

// The primary screen as the GUI application sees it. Without one (no GUI application yet, or no
// screen attached) a screen of 1024 x 768 is assumed.
class cmcQtScreen : public cmcScreen {
public:
    cmcScreenSize Size() const override;
};
