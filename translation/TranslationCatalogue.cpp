#include "translation/TranslationCatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>
#include <QVariant>
#include <QtEndian>

#include <algorithm>

namespace {

const QByteArray Magic =
    QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd"); // every .qm file starts so
// Far above any real catalogue (Qt's largest is a few hundred KiB).
const qint64 MaxCatalogueSize = 32 * 1024 * 1024;
// A catalogue naming catalogues that name catalogues...: Qt's own go one level deep.
const int MaxDependencyDepth = 4;
// The dynamic property of a loaded translator that keeps its catalogue's bytes alive.
const char BytesProperty[] = "mlCatalogueBytes";

// The blocks of a catalogue, each a tag byte and a 32-bit big-endian length.
// clang-format off
enum BlockTag : uchar {
    ContextsBlock = 0x2f, HashesBlock = 0x42, MessagesBlock = 0x69,
    NumerusRulesBlock = 0x88, DependenciesBlock = 0x96, LanguageBlock = 0xa7
};
// clang-format on

// The fields of one message record; all but End and Obsolete1 carry a 32-bit length.
enum RecordTag : uchar {
    EndTag = 1,
    TranslationTag = 3,
    Obsolete1Tag = 5, // four bytes, skipped
    SourceTextTag = 6,
    ContextTag = 7,
    CommentTag = 8
};
// lrelease writes a translation that was never given as this length and no text.
const quint32 NullTranslation = 0xffffffff;

// Plural rules: operators with one or (between) two operands, joined by And, Or, NewRule.
// clang-format off
enum NumerusOp : uchar {
    OperatorMask = 0x07, BadOperator = 0x80,
    Equal = 1, Less = 2, LessOrEqual = 3, Between = 4,
    And = 0xfd, Or = 0xfe, NewRule = 0xff
};
// clang-format on

struct Record
{
    int offset = 0;
    bool hasSourceText = false;
    bool hasContext = false;
    TranslationCatalogue::Message key;
};

quint16 read16(const QByteArray &bytes, int at)
{
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

quint32 read32(const QByteArray &bytes, int at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// The text that a C string with these bytes would hold (the lookups compare C strings).
QByteArray cString(const QByteArray &field)
{
    const int nul = field.indexOf('\0');
    return nul < 0 ? field : field.left(nul);
}

// The ELF hash the catalogue's tables are keyed with, over text up to its first NUL.
quint32 elfHash(const QByteArray &text, quint32 hash = 0)
{
    for (const char c : cString(text)) {
        hash = (hash << 4) + uchar(c);
        const quint32 high = hash & 0xf0000000;
        if (high != 0)
            hash ^= high >> 24;
        hash &= ~high;
    }
    return hash;
}

// Splits the bytes after the magic number into blocks. Every block must be known, appear
// once and fit; together they fill the file exactly (the loader would silently stop at a
// zero tag or length, or skip a short tail).
bool splitBlocks(const QByteArray &data, QMap<uchar, QByteArray> &blocks)
{
    if (!data.startsWith(Magic))
        return false;
    int at = Magic.size();
    while (at < data.size()) {
        if (data.size() - at < 5)
            return false;
        const uchar tag = uchar(data.at(at));
        const quint32 length = read32(data, at + 1);
        at += 5;
        const bool known = tag == ContextsBlock || tag == HashesBlock || tag == MessagesBlock ||
                           tag == NumerusRulesBlock || tag == DependenciesBlock ||
                           tag == LanguageBlock;
        if (!known || blocks.contains(tag) || length == 0 || length > quint32(data.size() - at))
            return false;
        blocks.insert(tag, data.mid(at, int(length)));
        at += int(length);
    }
    return true;
}

// Walks the message block record by record: every field and its length lie inside the block,
// translations are whole UTF-16 texts, and every record ends with an end tag.
bool readRecords(const QByteArray &block, QVector<Record> &records)
{
    int at = 0;
    while (at < block.size()) {
        Record record;
        record.offset = at;
        for (;;) {
            if (at >= block.size())
                return false;
            const uchar tag = uchar(block.at(at++));
            if (tag == EndTag)
                break;
            if (block.size() - at < 4)
                return false;
            const quint32 length = read32(block, at);
            at += 4;
            if (tag == Obsolete1Tag || (tag == TranslationTag && length == NullTranslation))
                continue;
            if (length > quint32(block.size() - at))
                return false;
            const QByteArray field = block.mid(at, int(length));
            at += int(length);
            if (tag == TranslationTag) {
                if (length % 2 != 0)
                    return false;
            } else if (tag == SourceTextTag) {
                record.key.sourceText = field;
                record.hasSourceText = true;
            } else if (tag == ContextTag) {
                record.key.context = field;
                record.hasContext = true;
            } else if (tag == CommentTag) {
                record.key.comment = field;
            } else {
                return false;
            }
        }
        records.append(record);
    }
    return true;
}

// The hash table: pairs of hash and record offset, sorted by hash (the lookup is a binary
// search), each offset the start of a record whose source text and comment give that hash.
bool hashesMatch(const QByteArray &hashes, const QVector<Record> &records)
{
    if (hashes.size() % 8 != 0)
        return false;
    quint32 previous = 0;
    for (int at = 0; at < hashes.size(); at += 8) {
        const quint32 hash = read32(hashes, at);
        const quint32 offset = read32(hashes, at + 4);
        const auto record = std::lower_bound(
            records.cbegin(), records.cend(), offset,
            [](const Record &r, quint32 wanted) { return quint32(r.offset) < wanted; });
        if (hash < previous || record == records.cend() || quint32(record->offset) != offset)
            return false;
        if (record->hasSourceText) {
            const quint32 expected = elfHash(record->key.comment, elfHash(record->key.sourceText));
            if (hash != (expected == 0 ? 1 : expected))
                return false;
        }
        previous = hash;
    }
    return true;
}

// Finds a context name in the context table the way the lookup does.
bool contextListed(const QByteArray &table, const QByteArray &context)
{
    const quint16 tableSize = read16(table, 0);
    const QByteArray name = cString(context);
    const quint32 hash = elfHash(name);
    const int offset = read16(table, 2 + 2 * int((hash == 0 ? 1 : hash) % tableSize));
    if (offset == 0)
        return false;
    int at = 2 + 2 * tableSize + 2 * offset;
    for (;;) {
        const int length = uchar(table.at(at++));
        if (length == 0)
            return false;
        QByteArray entry = table.mid(at, length);
        if (entry.endsWith('\0'))
            entry.chop(1);
        if (entry == name)
            return true;
        at += length;
    }
}

// The context table: a table size, that many 16-bit offsets (in units of two bytes after the
// table) and a pool of chains of length-prefixed names, each ended by a zero length. Every
// chain must end inside the block, and every record's context must be found.
bool contextsWellFormed(const QByteArray &table, const QVector<Record> &records)
{
    if (table.isEmpty())
        return true; // no table: the lookup does not consult one
    if (table.size() < 2)
        return false;
    const int tableSize = read16(table, 0);
    const int pool = 2 + 2 * tableSize;
    if (tableSize == 0 || pool > table.size())
        return false;
    for (int slot = 0; slot < tableSize; ++slot) {
        const int offset = read16(table, 2 + 2 * slot);
        if (offset == 0)
            continue;
        int at = pool + 2 * offset;
        for (;;) {
            if (at >= table.size())
                return false;
            const int length = uchar(table.at(at++));
            if (length == 0)
                break;
            if (length > table.size() - at)
                return false;
            at += length;
        }
    }
    return std::all_of(records.cbegin(), records.cend(), [&table](const Record &record) {
        return !record.hasContext || contextListed(table, record.key.context);
    });
}

// Operators with their operands, separated by And, Or or NewRule, nothing missing at the end.
bool numerusRulesValid(const QByteArray &rules)
{
    const int size = rules.size();
    int at = 0;
    while (at < size) {
        const uchar opcode = uchar(rules.at(at));
        const int op = opcode & OperatorMask;
        if ((opcode & BadOperator) != 0 || op < Equal || op > Between)
            return false;
        const int operands = op == Between ? 2 : 1;
        if (size - at - 1 < operands)
            return false;
        at += 1 + operands;
        if (at == size)
            return true;
        const uchar joint = uchar(rules.at(at++));
        if ((joint != And && joint != Or && joint != NewRule) || at == size)
            return false;
    }
    return true;
}

// The names of the catalogues this one pulls in: UTF-16 strings with a 32-bit byte length,
// each a plain catalogue name (no folder) that the loader looks up beside this one.
bool readDependencies(const QByteArray &block, QStringList &names)
{
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_]+$"));
    int at = 0;
    while (at < block.size()) {
        if (block.size() - at < 4)
            return false;
        const quint32 length = read32(block, at);
        at += 4;
        if (length == 0 || length % 2 != 0 || length > quint32(block.size() - at))
            return false;
        QString name(int(length / 2), Qt::Uninitialized);
        qFromBigEndian<ushort>(block.constData() + at, name.size(), name.data());
        at += int(length);
        if (!plainName.match(name).hasMatch())
            return false;
        names.append(name);
    }
    return true;
}

bool check(const QByteArray &data, QVector<Record> &records, QStringList &dependencies)
{
    QMap<uchar, QByteArray> blocks;
    return splitBlocks(data, blocks) && readRecords(blocks.value(MessagesBlock), records) &&
           hashesMatch(blocks.value(HashesBlock), records) &&
           contextsWellFormed(blocks.value(ContextsBlock), records) &&
           numerusRulesValid(blocks.value(NumerusRulesBlock)) &&
           readDependencies(blocks.value(DependenciesBlock), dependencies);
}

// The file QTranslator::load(fileName, directory) opens: fileName (relative to directory)
// with ".qm" appended, or as given, or cut back at its last '_' or '.' and tried again.
QString resolvedPath(const QString &fileName, const QString &directory)
{
    QString prefix;
    if (QFileInfo(fileName).isRelative() && !directory.isEmpty())
        prefix = directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
    QString name = fileName;
    for (;;) {
        for (const QString &candidate : {prefix + name + QStringLiteral(".qm"), prefix + name}) {
            const QFileInfo info(candidate);
            if (info.isReadable() && info.isFile())
                return candidate;
        }
        const int cut =
            std::max(name.lastIndexOf(QLatin1Char('_')), name.lastIndexOf(QLatin1Char('.')));
        if (cut <= 0)
            return QString();
        name.truncate(cut);
    }
}

// Reads and checks the catalogue at path and, recursively, those it depends on as the loader
// will find them in directory. chain holds the files being checked, to refuse a loop.
bool readChecked(const QString &path, const QString &directory, QStringList &chain,
                 QByteArray *bytes)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || chain.contains(canonical) || chain.size() > MaxDependencyDepth)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxCatalogueSize)
        return false;
    const QByteArray data = file.readAll();
    QStringList dependencies;
    if (data.size() > MaxCatalogueSize || !TranslationCatalogue::isWellFormed(data, &dependencies))
        return false;
    chain.append(canonical);
    for (const QString &dependency : qAsConst(dependencies)) {
        const QString dependencyPath = resolvedPath(dependency, directory);
        if (dependencyPath.isEmpty() || !readChecked(dependencyPath, directory, chain, nullptr))
            return false;
    }
    chain.removeLast();
    if (bytes)
        *bytes = data;
    return true;
}

} // namespace

bool TranslationCatalogue::isWellFormed(const QByteArray &data, QStringList *dependencies)
{
    QVector<Record> records;
    QStringList names;
    if (!check(data, records, names))
        return false;
    if (dependencies)
        *dependencies = names;
    return true;
}

QVector<TranslationCatalogue::Message> TranslationCatalogue::messages(const QByteArray &data)
{
    QVector<Record> records;
    QStringList dependencies;
    QVector<Message> keys;
    if (check(data, records, dependencies)) {
        for (const Record &record : qAsConst(records))
            keys.append(record.key);
    }
    return keys;
}

bool TranslationCatalogue::load(QTranslator *translator, const QString &fileName)
{
    // Empties the translator first, as loading a file does.
    translator->load(static_cast<const uchar *>(nullptr), 0);
    translator->setProperty(BytesProperty, QVariant());

    const QString path = resolvedPath(fileName, QString());
    if (path.isEmpty())
        return false;
    // The catalogues it depends on are looked up beside it.
    const QString directory = QFileInfo(path).absolutePath();
    QStringList chain;
    QByteArray data;
    if (!readChecked(path, directory, chain, &data))
        return false;
    if (!translator->load(reinterpret_cast<const uchar *>(data.constData()), data.size(),
                          directory))
        return false;
    // The translator reads these bytes for as long as it lives; the property shares them.
    translator->setProperty(BytesProperty, data);
    return true;
}
