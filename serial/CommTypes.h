// The two records of the Windows communications API that the serial layer passes around:
// the device-control block and the time-outs. On Windows they are the system's own; elsewhere
// they are records of ours with the same members and widths, so the open sequence and the
// port settings build and run everywhere. Plain C++, no Qt.
#pragma once

#include <cstdint>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace Ml {

#ifdef _WIN32
using DCB = ::DCB;
using COMMTIMEOUTS = ::COMMTIMEOUTS;
#else
struct DCB
{
    uint32_t DCBlength;
    uint32_t BaudRate;
    uint32_t fBinary : 1;
    uint32_t fParity : 1;
    uint32_t fOutxCtsFlow : 1;
    uint32_t fOutxDsrFlow : 1;
    uint32_t fDtrControl : 2;
    uint32_t fDsrSensitivity : 1;
    uint32_t fTXContinueOnXoff : 1;
    uint32_t fOutX : 1;
    uint32_t fInX : 1;
    uint32_t fErrorChar : 1;
    uint32_t fNull : 1;
    uint32_t fRtsControl : 2;
    uint32_t fAbortOnError : 1;
    uint32_t fDummy2 : 17;
    uint16_t wReserved;
    uint16_t XonLim;
    uint16_t XoffLim;
    uint8_t ByteSize;
    uint8_t Parity;
    uint8_t StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    uint16_t wReserved1;
};

struct COMMTIMEOUTS
{
    uint32_t ReadIntervalTimeout;
    uint32_t ReadTotalTimeoutMultiplier;
    uint32_t ReadTotalTimeoutConstant;
    uint32_t WriteTotalTimeoutMultiplier;
    uint32_t WriteTotalTimeoutConstant;
};
#endif

static_assert(sizeof(DCB) == 28, "DCB must keep the Win32 layout");
static_assert(sizeof(COMMTIMEOUTS) == 20, "COMMTIMEOUTS must keep the Win32 layout");

namespace Comm {
constexpr uint32_t maxDword = 0xFFFFFFFFu;
constexpr uint32_t purgeTxAbort = 0x0001;
constexpr uint32_t purgeRxAbort = 0x0002;
constexpr uint32_t purgeTxClear = 0x0004;
constexpr uint32_t purgeRxClear = 0x0008;
constexpr uint32_t purgeAll = purgeTxAbort | purgeRxAbort | purgeTxClear | purgeRxClear;
constexpr uint32_t queueSize = 4096;
} // namespace Comm

} // namespace Ml
