#include "platform/qt/qt_port_info_source.h"

#include <QSerialPortInfo>
#include <QString>

#include "platform/qt/qt_text.h"

std::vector<datPortInfo> cmcQtPortInfoSource::AvailablePorts() const {
    std::vector<datPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        datPortInfo port;
        port.portName = ToCoreText(info.portName());
        port.description = ToCoreText(info.description());
        port.manufacturer = ToCoreText(info.manufacturer());
        port.device = ToCoreText(info.systemLocation());
        ports.push_back(port);
    }
    return ports;
}
