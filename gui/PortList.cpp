#include "gui/PortList.h"

#include "serial/ComPortDiscovery.h"

#include <QComboBox>
#include <QStandardItemModel>

void PortList::acceptTypedPaths(QComboBox *box)
{
    if (!comPortsAcceptTypedPaths())
        return;
    box->setEditable(true);
    // A typed path that the box takes into its list carries itself as the path to open.
    auto *model = static_cast<QStandardItemModel *>(box->model());
    QObject::connect(model, &QStandardItemModel::rowsInserted, box,
                     [model](const QModelIndex &, int first, int last) {
                         for (int row = first; row <= last; ++row) {
                             QStandardItem *item = model->item(row);
                             if (item && item->data(Qt::UserRole).isNull())
                                 item->setData(item->text(), Qt::UserRole);
                         }
                     });
}

void PortList::fill(QComboBox *box, const QList<ComPortInfo> &ports, const QString &stored)
{
    box->clear();
    int current = -1;
    for (const ComPortInfo &port : ports) {
        box->addItem(port.portName, port.devicePath);
        if (port.portName == stored)
            current = box->count() - 1;
    }
    if (current < 0 && box->isEditable() && !stored.isEmpty()) {
        // A device path typed at an earlier run: pick its listed port, or list the path
        // itself while the device exists.
        const int listed = box->findData(stored);
        if (listed >= 0) {
            current = listed;
        } else if (ComPortRules::isExistingDevicePath(stored)) {
            box->addItem(stored, stored);
            current = box->count() - 1;
        }
    }
    if (current >= 0)
        box->setCurrentIndex(current);
}

QString PortList::selectedPath(const QComboBox *box)
{
    const QString text = box->currentText();
    const int current = box->currentIndex();
    if (current >= 0 && box->itemText(current) == text)
        return box->itemData(current).toString();
    // Text typed but not yet taken into the list.
    const int listed = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (listed >= 0)
        return box->itemData(listed).toString();
    return text.trimmed();
}
