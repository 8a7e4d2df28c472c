#pragma once

#include "checks/SiteDesign.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// The example data the tests share: the tester emulator's built-in results and the design of
// its Marsh Lane site shipped beside it.
namespace ExampleData {

const QByteArray MarshLane = "Marsh Lane Solar Park";

// The built-in results, as the tester sends them.
QByteArray builtIn();
// The bytes of tools/tester-emulator/marsh-lane.design.json.
QByteArray designJson();
// The same design read (the test ends when it cannot be).
SiteDesign design();
// The strings of the site that are one module short, and the row (from 1 after the header) of
// each, found by the data set's own account of its strings and the data's columns.
QMap<QString, int> shortStrings(const QByteArray &data, const QByteArray &site = MarshLane);

} // namespace ExampleData
