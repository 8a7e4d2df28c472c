#include "gui/DesignChecksColumn.h"

#include "results/ResultsModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

DesignChecksColumn::DesignChecksColumn(QObject *parent) : QIdentityProxyModel(parent)
{
}

DesignChecksColumn::~DesignChecksColumn() = default;

void DesignChecksColumn::setChecks(std::shared_ptr<const DesignChecks> checks)
{
    beginResetModel();
    m_checks = std::move(checks);
    endResetModel();
}

int DesignChecksColumn::checksColumn() const
{
    return m_checks && sourceModel() ? sourceModel()->columnCount() : -1;
}

QString DesignChecksColumn::checkName(DesignChecks::Check check)
{
    switch (check) {
    case DesignChecks::Check::ModuleCount:
        return tr("Module count");
    case DesignChecks::Check::VocNeighbours:
        return tr("Voc against its neighbours");
    case DesignChecks::Check::IscStc:
        return tr("Isc at STC");
    case DesignChecks::Check::Insulation:
        return tr("Insulation");
    case DesignChecks::Check::Continuity:
        return tr("Continuity");
    }
    return QString();
}

QString DesignChecksColumn::verdictText(const DesignChecks &checks, int row)
{
    const DesignChecks::Row &r = checks.rows().at(row);
    if (r.array < 0)
        return tr("not checked");
    if (r.failed()) {
        QStringList names;
        for (int c = 0; c < DesignChecks::checkCount; ++c)
            if (r.outcomes[c].verdict == DesignChecks::Verdict::Fail)
                names.append(checkName(DesignChecks::Check(c)));
        return tr("FAIL: %1", "%1 names the checks failed").arg(names.join(QStringLiteral(", ")));
    }
    return tr("PASS");
}

QString DesignChecksColumn::reasonsText(const DesignChecks &checks, int row)
{
    const DesignChecks::Row &r = checks.rows().at(row);
    if (r.array < 0)
        return checks.notCheckedReason(row);
    QStringList lines;
    for (int c = 0; c < DesignChecks::checkCount; ++c) {
        const auto check = DesignChecks::Check(c);
        const DesignChecks::Verdict verdict = r.outcomes[c].verdict;
        const QString word = verdict == DesignChecks::Verdict::Fail   ? tr("FAIL")
                             : verdict == DesignChecks::Verdict::Pass ? tr("PASS")
                                                                      : tr("not checked");
        lines.append(tr("%1: %2 (%3)", "%1 the check's name, %2 its verdict, %3 the reason")
                         .arg(checkName(check), word, checks.reason(row, check)));
    }
    return lines.join(QLatin1Char('\n'));
}

bool DesignChecksColumn::isChecksIndex(const QModelIndex &index) const
{
    return index.isValid() && m_checks && index.column() == checksColumn();
}

// The rows are a flat table: no cell has rows of its own.
int DesignChecksColumn::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : QIdentityProxyModel::rowCount(parent);
}

bool DesignChecksColumn::hasChildren(const QModelIndex &parent) const
{
    return !parent.isValid() && rowCount() > 0;
}

int DesignChecksColumn::columnCount(const QModelIndex &parent) const
{
    if (!sourceModel() || parent.isValid())
        return 0;
    return sourceModel()->columnCount() + (m_checks ? 1 : 0);
}

QModelIndex DesignChecksColumn::index(int row, int column, const QModelIndex &parent) const
{
    if (m_checks && !parent.isValid() && column == checksColumn() && row >= 0 && row < rowCount())
        return createIndex(row, column);
    return QIdentityProxyModel::index(row, column, parent);
}

QModelIndex DesignChecksColumn::sibling(int row, int column, const QModelIndex &index) const
{
    return this->index(row, column, index.parent());
}

QModelIndex DesignChecksColumn::mapToSource(const QModelIndex &proxyIndex) const
{
    if (isChecksIndex(proxyIndex))
        return QModelIndex();
    return QIdentityProxyModel::mapToSource(proxyIndex);
}

Qt::ItemFlags DesignChecksColumn::flags(const QModelIndex &index) const
{
    if (isChecksIndex(index))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return QIdentityProxyModel::flags(index);
}

QVariant DesignChecksColumn::data(const QModelIndex &index, int role) const
{
    if (!isChecksIndex(index))
        return QIdentityProxyModel::data(index, role);
    const int row = index.row();
    if (row >= m_checks->rows().size())
        return QVariant();
    const bool failed = m_checks->rows().at(row).failed();
    switch (role) {
    case Qt::DisplayRole:
        return verdictText(*m_checks, row);
    case Qt::ToolTipRole:
        return reasonsText(*m_checks, row);
    case ResultsModel::SortRole:
        // Ascending: PASS, not checked, FAIL.
        return failed ? 2 : m_checks->rows().at(row).array < 0 ? 1 : 0;
    case Qt::ForegroundRole:
        return failed ? QVariant(QBrush(QColor(160, 0, 0))) : QVariant();
    case Qt::BackgroundRole:
        return failed ? QVariant(QBrush(QColor(255, 228, 196))) : QVariant();
    case Qt::FontRole:
        if (failed) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant DesignChecksColumn::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && m_checks && section == checksColumn()) {
        if (role == Qt::DisplayRole)
            return tr("Design checks");
        if (role == Qt::ToolTipRole)
            return tr("The design checks' verdict; the reasons in each cell's tooltip.");
        return QVariant();
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}
