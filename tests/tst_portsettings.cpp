// The serial configuration record and the pure rules of the open sequence.
#include "serial/PortOpenSequence.h"
#include "serial/PortSettings.h"

#include <QtTest>

#include <cstring>
#include <functional>
#include <map>
#include <type_traits>

using namespace Ml;

namespace {

// A getter's value as an unsigned number of its own width.
template <typename T> uint32_t widen(T value)
{
    return uint32_t(std::make_unsigned_t<T>(value));
}

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
                [](const PortSettings &s) { return widen(s.getter()); },                           \
                [](const PortSettings &s) { return s.query(); }                                    \
        }                                                                                          \
    }

const std::map<QString, Accessor> &accessors()
{
    static const std::map<QString, Accessor> table = {
        ML_ACCESSOR("BaudRate", setBaudRate, baudRate, isBaudRateSet),
        ML_ACCESSOR("XonLim", setXonLim, xonLim, isXonLimSet),
        ML_ACCESSOR("XoffLim", setXoffLim, xoffLim, isXoffLimSet),
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
};

QTEST_APPLESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
