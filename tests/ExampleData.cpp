#include "ExampleData.h"

#include "TesterDataSet.h"
#include "checks/DesignFile.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace ExampleData {

QByteArray builtIn()
{
    return QByteArray::fromStdString(TesterDataSet::builtIn());
}

QByteArray designJson()
{
    QFile file(QStringLiteral(ML_EXAMPLE_DESIGN));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the example design %s cannot be read", ML_EXAMPLE_DESIGN);
    return file.readAll();
}

SiteDesign design()
{
    QString error;
    const auto design = DesignFile::read(designJson(), &error);
    if (!design)
        qFatal("the example design is refused: %s", qPrintable(error));
    return *design;
}

QMap<QString, int> shortStrings(const QByteArray &data, const QByteArray &site)
{
    const std::vector<int> shortList = TesterDataSet::oneModuleShort();
    const QList<QByteArray> lines = data.trimmed().split('\n');
    const QList<QByteArray> header = lines.first().trimmed().split(',');
    const int record = header.indexOf("Record"), siteColumn = header.indexOf("Site"),
              string = header.indexOf("String");
    QMap<QString, int> strings;
    for (int row = 1; row < lines.size(); ++row) {
        const QList<QByteArray> fields = lines.at(row).trimmed().split(',');
        if (fields.value(siteColumn) == site &&
            std::find(shortList.cbegin(), shortList.cend(), fields.value(record).toInt()) !=
                shortList.cend())
            strings.insert(QString::fromUtf8(fields.value(string)), row);
    }
    return strings;
}

} // namespace ExampleData
