#include "platform/qt/qt_port_info_source.h"

#include <QSerialPortInfo>
#include <QString>

namespace {

// Core texts are single-byte; what does not fit Latin-1 becomes '?'.
std::string ToCore(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace

std::vector<datPortInfo> cmcQtPortInfoSource::AvailablePorts() const {
    std::vector<datPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        datPortInfo port;
        port.portName = ToCore(info.portName());
        port.description = ToCore(info.description());
        port.manufacturer = ToCore(info.manufacturer());
        port.device = ToCore(info.systemLocation());
        ports.push_back(port);
    }
    return ports;
}
