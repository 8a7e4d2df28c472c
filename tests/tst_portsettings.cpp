// The serial configuration record and the pure rules of the open sequence.
#include "serial/PortOpenSequence.h"
#include "serial/PortSettings.h"

#include <QtTest>

#include <cstring>
#include <memory>

using namespace Ml;

namespace {

// The port's state, every byte `fill`, after the settings were applied; the members
// that no setting covers are cleared so that two such states compare by the settings.
DCB applied(const PortSettings *settings, int fill)
{
    DCB state;
    std::memset(&state, fill, sizeof state);
    PortOpenSequence::applyPortSettings(settings, state);
    state.DCBlength = state.fDummy2 = state.wReserved = state.wReserved1 = 0;
    state.ErrorChar = state.EofChar = 0;
    return state;
}

bool operator==(const DCB &a, const DCB &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TestPortSettings : public QObject
{
    Q_OBJECT

private slots:
    // Only raised members replace the port's values, each cut to its own width; the
    // others, neighbouring bit-fields included, keep the port's values.
    void applyRaisedMembersOnly_data()
    {
        QTest::addColumn<int>("fill");
        QTest::newRow("over ones") << 0xFF;
        QTest::newRow("over zeros") << 0x00;
    }

    void applyRaisedMembersOnly()
    {
        QFETCH(int, fill);
        PortSettings settings;
        QVERIFY(applied(&settings, fill) == applied(nullptr, fill));

        settings.setBaudRate(9600);
        settings.setBaudRate(0xFFFFFFFE); // the last value counts
        settings.setBinary(2);
        settings.setDtrControl(5);
        settings.setRtsControl(2);
        settings.setXoffLim(0x12345);
        settings.setByteSize(0x107);
        settings.setEvtChar(0x211);
        DCB expected = applied(nullptr, fill);
        expected.BaudRate = 0xFFFFFFFE;
        expected.fBinary = 0;
        expected.fDtrControl = 1;
        expected.fRtsControl = 2;
        expected.XoffLim = 0x2345;
        expected.ByteSize = 7;
        expected.EvtChar = 0x11;
        QVERIFY(applied(&settings, fill) == expected);
    }

    // The tester's record sets every member: nothing of the port's own state is left.
    void testerSettingsCoverEveryMember()
    {
        const std::unique_ptr<PortSettings> tester(PortSettings::forTester());
        const DCB overOnes = applied(tester.get(), 0xFF);
        QVERIFY(overOnes == applied(tester.get(), 0x00));
        QCOMPARE(overOnes.BaudRate, 9600u);
        QCOMPARE(int(overOnes.ByteSize), 8);
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
