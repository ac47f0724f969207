#pragma once

#include <cstdint>
#include <memory>
#include <string>

// How a serial line is set up. The two flag bytes keep the bit order of the Windows device
// control block, so that the Windows backend copies them as they are and the other backends read
// the few bits that matter to them.
struct datLineSettings {
    uint32_t baud = 9600;
    // Raw byte mode (bit 0, always on), parity check (bit 1), CTS and DSR output flow (bits 2,
    // 3), DTR control (bits 4-5: 0 = off), DSR sensitivity (bit 6), continue after XOFF (bit 7).
    uint8_t flags1 = 0x81;
    // XON/XOFF output and input (bits 0, 1), error character (bit 2), null stripping (bit 3),
    // RTS control (bits 4-5: 1 = on), abort on error (bit 6).
    uint8_t flags2 = 0x10;
    uint8_t dataBits = 8;
    uint8_t parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    uint8_t stopBits = 0;  // 0 one, 1 one and a half, 2 two
    uint8_t xonChar = 0x11;
    uint8_t xoffChar = 0x13;
    uint8_t errorChar = 0x3F;
    uint8_t eofChar = 0xFD;    // the clone protocol's frame end
    uint8_t eventChar = 0xFE;  // and frame start
};

constexpr uint8_t kLineParityCheck = 0x02;  // in flags1

// Why a port could not be opened, with what a hint to the user needs.
enum class PortProblem : int32_t {
    kNone = 0,
    kNoDevice,    // no device for this port number
    kBusy,        // another program holds the port
    kPermission,  // the device exists, but this user may not open it
    kNotSerial,   // the device is not a serial line
    kSetup,       // the line does not take the settings
    kOther,       // any other system error
};

struct datPortProblem {
    PortProblem kind = PortProblem::kNone;
    int32_t port = 0;
    std::string device;  // the device the port number maps to, when there is one
    std::string group;   // kPermission: the group that owns the device
    std::string user;    // kPermission: the user who is not in it
    int systemError = 0;
};

// One open serial line, moved in raw bytes. Nothing ever waits: Read returns what has arrived,
// Write hands over what the system takes at once.
class cmcSerialLine {
public:
    virtual ~cmcSerialLine() = default;
    // Receive and transmit queue sizes the program asks of the system.
    virtual bool SetQueueSizes(uint32_t input, uint32_t output) = 0;
    // Drops whatever waits in both directions.
    virtual bool Purge() = 0;
    virtual bool Configure(const datLineSettings& settings) = 0;
    // Bytes waiting to be read, and bytes written but not yet sent; -1 when the query fails.
    virtual int32_t InQueueCount() = 0;
    virtual int32_t OutQueueCount() = 0;
    // Bytes read or written, -1 on failure.
    virtual int32_t Read(uint8_t* buffer, int32_t length) = 0;
    virtual int32_t Write(const uint8_t* bytes, int32_t length) = 0;
};

// Opens serial lines by port number (1-256).
class cmcSerialBackend {
public:
    virtual ~cmcSerialBackend() = default;
    // The open line, or nothing with the reason in problem.
    virtual std::unique_ptr<cmcSerialLine> Open(int32_t port, datPortProblem& problem) = 0;
};

// The serial lines of the system the program runs on.
std::unique_ptr<cmcSerialBackend> CreateSystemSerialBackend();

// Port numbers the program speaks of.
constexpr int32_t kFirstPort = 1;
constexpr int32_t kLastPort = 256;
