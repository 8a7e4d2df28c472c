#include "gui/TeamArchiveDialog.h"

#include "teamarchive/TeamConnection.h"
#include "teamarchive/TeamPassword.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QThread>

TeamArchiveDialog::TeamArchiveDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Team archive"));
    const QSettings settings;
    const TeamAddress kept = TeamAddress::fromSettings(settings);
    host = new QLineEdit(kept.host, this);
    port = new QSpinBox(this);
    port->setRange(1, 65535);
    port->setValue(kept.port > 0 ? kept.port : 5432);
    database = new QLineEdit(kept.database, this);
    user = new QLineEdit(kept.user, this);
    password = new QLineEdit(this);
    password->setEchoMode(QLineEdit::Password);
    password->setPlaceholderText(tr("kept in the system's keyring"));
    sslMode = new QComboBox(this);
    for (const char *mode : {"require", "verify-full", "verify-ca", "prefer", "disable"})
        sslMode->addItem(QLatin1String(mode));
    sslMode->setCurrentText(kept.sslMode.isEmpty() ? QLatin1String(TeamAddress::defaultSslMode)
                                                   : kept.sslMode);
    caFile = new QLineEdit(kept.caFile, this);
    auto *browse = new QPushButton(tr("Choose..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getOpenFileName(this, tr("CA certificate"), caFile->text());
        if (!file.isEmpty())
            caFile->setText(file);
    });
    auto *caRow = new QHBoxLayout;
    caRow->addWidget(caFile, 1);
    caRow->addWidget(browse);
    send = new QCheckBox(tr("Send downloads to the team archive"), this);
    send->setChecked(TeamAddress::sendingEnabled(settings));
    testButton = new QPushButton(tr("Test"), this);
    result = new QLabel(this);
    result->setObjectName(QStringLiteral("testResult"));
    result->setWordWrap(true);
    result->setTextFormat(Qt::PlainText);
    connect(testButton, &QPushButton::clicked, this, &TeamArchiveDialog::test);

    auto *form = new QFormLayout;
    form->addRow(tr("Server:"), host);
    form->addRow(tr("Port:"), port);
    form->addRow(tr("Database:"), database);
    form->addRow(tr("User:"), user);
    form->addRow(tr("Password:"), password);
    form->addRow(tr("TLS:"), sslMode);
    form->addRow(tr("CA certificate (verify-full):"), caRow);
    form->addRow(send);
    form->addRow(testButton, result);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TeamArchiveDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TeamArchiveDialog::reject);
    form->addRow(buttons);
    setLayout(form);
}

TeamAddress TeamArchiveDialog::address() const
{
    TeamAddress address;
    address.host = host->text().trimmed();
    address.port = port->value();
    address.database = database->text().trimmed();
    address.user = user->text().trimmed();
    address.password = password->text();
    address.sslMode = sslMode->currentText();
    address.caFile = caFile->text().trimmed();
    address.connectTimeoutSeconds = 5;
    return address;
}

QString TeamArchiveDialog::testResult() const
{
    return result->text();
}

void TeamArchiveDialog::test()
{
    testButton->setEnabled(false);
    result->setText(tr("Testing..."));
    const TeamAddress tried = address();
    QPointer<TeamArchiveDialog> self(this);
    // The connection is made and dropped in the thread; the answer comes back queued.
    QThread *thread = QThread::create([tried, self] {
        TeamConnection connection(TeamPassword::withPassword(tried));
        const QString text =
            connection.open()
                ? tr("The team archive answers; %1 may use it.").arg(connection.userName())
                : connection.problemText();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, text] {
            if (!self)
                return;
            self->result->setText(text);
            self->testButton->setEnabled(true);
            emit self->tested();
        });
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void TeamArchiveDialog::accept()
{
    QSettings settings;
    const TeamAddress kept = address();
    kept.save(settings);
    TeamAddress::setSendingEnabled(settings, send->isChecked());
    if (!password->text().isEmpty()) {
        QString error;
        if (!TeamPassword::store(kept, password->text(), &error))
            QMessageBox::warning(this, tr("Team archive"),
                                 tr("The password could not be kept in the system's keyring "
                                    "(%1). Give it in ~/.pgpass instead.")
                                     .arg(error));
    }
    QDialog::accept();
}
