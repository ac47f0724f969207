#pragma once

#include <vector>

#include "platform/port_info.h"

// The serial ports QSerialPortInfo finds, on every platform.
class cmcQtPortInfoSource : public cmcPortInfoSource {
public:
    std::vector<datPortInfo> AvailablePorts() const override;
};
