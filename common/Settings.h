#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The user's settings store: one table of every key with its stored name, its type, its
// default and, for a whole number, its range and what a stored value outside it becomes.
// Every value is read and written through this accessor, which keeps the store's names and
// stored form.
namespace Settings {

enum class Key {
    LanguageFilePath,   // the chosen translation catalogue
    LanguageCode,       // its two-letter language code
    ConvertData,        // the answer to the European-format question; absent until asked
    PortName,           // the port last chosen in the window
    ReadTimeout,        // milliseconds of silence that end a read
    LastSavedFilePath,  // where the window saved last
    MainWindowGeometry, // the window's place and size
    MainWindowState,    // its tool bars and docks
};

enum class Type { Text, Flag, Bytes, WholeNumber };

// What a stored whole number outside the range becomes.
enum class OutOfRange {
    NotApplicable, // no range
    NearerLimit,   // the nearer end of the range (the stored text stays as it is)
    Default,       // the key's default
};

struct Definition
{
    Key key;
    QString name; // as stored
    Type type;
    QVariant fallback; // used when nothing usable is stored; null: none
    int minimum = 0;
    int maximum = 0;
    OutOfRange outOfRange = OutOfRange::NotApplicable;
};

const Definition &definition(Key key);

// The stored value, or the key's default when none is stored. A whole number comes as an int
// brought into its range; a stored text that is no whole number gives the default, which is
// then stored in its place.
QVariant value(Key key);
void setValue(Key key, const QVariant &value);
void remove(Key key);

// The whole number a stored text stands for, as value() reads it: brought into the key's
// range; nothing when the text is no whole number.
std::optional<int> storedNumber(Key key, const QString &text);
// A number the user typed: taken as typed when it lies within the key's range; nothing
// otherwise (never brought into the range).
std::optional<int> typedNumber(Key key, const QString &text);
// The same for a number that is no setting: as typed, within [low, high]; nothing otherwise.
std::optional<int> typedNumberIn(const QString &text, int low, int high);

} // namespace Settings
