// Translation catalogues on their way into QTranslator: the ones we ship load and translate
// exactly as Qt's own loader has them; damaged ones are refused, and none, whatever the
// damage, crashes a program that loads and uses it (they run in a child process: this test
// started again with "--probe").
#include "TestSupport.h"
#include "common/InstallPaths.h"
#include "translation/TranslationCatalogue.h"

#include <QtTest>

#include <cstdio>

using namespace TestSupport;

namespace {

using Keys = QVector<TranslationCatalogue::Message>;

// Where the blocks of an intact catalogue start, at their tag byte.
QVector<int> blockStarts(const QByteArray &qm)
{
    QVector<int> found;
    for (int at = 16; at + 5 <= qm.size(); at += 5 + qFromBigEndian<qint32>(qm.data() + at + 1))
        found << at;
    return found;
}

// The message keys of a catalogue and of the catalogues it names, which lie beside it.
Keys keys(const QString &path)
{
    const QByteArray qm = contents(path);
    QStringList dependencies;
    TranslationCatalogue::isWellFormed(qm, &dependencies);
    Keys all = TranslationCatalogue::messages(qm);
    for (const QString &name : qAsConst(dependencies))
        all += keys(QFileInfo(path).dir().filePath(name + ".qm"));
    return all;
}

// A catalogue of blocks written "tag: bytes" in hex, parted by ';' (R: a record of translation
// "ab" in UTF-16, source text "ab", context "C", end). Each gets its tag byte and 32-bit
// big-endian length, which "tag+n" makes n more; bytes without a tag are added as they are.
QByteArray catalogue(const QString &blocks)
{
    QByteArray qm = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    for (QString block : blocks.split(';')) {
        const QStringList tagged =
            block.replace("R", "03 00000004 00610062 06 00000002 6162 07 00000001 43 01")
                .split(':');
        const QByteArray bytes = QByteArray::fromHex(tagged.last().toLatin1());
        const QStringList tag = tagged.first().trimmed().split(QLatin1Char('+'));
        char length[4];
        qToBigEndian(quint32(bytes.size() + tag.value(1).toInt()), length);
        qm += tagged.size() == 1
                  ? bytes
                  : char(tag.first().toInt(nullptr, 16)) + QByteArray(length, 4) + bytes;
    }
    return qm;
}

// The child, for each pair of a damaged copy and its intact catalogue: a translator that holds a
// catalogue loads the copy the way the program does ("refused" when the load fails and leaves the
// translator empty), then is asked for every text of the intact catalogue and for random ones,
// in several plural forms. A line a copy, written as soon as it is known.
int probe(const QStringList &pairs)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    for (int p = 0; p + 1 < pairs.size(); p += 2) {
        QTranslator translator;
        if (!translator.load(InstallPaths::translationsDirectory() + "/DravlinDataLogger_fr.qm"))
            return 2;
        const bool accepted = TranslationCatalogue::load(&translator, pairs.at(p));
        const bool refused = !accepted && translator.isEmpty();
        QCoreApplication::installTranslator(&translator);
        Keys asked = keys(pairs.at(p + 1));
        QRandomGenerator random(11);
        for (int i = 0; i < 200; ++i) { // some in a context the catalogue has
            const QByteArray text = QByteArray::number(random.generate64(), 36);
            asked.append(
                {i % 2 || asked.isEmpty() ? text : asked.first().context, text, text.left(i % 3)});
        }
        for (const auto &key : qAsConst(asked))
            for (int n : {-1, 0, 1, 2, 5, 21, 1001})
                QCoreApplication::translate(key.context, key.sourceText, key.comment, n);
        QCoreApplication::removeTranslator(&translator);
        std::printf(refused ? "refused\n" : "accepted\n");
    }
    return 0;
}

// The probe's verdicts on damaged copies (pairs of a copy and its intact catalogue), run in a
// child (a damaged catalogue the check let through could crash the load, and with it every later
// row): one a copy, and why there was none for the next when the child crashed or hung.
QStringList probed(const QStringList &pairs)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--probe"} + pairs);
    const bool ended = child.waitForFinished(120000);
    QStringList verdicts =
        QString::fromLatin1(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (!ended)
        verdicts += "the probe did not end within 120 s";
    else if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        verdicts += "the probe crashed: " + child.readAllStandardError();
    return verdicts;
}

} // namespace

class TestTranslationCatalogue : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;

private slots:
    void initTestCase()
    {
        // The shipped German catalogues beside the damaged copies, as Qt's meta catalogue
        // looks them up in its own folder.
        const QDir dir(InstallPaths::translationsDirectory(), "*_de.qm");
        for (const QString &name : dir.entryList())
            QVERIFY(QFile::copy(dir.filePath(name), temp.filePath(name)));
        QVERIFY(QFile::copy(ML_TEST_TRANSLATIONS_DIR "/compressed_de.qm",
                            temp.filePath("compressed_de.qm")));
    }

    void shippedCataloguesTranslateAsQtHasThem()
    {
        const QDir shipped(InstallPaths::translationsDirectory(), "*.qm");
        QStringList files = shipped.entryList();
        QVERIFY(files.size() >= 12);
        files.replaceInStrings(QRegularExpression("^"), shipped.path() + "/");
        for (const QString &file : files << temp.filePath("compressed_de.qm")) {
            QTranslator checked, plain;
            QVERIFY2(TranslationCatalogue::load(&checked, file), qPrintable(file));
            QVERIFY(plain.load(file));
            const Keys all = keys(file);
            QVERIFY(!all.isEmpty() || file.contains("_en."));
            for (const auto &key : all)
                QCOMPARE(checked.translate(key.context, key.sourceText, key.comment),
                         plain.translate(key.context, key.sourceText, key.comment));
        }
    }

    void structureChecked_data()
    {
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char *name, const QString &blocks, bool accepted) {
            QTest::newRow(name) << blocks << accepted;
        };
        row("intact", "69: R", true);
        row("odd-length translation", "69: 03 00000003 006100 06 00000002 6162 01", false);
        row("record's length field cut to 3 bytes", "69: R 06 000000", false);
        // Read as a length, these bytes and the one after the block would step back before it.
        row("record's length field cut to 3 bytes of ff", "69: R 06 ffffff", false);
        row("record without its end", "69: R 06 00000002 6162", false);
        row("block header cut to 4 bytes", "69: R; 88000000", false);
        row("last block one byte longer than what remains", "88: 0101; 69+1: R", false);
        row("plural rules", "69: R; 88: 0101 fd 0405 08", true);
        row("plural rules ending in a joint", "69: R; 88: 0101 fd", false);
        row("plural rule missing an operand", "69: R; 88: 0101 fe 04 05", false);
        row("dependency's length cut to 3 bytes", "69: R; 96: 000002", false);
        row("dependency of odd length", "69: R; 96: 00000003 007100", false);
        row("block twice", "69: R; 69: R", false);
        row("unknown block", "69: R; 55: 00", false);
        // A shipped catalogue damaged in one block ("file tag@at: bytes", at from the start of
        // the block's data); its meta catalogue is loaded.
        const QString de = "DravlinDataLogger_de.qm ", meta = "qt_de.qm ";
        row("message block past the end", de + "69@-4: 00100000", false);
        row("hash offset past the messages", de + "42@4: 00010000", false);
        row("hash offset inside a record", de + "42@4: 00000001", false);
        row("hash of no message", de + "42@0: 00000000", false);
        row("translation past its block", de + "69@1: 00010000", false);
        row("translation length negative", de + "69@1: fffffffa", false);
        row("plural rule with a bad operator", de + "88@0: 85", false);
        row("empty context table", "compressed_de.qm 2f@0: 0000", false);
        row("dependency in another folder", meta + "96@4: 002f", false);
        row("dependency found as the catalogue itself",
            meta + "96@4: 00710074005f00640065005f006100610061", false);
        row("dependency damaged", "qtbase_de.qm 69@-4: 00100000", false);
    }

    // Each rule of the structure, on a catalogue made for it (under ASan a read past a block
    // shows) or on a damaged copy of a shipped one, loaded in a child beside the others.
    void structureChecked()
    {
        QFETCH(QString, blocks);
        QFETCH(bool, accepted);
        if (!blocks.contains(".qm ")) {
            QCOMPARE(TranslationCatalogue::isWellFormed(catalogue(blocks)), accepted);
            return;
        }
        const QRegularExpressionMatch damage =
            QRegularExpression("^(\\S+) (\\w+)@(-?\\d+): (\\w+)$").match(blocks);
        QVERIFY2(damage.hasMatch(), qPrintable(blocks));
        const QString damaged = damage.captured(1);
        QTemporaryDir folder;
        for (const QString &name : QDir(temp.path(), "*.qm").entryList())
            QFile::copy(temp.filePath(name), folder.filePath(name));
        QByteArray qm = contents(folder.filePath(damaged));
        const QByteArray patch = QByteArray::fromHex(damage.captured(4).toLatin1());
        for (int start : blockStarts(qm))
            if (uchar(qm.at(start)) == damage.captured(2).toInt(nullptr, 16))
                put(folder.filePath(damaged),
                    qm.replace(start + 5 + damage.captured(3).toInt(), patch.size(), patch));
        const QString loaded = damaged.startsWith("qtbase") ? "qt_de.qm" : damaged;
        QCOMPARE(probed({folder.filePath(loaded), temp.filePath(loaded)}),
                 QStringList(accepted ? "accepted" : "refused"));
    }

    void damagedCopiesNeverCrash()
    {
        const QStringList sources = {"DravlinDataLogger_de.qm", "compressed_de.qm", "qt_de.qm",
                                     "qtbase_de.qm"};
        QRandomGenerator random(20261206);
        int accepted = 0;
        const int copies = 500;
        QStringList pairs; // probed a hundred at a time, in one child
        for (int i = 0; i < copies; ++i) {
            const QString source = temp.filePath(sources.at(i % sources.size()));
            QByteArray qm = contents(source);
            const int kind = (i / sources.size()) % 4;
            if (kind == 0) { // bit flips
                for (int flips = 1 + random.bounded(20); flips > 0; --flips)
                    qm.data()[random.bounded(qm.size())] ^= char(1 << random.bounded(8));
            } else if (kind == 1) {
                qm.truncate(random.bounded(qm.size()));
            } else if (kind == 2) { // a 32-bit field overwritten
                qToBigEndian(quint32(random.generate() >> random.bounded(32)),
                             qm.data() + random.bounded(qm.size() - 3));
            } else { // the tags of two blocks swapped
                const QVector<int> found = blockStarts(qm);
                const int a = found.at(random.bounded(found.size()));
                const int b = found.at(random.bounded(found.size()));
                std::swap(qm.data()[a], qm.data()[b]);
            }
            pairs << temp.filePath(QStringLiteral("damaged%1.qm").arg(i)) << source;
            QVERIFY(put(pairs.at(pairs.size() - 2), qm));
            if (pairs.size() < 200 && i + 1 < copies)
                continue;
            const QStringList verdicts = probed(pairs);
            for (int c = 0; c < verdicts.size(); ++c) {
                QVERIFY2(verdicts[c] == "accepted" || verdicts[c] == "refused",
                         qPrintable(QStringLiteral("%1 of %2: %3")
                                        .arg(pairs[2 * c], pairs[2 * c + 1], verdicts[c])));
                accepted += verdicts[c] == "accepted";
                QFile::remove(pairs[2 * c]);
            }
            QCOMPARE(verdicts.size(), pairs.size() / 2);
            pairs.clear();
        }
        qInfo("%d damaged copies: %d refused, %d accepted and used safely", copies,
              copies - accepted, accepted);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--probe") == 0)
        return probe(app.arguments().mid(2));
    TestTranslationCatalogue test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translationcatalogue.moc"
