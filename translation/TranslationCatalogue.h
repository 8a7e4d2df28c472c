#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class QTranslator;

// A compiled Qt translation catalogue (.qm file), checked before QTranslator gets it.
// QTranslator trusts the offsets and lengths inside a catalogue when it translates, so a
// damaged file that still loads can make it read far outside the file. A well-formed
// catalogue is one where every read the loader and the lookups make stays inside its bytes.
class TranslationCatalogue
{
public:
    // The key of one message: the fields QTranslator::translate() is asked with.
    struct Message
    {
        QByteArray context;
        QByteArray sourceText;
        QByteArray comment;
    };

    // Whether data holds a well-formed catalogue: the magic number, then known blocks that
    // fill the file exactly; message records that lie inside their block and end properly;
    // hash entries sorted, each naming the start of a record with that hash; a context table
    // whose chains stay inside it and list every record's context; valid plural rules; and
    // the names of the catalogues it depends on. Those names go to dependencies.
    static bool isWellFormed(const QByteArray &data, QStringList *dependencies = nullptr);

    // The keys of all messages of a well-formed catalogue, in file order; empty otherwise.
    static QVector<Message> messages(const QByteArray &data);

    // Loads fileName into translator as QTranslator::load(fileName) would find it, but only
    // when that file and every catalogue it depends on (which QTranslator loads itself from
    // the same folder) are well-formed. The translator is loaded from the checked bytes and
    // keeps them, so the file cannot change between the check and the use. Returns false, with
    // the translator emptied, when anything is missing or damaged.
    static bool load(QTranslator *translator, const QString &fileName);
};
