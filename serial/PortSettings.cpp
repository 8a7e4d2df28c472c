#include "serial/PortSettings.h"

#include <cstring>

namespace Ml {

PortSettings::PortSettings()
{
    std::memset(&image, 0, sizeof image);
    image.DCBlength = sizeof(DCB);
}

PortSettings::~PortSettings() = default;

PortSettings *PortSettings::forTester()
{
    auto *s = new PortSettings;
    s->setBaudRate(9600);
    s->setByteSize(8);
    s->setStopBits(0);
    s->setBinary(1);
    s->setParityCheck(0);
    s->setParity(0);
    s->setOutxDsrFlow(0);
    s->setDsrSensitivity(0);
    s->setDtrControl(1);
    s->setOutxCtsFlow(0);
    s->setRtsControl(1);
    s->setOutX(0);
    s->setInX(0);
    s->setXonChar(17);
    s->setXoffChar(19);
    s->setEvtChar(0);
    s->setXonLim(100);
    s->setXoffLim(100);
    s->setTxContinueOnXoff(1);
    s->setErrorCharReplace(0);
    s->setNullDiscard(0);
    s->setAbortOnError(0);
    return s;
}

// Each setter keeps only the member's width of its argument and raises the member's flag.
#define ML_PORT_SETTER(setter, field, member, type)                                                \
    void PortSettings::setter(uint32_t value)                                                      \
    {                                                                                              \
        image.field = static_cast<type>(value);                                                    \
        raise(member);                                                                             \
    }
#define ML_PORT_BIT_SETTER(setter, field, member, mask)                                            \
    void PortSettings::setter(uint32_t value)                                                      \
    {                                                                                              \
        image.field = value & (mask);                                                              \
        raise(member);                                                                             \
    }

ML_PORT_SETTER(setBaudRate, BaudRate, BaudRateMember, uint32_t)
ML_PORT_BIT_SETTER(setBinary, fBinary, BinaryMember, 1u)
ML_PORT_BIT_SETTER(setParityCheck, fParity, ParityCheckMember, 1u)
ML_PORT_BIT_SETTER(setOutxCtsFlow, fOutxCtsFlow, OutxCtsFlowMember, 1u)
ML_PORT_BIT_SETTER(setOutxDsrFlow, fOutxDsrFlow, OutxDsrFlowMember, 1u)
ML_PORT_BIT_SETTER(setDtrControl, fDtrControl, DtrControlMember, 3u)
ML_PORT_BIT_SETTER(setDsrSensitivity, fDsrSensitivity, DsrSensitivityMember, 1u)
ML_PORT_BIT_SETTER(setTxContinueOnXoff, fTXContinueOnXoff, TxContinueOnXoffMember, 1u)
ML_PORT_BIT_SETTER(setOutX, fOutX, OutXMember, 1u)
ML_PORT_BIT_SETTER(setInX, fInX, InXMember, 1u)
ML_PORT_BIT_SETTER(setErrorCharReplace, fErrorChar, ErrorCharReplaceMember, 1u)
ML_PORT_BIT_SETTER(setNullDiscard, fNull, NullDiscardMember, 1u)
ML_PORT_BIT_SETTER(setRtsControl, fRtsControl, RtsControlMember, 3u)
ML_PORT_BIT_SETTER(setAbortOnError, fAbortOnError, AbortOnErrorMember, 1u)
ML_PORT_SETTER(setXonLim, XonLim, XonLimMember, uint16_t)
ML_PORT_SETTER(setXoffLim, XoffLim, XoffLimMember, uint16_t)
ML_PORT_SETTER(setByteSize, ByteSize, ByteSizeMember, uint8_t)
ML_PORT_SETTER(setParity, Parity, ParityMember, uint8_t)
ML_PORT_SETTER(setStopBits, StopBits, StopBitsMember, uint8_t)
ML_PORT_SETTER(setXonChar, XonChar, XonCharMember, char)
ML_PORT_SETTER(setXoffChar, XoffChar, XoffCharMember, char)
ML_PORT_SETTER(setEvtChar, EvtChar, EvtCharMember, char)

#undef ML_PORT_SETTER
#undef ML_PORT_BIT_SETTER

void PortSettings::applyTo(DCB &state) const
{
#define ML_APPLY(member, field)                                                                    \
    if (isSet(member))                                                                             \
        state.field = image.field;
    ML_APPLY(BaudRateMember, BaudRate)
    ML_APPLY(BinaryMember, fBinary)
    ML_APPLY(ParityCheckMember, fParity)
    ML_APPLY(OutxCtsFlowMember, fOutxCtsFlow)
    ML_APPLY(OutxDsrFlowMember, fOutxDsrFlow)
    ML_APPLY(DtrControlMember, fDtrControl)
    ML_APPLY(DsrSensitivityMember, fDsrSensitivity)
    ML_APPLY(TxContinueOnXoffMember, fTXContinueOnXoff)
    ML_APPLY(OutXMember, fOutX)
    ML_APPLY(InXMember, fInX)
    ML_APPLY(ErrorCharReplaceMember, fErrorChar)
    ML_APPLY(NullDiscardMember, fNull)
    ML_APPLY(RtsControlMember, fRtsControl)
    ML_APPLY(AbortOnErrorMember, fAbortOnError)
    ML_APPLY(XonLimMember, XonLim)
    ML_APPLY(XoffLimMember, XoffLim)
    ML_APPLY(ByteSizeMember, ByteSize)
    ML_APPLY(ParityMember, Parity)
    ML_APPLY(StopBitsMember, StopBits)
    ML_APPLY(XonCharMember, XonChar)
    ML_APPLY(XoffCharMember, XoffChar)
    ML_APPLY(EvtCharMember, EvtChar)
#undef ML_APPLY
}

} // namespace Ml
