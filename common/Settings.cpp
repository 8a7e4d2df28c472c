#include "common/Settings.h"

#include <QRegularExpression>
#include <QSettings>

#include <array>

namespace Settings {

const Definition &definition(Key key)
{
    // In the order of Key. The read time-out's range: USB-serial adapters deliver in bursts up to
    // 16 ms apart, and a download should not wait for hours to end.
    // Built on first use, so that it is there for other files' static data too.
    static const std::array<Definition, 8> table = {{
        {Key::LanguageFilePath, QStringLiteral("MlGui/DialogLanguage/FilePath"), Type::Text, {}},
        {Key::LanguageCode, QStringLiteral("MlGui/DialogLanguage/Iso639Code"), Type::Text, {}},
        {Key::ConvertData, QStringLiteral("ConvertData"), Type::Flag, {}},
        {Key::PortName, QStringLiteral("Device/PortName"), Type::Text, {}},
        {Key::ReadTimeout, QStringLiteral("Device/ReadTimeout"), Type::WholeNumber, 110, 50, 60000,
         OutOfRange::NearerLimit},
        {Key::LastSavedFilePath, QStringLiteral("Device/LastSavedFilePath"), Type::Text, {}},
        {Key::MainWindowGeometry, QStringLiteral("MainWindow/Geometry"), Type::Bytes, {}},
        {Key::MainWindowState, QStringLiteral("MainWindow/State"), Type::Bytes, {}},
    }};
    const Definition &entry = table.at(size_t(key));
    Q_ASSERT(entry.key == key);
    return entry;
}

QVariant value(Key key)
{
    const Definition &entry = definition(key);
    QSettings settings;
    const QVariant stored = settings.value(entry.name);
    if (entry.type != Type::WholeNumber)
        return stored.isNull() ? entry.fallback : stored;
    if (const std::optional<int> number = storedNumber(key, stored.toString()))
        return *number;
    settings.setValue(entry.name, entry.fallback);
    return entry.fallback;
}

void setValue(Key key, const QVariant &value)
{
    QSettings().setValue(definition(key).name, value);
}

void remove(Key key)
{
    QSettings().remove(definition(key).name);
}

std::optional<int> storedNumber(Key key, const QString &text)
{
    const Definition &entry = definition(key);
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*([+-]?)0*(\\d+)\\s*$"));
    const QRegularExpressionMatch match = wholeNumber.match(text);
    if (entry.type != Type::WholeNumber || !match.hasMatch())
        return std::nullopt;
    const auto outside = [&entry](int limit) {
        return entry.outOfRange == OutOfRange::Default ? entry.fallback.toInt() : limit;
    };
    if (match.captured(1) == QLatin1String("-"))
        return outside(entry.minimum);
    // Read without wrapping: more digits than the range holds is simply too large.
    const QString digits = match.captured(2);
    if (digits.size() > 9)
        return outside(entry.maximum);
    const int number = digits.toInt();
    if (number < entry.minimum)
        return outside(entry.minimum);
    return number > entry.maximum ? outside(entry.maximum) : number;
}

std::optional<int> typedNumber(Key key, const QString &text)
{
    const Definition &entry = definition(key);
    if (entry.type != Type::WholeNumber)
        return std::nullopt;
    return typedNumberIn(text, entry.minimum, entry.maximum);
}

std::optional<int> typedNumberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return int(value);
}

} // namespace Settings
