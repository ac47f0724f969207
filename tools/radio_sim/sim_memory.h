#pragma once

#include <string>

#include "model/eeprom.h"
#include "sim_options.h"

// The radio's memory: a built-in image or one from a clone file; saved as a clone file after a
// write when asked.
class SimMemory {
public:
    SimMemory();
    // Fills the built-in image: a byte pattern with the model's type, revision digits, comment
    // and the layout byte 2 where the program looks for them.
    void MakeDefault(const SimModel& model);
    bool Load(const std::string& path, const SimModel& model, std::string& error);
    bool Save(const std::string& path, const SimModel& model, std::string& error);

    cmcEeprom& Image() { return m_image; }

private:
    cmcEeprom m_image;
};

// What a clone read sends: 0x0000-0x45CF.
constexpr int kSimReadFirst = 0x0000;
constexpr int kSimReadLast = 0x45CF;
