#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TeamAddress;

// Tools > Team archive...: the server, port, database, user, password (kept in the keyring,
// never in the settings file), the TLS mode with a CA file for verify-full, whether to send
// downloads, and a Test button that says what is wrong, tested in a thread of its own.
class TeamArchiveDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TeamArchiveDialog(QWidget *parent = nullptr);
    // Keeps what the dialog shows: the settings, and the password in the keyring.
    void accept() override;

    // The result of the last test, for the tests.
    QString testResult() const;

signals:
    void tested();

private:
    TeamAddress address() const;
    void test();

    QLineEdit *host, *database, *user, *password, *caFile;
    QSpinBox *port;
    QComboBox *sslMode;
    QCheckBox *send;
    QPushButton *testButton;
    QLabel *result;
};
