#include "app/Command.h"

#include <QCommandLineParser>

bool Command::isAsked(const QCommandLineParser &parser) const
{
    return parser.isSet(asking);
}

QString Command::refusal(const QString &name, bool) const
{
    return tr("The option '%1' does not go with --%2.", "%1 and %2 are options' names")
        .arg(name, asking);
}
