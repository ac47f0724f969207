#include "platform/win_serial.h"

#if defined(_WIN32)

#include <windows.h>

#include <string>

namespace {

class WinLine : public cmcSerialLine {
public:
    explicit WinLine(HANDLE handle) : m_handle(handle) {}
    ~WinLine() override { CloseHandle(m_handle); }
    WinLine(const WinLine&) = delete;
    WinLine& operator=(const WinLine&) = delete;

    bool SetQueueSizes(uint32_t input, uint32_t output) override {
        m_inputQueue = input;
        return SetupComm(m_handle, input, output) != 0;
    }

    bool Purge() override {
        return PurgeComm(m_handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR) !=
               0;
    }

    bool Configure(const datLineSettings& settings) override {
        // A read returns at once with what is queued; a write may take its bytes' time plus 3 s.
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.WriteTotalTimeoutMultiplier = 100000 / (settings.baud ? settings.baud : 1);
        timeouts.WriteTotalTimeoutConstant = 3000;
        if (!SetCommTimeouts(m_handle, &timeouts)) return false;

        DCB control{};
        control.DCBlength = sizeof control;
        if (!GetCommState(m_handle, &control)) return false;
        control.BaudRate = settings.baud;
        control.fBinary = settings.flags1 & 1;
        control.fParity = (settings.flags1 >> 1) & 1;
        control.fOutxCtsFlow = (settings.flags1 >> 2) & 1;
        control.fOutxDsrFlow = (settings.flags1 >> 3) & 1;
        control.fDtrControl = (settings.flags1 >> 4) & 3;
        control.fDsrSensitivity = (settings.flags1 >> 6) & 1;
        control.fTXContinueOnXoff = (settings.flags1 >> 7) & 1;
        control.fOutX = settings.flags2 & 1;
        control.fInX = (settings.flags2 >> 1) & 1;
        control.fErrorChar = (settings.flags2 >> 2) & 1;
        control.fNull = (settings.flags2 >> 3) & 1;
        control.fRtsControl = (settings.flags2 >> 4) & 3;
        control.fAbortOnError = (settings.flags2 >> 6) & 1;
        control.wReserved = 0;
        control.XonLim = static_cast<WORD>(m_inputQueue / 2);
        control.XoffLim = static_cast<WORD>(m_inputQueue * 3 / 4);
        control.ByteSize = settings.dataBits;
        control.Parity = settings.parity;
        control.StopBits = settings.stopBits;
        control.XonChar = static_cast<char>(settings.xonChar);
        control.XoffChar = static_cast<char>(settings.xoffChar);
        control.ErrorChar = static_cast<char>(settings.errorChar);
        control.EofChar = static_cast<char>(settings.eofChar);
        control.EvtChar = static_cast<char>(settings.eventChar);
        return SetCommState(m_handle, &control) != 0;
    }

    int32_t InQueueCount() override { return Status(true); }
    int32_t OutQueueCount() override { return Status(false); }

    int32_t Read(uint8_t* buffer, int32_t length) override {
        DWORD count = 0;
        if (!ReadFile(m_handle, buffer, static_cast<DWORD>(length), &count, nullptr)) return -1;
        return static_cast<int32_t>(count);
    }

    int32_t Write(const uint8_t* bytes, int32_t length) override {
        DWORD count = 0;
        if (!WriteFile(m_handle, bytes, static_cast<DWORD>(length), &count, nullptr)) return -1;
        return static_cast<int32_t>(count);
    }

private:
    // Line errors are cleared by the query and not reported.
    int32_t Status(bool input) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(m_handle, &errors, &status)) return -1;
        return static_cast<int32_t>(input ? status.cbInQue : status.cbOutQue);
    }

    HANDLE m_handle;
    uint32_t m_inputQueue = 32000;
};

}  // namespace

std::unique_ptr<cmcSerialLine> cmcWinSerialBackend::Open(int32_t port, datPortProblem& problem) {
    problem = datPortProblem{};
    problem.port = port;
    problem.device = "\\\\.\\COM" + std::to_string(port);
    const HANDLE handle = CreateFileA(problem.device.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        problem.systemError = static_cast<int>(error);
        problem.kind = error == ERROR_FILE_NOT_FOUND  ? PortProblem::kNoDevice
                       : error == ERROR_ACCESS_DENIED ? PortProblem::kBusy
                                                      : PortProblem::kOther;
        return nullptr;
    }
    return std::make_unique<WinLine>(handle);
}

std::unique_ptr<cmcSerialBackend> CreateSystemSerialBackend() {
    return std::make_unique<cmcWinSerialBackend>();
}

#endif
