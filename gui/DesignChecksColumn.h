#pragma once

#include "checks/DesignChecks.h"

#include <QIdentityProxyModel>

#include <memory>

// The rows of a results model with, once a design is set, one more column at the end: the
// design checks' verdict of each row ("FAIL" in red, "PASS", "not checked"), each check's
// verdict and reason in its tooltip, sorted FAIL first when sorted descending.
class DesignChecksColumn : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit DesignChecksColumn(QObject *parent = nullptr);
    ~DesignChecksColumn() override;

    // The checks of the source's rows, in the same order; nullptr removes the column.
    void setChecks(std::shared_ptr<const DesignChecks> checks);
    const DesignChecks *checks() const { return m_checks.get(); }
    // The column of the checks, -1 while there is none.
    int checksColumn() const;

    // The verdict of a row in a word, and what its tooltip says.
    static QString verdictText(const DesignChecks &checks, int row);
    static QString reasonsText(const DesignChecks &checks, int row);
    // The check's name in words: "Module count", "Voc against its neighbours", ...
    static QString checkName(DesignChecks::Check check);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex sibling(int row, int column, const QModelIndex &index) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool isChecksIndex(const QModelIndex &index) const;
    std::shared_ptr<const DesignChecks> m_checks;
};
