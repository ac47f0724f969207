#include "clone/port_choice.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_paths.h"

namespace {

class FakePortSource : public cmcPortInfoSource {
public:
    std::vector<datPortInfo> AvailablePorts() const override { return ports; }
    std::vector<datPortInfo> ports;
};

using Texts = std::vector<std::string>;

TEST(PortChoice, TypedAnswersAreTrimmedNumbersFromOneTo256) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"0", std::nullopt},
        {"257", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-5", std::nullopt},
        {" 12 ", 12},
        {"1", 1},
        {"256", 256},
        {"12abc", 12},  // read as a number is read: up to the first
                        // non-digit
        {"\t17\n", 17},
        {"COM5", std::nullopt},  // a typed answer is a number alone
        {"99999999999999999999", std::nullopt},
        {"4294967297", std::nullopt},  // 2^32 + 1 must not wrap round to port 1
    };
    for (const auto& [text, port] : cases)
        EXPECT_EQ(AcceptTypedPort(text), port) << '"' << text << '"';
}

TEST(PortChoice, ChosenDescriptionsGiveTheirLeadingNumber) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"3: USB Serial Port (COM3)", 3},
        {"17: FT232R USB UART, FTDI (ttyUSB0)", 17},
        {"COM7", 7},
        {"", std::nullopt},
        {"257: Too high (COM257)", std::nullopt},
        {"4294967305: Wraps (COM9)", std::nullopt},
    };
    for (const auto& [text, port] : cases)
        EXPECT_EQ(AcceptChosenPort(text), port) << '"' << text << '"';
}

// The lists read the virtual port folder too: an empty one keeps a running simulator out.
class PortListRefill : public testing::Test {
protected:
    void SetUp() override { setenv("KTV818X_PORT_DIR", m_folder.path().c_str(), 1); }
    void TearDown() override { unsetenv("KTV818X_PORT_DIR"); }

    FakePortSource source;

private:
    TempFolder m_folder;
};

TEST_F(PortListRefill, ReplacesOnlyAChangedListAndKeepsTheChoiceByNumber) {
    source.ports = {{"COM3", "USB Serial Port", "FTDI", "\\\\.\\COM3"},
                    {"COM7", "Prolific USB-to-Serial Comm Port", "Prolific", "\\\\.\\COM7"}};
    datPortListRefill refill = RefillPortList(source, true, {}, 7);
    EXPECT_TRUE(refill.replaced);
    EXPECT_EQ(refill.items,
              (Texts{"3: USB Serial Port (COM3)", "7: Prolific USB-to-Serial Comm Port (COM7)"}));
    EXPECT_EQ(refill.selected, 1);

    const Texts shown = refill.items;
    refill = RefillPortList(source, true, shown, 7);
    EXPECT_FALSE(refill.replaced);
    EXPECT_EQ(refill.items, shown);
    EXPECT_EQ(refill.selected, 1);

    // A cable plugged in ahead of the chosen port moves it down; the choice follows it.
    source.ports.insert(source.ports.begin(), {"COM1", "Communications Port", "", "\\\\.\\COM1"});
    refill = RefillPortList(source, true, shown, 7);
    EXPECT_TRUE(refill.replaced);
    EXPECT_EQ(refill.selected, 2);
    EXPECT_EQ(refill.items[2], "7: Prolific USB-to-Serial Comm Port (COM7)");

    // The chosen port was unplugged: nothing is chosen.
    source.ports.pop_back();
    refill = RefillPortList(source, true, refill.items, 7);
    EXPECT_TRUE(refill.replaced);
    EXPECT_EQ(refill.selected, -1);
}

TEST_F(PortListRefill, TheNumberListHoldsEveryPortAndAnEmptySystemAnEmptyList) {
    source.ports = {{"ttyUSB0", "FT232R USB UART", "FTDI", "/dev/ttyUSB0"},
                    {"ttyS0", "", "", "/dev/ttyS0"}};
    datPortListRefill refill = RefillPortList(source, false, {}, 17);
    EXPECT_EQ(refill.items, (Texts{"1", "17"}));
    EXPECT_EQ(refill.selected, 1);

    source.ports.clear();
    refill = RefillPortList(source, false, refill.items, 17);
    EXPECT_TRUE(refill.replaced);
    EXPECT_TRUE(refill.items.empty());
    EXPECT_EQ(refill.selected, -1);
}

TEST_F(PortListRefill, OneWindowsPortWithAFriendlyNameIsTheOneItem) {
    source.ports = {{"COM7", "USB Serial Port", "FTDI", "\\\\.\\COM7"}};
    const datPortListRefill refill = RefillPortList(source, true, {}, 1);
    EXPECT_EQ(refill.items, (Texts{"7: USB Serial Port (COM7)"}));
    EXPECT_EQ(refill.selected, -1);
    EXPECT_EQ(AcceptChosenPort(refill.items[0]), 7);
}

}  // namespace
