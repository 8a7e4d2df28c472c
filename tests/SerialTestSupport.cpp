#include "SerialTestSupport.h"

Ml::PortSettings *SerialTestSupport::downloadSettings()
{
    auto *s = new Ml::PortSettings;
    s->setBaudRate(9600);
    s->setByteSize(8);
    s->setParity(0);
    s->setParityCheck(0);
    s->setStopBits(0);
    s->setBinary(1);
    s->setDtrControl(1);
    s->setRtsControl(1);
    s->setOutxCtsFlow(0);
    s->setOutxDsrFlow(0);
    s->setDsrSensitivity(0);
    s->setOutX(0);
    s->setInX(0);
    s->setTxContinueOnXoff(1);
    s->setXonChar(17);
    s->setXoffChar(19);
    s->setXonLim(100);
    s->setXoffLim(100);
    s->setEvtChar(0);
    s->setErrorCharReplace(0);
    s->setNullDiscard(0);
    s->setAbortOnError(0);
    return s;
}
