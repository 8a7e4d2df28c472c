// The serial configuration record: an image of the port's device-control block with one
// is-set flag per settable member. Only the members whose flag is raised are laid over the
// port's own state when the port is opened. Plain C++, no Qt, no platform call.
#pragma once

#include "serial/CommTypes.h"

#include <cstdint>

namespace Ml {

class PortSettings
{
public:
    // One flag per settable member, in device-control block order.
    enum Member : uint32_t {
        BaudRateMember,
        BinaryMember,
        ParityCheckMember,
        OutxCtsFlowMember,
        OutxDsrFlowMember,
        DtrControlMember,
        DsrSensitivityMember,
        TxContinueOnXoffMember,
        OutXMember,
        InXMember,
        ErrorCharReplaceMember,
        NullDiscardMember,
        RtsControlMember,
        AbortOnErrorMember,
        XonLimMember,
        XoffLimMember,
        ByteSizeMember,
        ParityMember,
        StopBitsMember,
        XonCharMember,
        XoffCharMember,
        EvtCharMember,
        MemberCount
    };

    PortSettings();
    ~PortSettings();

    // The line the tester speaks: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
    // control, DTR and RTS on, NUL bytes delivered. All 22 members are set. The caller owns
    // the record.
    static PortSettings *forTester();

    void setBaudRate(uint32_t value);
    void setBinary(uint32_t value);
    void setParityCheck(uint32_t value);
    void setOutxCtsFlow(uint32_t value);
    void setOutxDsrFlow(uint32_t value);
    void setDtrControl(uint32_t value);
    void setDsrSensitivity(uint32_t value);
    void setTxContinueOnXoff(uint32_t value);
    void setOutX(uint32_t value);
    void setInX(uint32_t value);
    void setErrorCharReplace(uint32_t value);
    void setNullDiscard(uint32_t value);
    void setRtsControl(uint32_t value);
    void setAbortOnError(uint32_t value);
    void setXonLim(uint32_t value);
    void setXoffLim(uint32_t value);
    void setByteSize(uint32_t value);
    void setParity(uint32_t value);
    void setStopBits(uint32_t value);
    void setXonChar(uint32_t value);
    void setXoffChar(uint32_t value);
    void setEvtChar(uint32_t value);

    uint32_t baudRate() const { return image.BaudRate; }
    uint32_t binary() const { return image.fBinary; }
    uint32_t parityCheck() const { return image.fParity; }
    uint32_t outxCtsFlow() const { return image.fOutxCtsFlow; }
    uint32_t outxDsrFlow() const { return image.fOutxDsrFlow; }
    uint32_t dtrControl() const { return image.fDtrControl; }
    uint32_t dsrSensitivity() const { return image.fDsrSensitivity; }
    uint32_t txContinueOnXoff() const { return image.fTXContinueOnXoff; }
    uint32_t outX() const { return image.fOutX; }
    uint32_t inX() const { return image.fInX; }
    uint32_t errorCharReplace() const { return image.fErrorChar; }
    uint32_t nullDiscard() const { return image.fNull; }
    uint32_t rtsControl() const { return image.fRtsControl; }
    uint32_t abortOnError() const { return image.fAbortOnError; }
    uint16_t xonLim() const { return image.XonLim; }
    uint16_t xoffLim() const { return image.XoffLim; }
    uint8_t byteSize() const { return image.ByteSize; }
    uint8_t parity() const { return image.Parity; }
    uint8_t stopBits() const { return image.StopBits; }
    char xonChar() const { return image.XonChar; }
    char xoffChar() const { return image.XoffChar; }
    char evtChar() const { return image.EvtChar; }

    bool isBaudRateSet() const { return isSet(BaudRateMember); }
    bool isBinarySet() const { return isSet(BinaryMember); }
    bool isParityCheckSet() const { return isSet(ParityCheckMember); }
    bool isOutxCtsFlowSet() const { return isSet(OutxCtsFlowMember); }
    bool isOutxDsrFlowSet() const { return isSet(OutxDsrFlowMember); }
    bool isDtrControlSet() const { return isSet(DtrControlMember); }
    bool isDsrSensitivitySet() const { return isSet(DsrSensitivityMember); }
    bool isTxContinueOnXoffSet() const { return isSet(TxContinueOnXoffMember); }
    bool isOutXSet() const { return isSet(OutXMember); }
    bool isInXSet() const { return isSet(InXMember); }
    bool isErrorCharReplaceSet() const { return isSet(ErrorCharReplaceMember); }
    bool isNullDiscardSet() const { return isSet(NullDiscardMember); }
    bool isRtsControlSet() const { return isSet(RtsControlMember); }
    bool isAbortOnErrorSet() const { return isSet(AbortOnErrorMember); }
    bool isXonLimSet() const { return isSet(XonLimMember); }
    bool isXoffLimSet() const { return isSet(XoffLimMember); }
    bool isByteSizeSet() const { return isSet(ByteSizeMember); }
    bool isParitySet() const { return isSet(ParityMember); }
    bool isStopBitsSet() const { return isSet(StopBitsMember); }
    bool isXonCharSet() const { return isSet(XonCharMember); }
    bool isXoffCharSet() const { return isSet(XoffCharMember); }
    bool isEvtCharSet() const { return isSet(EvtCharMember); }

    // Copies every member whose flag is raised onto the given state; a bit-field member
    // replaces only its own bits. The rest of the state keeps the port's values.
    void applyTo(DCB &state) const;

private:
    bool isSet(Member member) const { return (setFlags >> member) & 1u; }
    void raise(Member member) { setFlags |= 1u << member; }

    DCB image;
    uint32_t setFlags = 0;
};

} // namespace Ml
