#pragma once

#include "platform/screen.h"

// A screen of a size the test chooses.
class FakeScreen : public cmcScreen {
public:
    explicit FakeScreen(cmcScreenSize size = {1024, 768}) : m_size(size) {}
    cmcScreenSize Size() const override { return m_size; }
    void SetSize(cmcScreenSize size) { m_size = size; }

private:
    cmcScreenSize m_size;
};
