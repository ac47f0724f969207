#include "clone/port_enumeration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/port_names.h"
#include "support/test_paths.h"

namespace {

class FakePortSource : public cmcPortInfoSource {
public:
    std::vector<datPortInfo> AvailablePorts() const override { return ports; }
    std::vector<datPortInfo> ports;
};

using Texts = std::vector<std::string>;

TEST(PortEnumeration, ParsePortNumberTakesTheNumberAfterCOMOrTheLeadingNumber) {
    const std::pair<const char*, int32_t> cases[] = {
        {"3", 3},
        {"COM3", 3},
        {"3: USB Serial Port (COM3)", 3},
        {" 12 ", 12},
        {"COM", 0},
        {"ttyUSB0", 0},
        {"", 0},
        {"com4", 0},
        // Too long for a number: none, not one that wrapped round to a small port.
        {"4294967305", 0},
        {"COM99999999999999999999", 0},
        {"-4294967295", 0},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(ParsePortNumber(text), number) << text;
}

TEST(PortEnumeration, PortOperandIsAWholeNumberOfAPort) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"9", 9},
        {"COM9", 9},
        {"256", 256},
        {"1", 1},
        {"0", std::nullopt},
        {"257", std::nullopt},
        {"4294967305", std::nullopt},
        {"9abc", std::nullopt},
        {" 9", std::nullopt},
        {"1e3", std::nullopt},
        {"", std::nullopt},
        {"COM", std::nullopt},
        {"-3", std::nullopt},
    };
    for (const auto& [text, port] : cases)
        EXPECT_EQ(ParsePortOperand(text), port) << "'" << text << "'";
}

TEST(PortEnumeration, WindowsNamesSortByNumber) {
    FakePortSource source;
    source.ports = {{"COM1", "Communications Port", "", "\\\\.\\COM1"},
                    {"COM10", "", "", "\\\\.\\COM10"},
                    {"COM3", "USB Serial Port", "FTDI", "\\\\.\\COM3"},
                    {"LPT1", "Printer Port", "", "\\\\.\\LPT1"}};
    Texts list;
    ListDevicePorts(source, list);
    EXPECT_EQ(list, (Texts{"1", "3", "10"}));
    ListRegistryPorts(source, list);
    EXPECT_EQ(list, (Texts{"1", "3", "10"}));
    ListPortDescriptions(source, {"3", "10"}, list);
    EXPECT_EQ(list, (Texts{"3: USB Serial Port (COM3)"}));
}

TEST(PortEnumeration, DevicesGetTheirTableNumbersAndVirtualPortsJoin) {
    TempFolder folder;
    setenv("KTV818X_PORT_DIR", folder.path().c_str(), 1);
    std::string error;
    ASSERT_TRUE(RegisterVirtualPort(9, "/dev/pts/77", "ktv818x radio simulator", error)) << error;

    FakePortSource source;
    source.ports = {
        {"ttyUSB0", "CP2102 USB to UART Bridge Controller", "Silicon Labs", "/dev/ttyUSB0"},
        {"ttyS0", "", "", "/dev/ttyS0"},
        {"ttyACM1", "", "Orva", "/dev/ttyACM1"},
        {"rfcomm0", "Bluetooth", "", "/dev/rfcomm0"}};
    Texts numbers;
    ListRegistryPorts(source, numbers);
    EXPECT_EQ(numbers, (Texts{"1", "9", "17", "34"}));

    Texts descriptions;
    ListPortDescriptions(source, numbers, descriptions);
    EXPECT_EQ(descriptions,
              (Texts{"9: ktv818x radio simulator (pts/77)",
                     "17: CP2102 USB to UART Bridge Controller, Silicon Labs (ttyUSB0)",
                     "34: Orva (ttyACM1)"}));
    for (const std::string& text : descriptions)
        EXPECT_NE(ParsePortNumber(text), 0) << text;

    ListPortDescriptions(source, {"17"}, descriptions);
    EXPECT_EQ(descriptions,
              (Texts{"17: CP2102 USB to UART Bridge Controller, Silicon Labs (ttyUSB0)"}));
    UnregisterVirtualPort(9);
    unsetenv("KTV818X_PORT_DIR");
}

TEST(PortEnumeration, LinuxDescriptionsNameTheAdapterOnce) {
    FakePortSource source;
    source.ports = {{"ttyUSB0", "FT232R USB UART", "FTDI", "/dev/ttyUSB0"},
                    {"ttyUSB1", "Prolific USB-Serial Controller", "Prolific", "/dev/ttyUSB1"},
                    {"ttyACM0", "", "Orva", "/dev/ttyACM0"}};
    Texts descriptions;
    ListPortDescriptions(source, {"17", "18", "33"}, descriptions);
    EXPECT_EQ(descriptions,
              (Texts{"17: FT232R USB UART, FTDI (ttyUSB0)",
                     "18: Prolific USB-Serial Controller (ttyUSB1)", "33: Orva (ttyACM0)"}));
}

TEST(PortEnumeration, AVirtualPortHidesTheDeviceOfItsNumber) {
    TempFolder folder;
    setenv("KTV818X_PORT_DIR", folder.path().c_str(), 1);
    std::string error;
    ASSERT_TRUE(RegisterVirtualPort(17, "/dev/pts/5", "ktv818x radio simulator", error)) << error;
    FakePortSource source;
    source.ports = {{"ttyUSB0", "FT232R USB UART", "FTDI", "/dev/ttyUSB0"}};
    Texts descriptions;
    ListPortDescriptions(source, {"17"}, descriptions);
    // Port 17 opens the simulator now, so the cable's description would be a wrong promise.
    EXPECT_EQ(descriptions, (Texts{"17: ktv818x radio simulator (pts/5)"}));
    UnregisterVirtualPort(17);
    unsetenv("KTV818X_PORT_DIR");
}

}  // namespace
