// The serial configuration record, the open sequence's pure rules and the error kinds.
#include "serial/PortOpenSequence.h"
#include "serial/PortSettings.h"
#include "serial/SerialPort.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>

using namespace Ml;

namespace {

struct Accessor
{
    std::function<void(PortSettings &, uint32_t)> set;
    std::function<uint32_t(const PortSettings &)> get;
    std::function<bool(const PortSettings &)> isSet;
};

#define ML_ACCESSOR(name, setter, getter, query)                                                   \
    {                                                                                              \
        name,                                                                                      \
        {                                                                                          \
            [](PortSettings &s, uint32_t v) { s.setter(v); },                                      \
                [](const PortSettings &s) { return uint32_t(uint8_t(s.getter())); },               \
                [](const PortSettings &s) { return s.query(); }                                    \
        }                                                                                          \
    }

const std::map<QString, Accessor> &accessors()
{
    static const std::map<QString, Accessor> table = {
        {"BaudRate",
         {[](PortSettings &s, uint32_t v) { s.setBaudRate(v); },
          [](const PortSettings &s) { return s.baudRate(); },
          [](const PortSettings &s) { return s.isBaudRateSet(); }}},
        {"XonLim",
         {[](PortSettings &s, uint32_t v) { s.setXonLim(v); },
          [](const PortSettings &s) { return uint32_t(s.xonLim()); },
          [](const PortSettings &s) { return s.isXonLimSet(); }}},
        {"XoffLim",
         {[](PortSettings &s, uint32_t v) { s.setXoffLim(v); },
          [](const PortSettings &s) { return uint32_t(s.xoffLim()); },
          [](const PortSettings &s) { return s.isXoffLimSet(); }}},
        ML_ACCESSOR("fBinary", setBinary, binary, isBinarySet),
        ML_ACCESSOR("fParity", setParityCheck, parityCheck, isParityCheckSet),
        ML_ACCESSOR("fOutxCtsFlow", setOutxCtsFlow, outxCtsFlow, isOutxCtsFlowSet),
        ML_ACCESSOR("fOutxDsrFlow", setOutxDsrFlow, outxDsrFlow, isOutxDsrFlowSet),
        ML_ACCESSOR("fDtrControl", setDtrControl, dtrControl, isDtrControlSet),
        ML_ACCESSOR("fDsrSensitivity", setDsrSensitivity, dsrSensitivity, isDsrSensitivitySet),
        ML_ACCESSOR("fTXContinueOnXoff", setTxContinueOnXoff, txContinueOnXoff,
                    isTxContinueOnXoffSet),
        ML_ACCESSOR("fOutX", setOutX, outX, isOutXSet),
        ML_ACCESSOR("fInX", setInX, inX, isInXSet),
        ML_ACCESSOR("fErrorChar", setErrorCharReplace, errorCharReplace, isErrorCharReplaceSet),
        ML_ACCESSOR("fNull", setNullDiscard, nullDiscard, isNullDiscardSet),
        ML_ACCESSOR("fRtsControl", setRtsControl, rtsControl, isRtsControlSet),
        ML_ACCESSOR("fAbortOnError", setAbortOnError, abortOnError, isAbortOnErrorSet),
        ML_ACCESSOR("ByteSize", setByteSize, byteSize, isByteSizeSet),
        ML_ACCESSOR("Parity", setParity, parity, isParitySet),
        ML_ACCESSOR("StopBits", setStopBits, stopBits, isStopBitsSet),
        ML_ACCESSOR("XonChar", setXonChar, xonChar, isXonCharSet),
        ML_ACCESSOR("XoffChar", setXoffChar, xoffChar, isXoffCharSet),
        ML_ACCESSOR("EvtChar", setEvtChar, evtChar, isEvtCharSet),
    };
    return table;
}

} // namespace

class TestPortSettings : public QObject
{
    Q_OBJECT

private slots:
    void widthsAndFlags_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<uint>("value");
        QTest::addColumn<uint>("stored");
        QTest::newRow("rate 32 bits") << "BaudRate" << 0xFFFFFFFFu << 0xFFFFFFFFu;
        QTest::newRow("1 bit keeps bit 0") << "fBinary" << 2u << 0u;
        QTest::newRow("1 bit odd") << "fAbortOnError" << 3u << 1u;
        QTest::newRow("DTR 5 stores 1") << "fDtrControl" << 5u << 1u;
        QTest::newRow("RTS 2 bits") << "fRtsControl" << 7u << 3u;
        QTest::newRow("16 bits") << "XonLim" << 0x12345u << 0x2345u;
        QTest::newRow("16 bits xoff") << "XoffLim" << 100u << 100u;
        QTest::newRow("byte") << "ByteSize" << 0x108u << 8u;
        QTest::newRow("parity byte") << "Parity" << 4u << 4u;
        QTest::newRow("char") << "XonChar" << 0x211u << 0x11u;
        QTest::newRow("char ff") << "EvtChar" << 0xFFu << 0xFFu;
        for (const auto &entry : accessors())
            QTest::newRow(qPrintable("flag " + entry.first)) << entry.first << 1u << 1u;
    }

    // Each setter stores only its member's width and raises only its own flag.
    void widthsAndFlags()
    {
        QFETCH(QString, member);
        QFETCH(uint, value);
        QFETCH(uint, stored);
        PortSettings settings;
        for (const auto &entry : accessors())
            QVERIFY(!entry.second.isSet(settings));
        accessors().at(member).set(settings, value);
        QCOMPARE(accessors().at(member).get(settings), stored);
        for (const auto &entry : accessors()) {
            QCOMPARE(entry.second.isSet(settings), entry.first == member);
            if (entry.first != member)
                QCOMPARE(entry.second.get(settings), 0u);
        }
    }

    // Only raised members replace the port's values; bit-fields keep their neighbours.
    void applyRaisedMembersOnly()
    {
        DCB port;
        std::memset(&port, 0xFF, sizeof port);
        const DCB before = port;
        PortSettings settings;
        PortOpenSequence::applyPortSettings(&settings, port);
        QCOMPARE(std::memcmp(&port, &before, sizeof port), 0);
        settings.setBaudRate(9600);
        settings.setBaudRate(19200);
        settings.setDtrControl(0);
        settings.setByteSize(7);
        PortOpenSequence::applyPortSettings(&settings, port);
        QCOMPARE(port.BaudRate, 19200u);
        QCOMPARE(uint(port.fDtrControl), 0u);
        QCOMPARE(uint(port.fRtsControl), 3u);
        QCOMPARE(uint(port.fDsrSensitivity), 1u);
        QCOMPARE(uint(port.fOutxDsrFlow), 1u);
        QCOMPARE(uint(port.ByteSize), 7u);
        QCOMPARE(uint(port.Parity), 0xFFu);
        PortOpenSequence::applyPortSettings(nullptr, port);
        QCOMPARE(port.BaudRate, 19200u);
    }

    void devicePrefix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("COM3") << "COM3"
                              << "\\\\.\\COM3";
        QTest::newRow("prefixed") << "\\\\.\\COM12"
                                  << "\\\\.\\COM12";
        QTest::newRow("case matters") << "\\\\.\\com4"
                                      << "\\\\.\\com4";
        QTest::newRow("forward slashes") << "//./COM5"
                                         << "\\\\.\\//./COM5";
        QTest::newRow("long name") << "USB#VID_0403&PID_6001#A50285BI#{86e0d1e0-8089}"
                                   << "\\\\.\\USB#VID_0403&PID_6001#A50285BI#{86e0d1e0-8089}";
    }

    void devicePrefix()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdWString(PortOpenSequence::localDevicePath(name.toStdWString())),
                 path);
    }

    void timeouts()
    {
        const COMMTIMEOUTS t = PortOpenSequence::timeouts(110, 110);
        QCOMPARE(t.ReadIntervalTimeout, 0xFFFFFFFFu);
        QCOMPARE(t.ReadTotalTimeoutMultiplier, 0xFFFFFFFFu);
        QCOMPARE(t.ReadTotalTimeoutConstant, 110u);
        QCOMPARE(t.WriteTotalTimeoutMultiplier, 1u);
        QCOMPARE(t.WriteTotalTimeoutConstant, 110u);
    }

    void errorKinds_data()
    {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<uint>("code");
        QTest::addColumn<int>("kind");
        QTest::newRow("held") << true << uint(EWOULDBLOCK) << int(PortErrorKind::InUse);
        QTest::newRow("busy") << true << uint(EBUSY) << int(PortErrorKind::InUse);
        QTest::newRow("denied") << true << uint(EACCES) << int(PortErrorKind::PermissionDenied);
        QTest::newRow("absent") << true << uint(ENOENT) << int(PortErrorKind::NoSuchDevice);
        QTest::newRow("gone") << true << uint(ENODEV) << int(PortErrorKind::NoSuchDevice);
        QTest::newRow("no dev") << true << uint(ENXIO) << int(PortErrorKind::NoSuchDevice);
        QTest::newRow("not a tty") << true << uint(ENOTTY) << int(PortErrorKind::Other);
        QTest::newRow("lost") << false << uint(EIO) << int(PortErrorKind::PortLost);
        QTest::newRow("lost dev") << false << uint(ENXIO) << int(PortErrorKind::PortLost);
    }

    void errorKinds()
    {
        QFETCH(bool, opening);
        QFETCH(uint, code);
        QFETCH(int, kind);
        QCOMPARE(
            int(opening ? SerialPort::openErrorKind(code) : SerialPort::transferErrorKind(code)),
            kind);
    }
};

QTEST_APPLESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
