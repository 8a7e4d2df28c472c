#include "teamarchive/TeamPassword.h"

#ifdef ML_HAVE_KEYCHAIN
#include <qt5keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>
#endif

namespace {

#ifdef ML_HAVE_KEYCHAIN
const QString Service = QStringLiteral("Marlune DataLogger team archive");

// Runs the job to its end or for keyringWaitMs; whether it ended without an error.
bool finish(QKeychain::Job &job, QString *error)
{
    QEventLoop loop;
    bool ended = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(TeamPassword::keyringWaitMs, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    if (!ended)
        loop.exec();
    if (!ended) {
        *error = TeamPassword::tr("the keyring did not answer within %n second(s)", nullptr,
                                  TeamPassword::keyringWaitMs / 1000);
        return false;
    }
    if (job.error() != QKeychain::NoError) {
        *error = job.errorString();
        return false;
    }
    return true;
}
#endif

} // namespace

bool TeamPassword::keyringBuiltIn()
{
#ifdef ML_HAVE_KEYCHAIN
    return true;
#else
    return false;
#endif
}

TeamAddress TeamPassword::withPassword(TeamAddress address)
{
#ifdef ML_HAVE_KEYCHAIN
    if (!address.password.isEmpty() || address.user.isEmpty())
        return address;
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(address.shown());
    QString error;
    if (finish(job, &error))
        address.password = job.textData();
#endif
    return address;
}

bool TeamPassword::store(const TeamAddress &address, const QString &password, QString *error)
{
#ifdef ML_HAVE_KEYCHAIN
    if (password.isEmpty()) {
        QKeychain::DeletePasswordJob job(Service);
        job.setKey(address.shown());
        return finish(job, error) || job.error() == QKeychain::EntryNotFound;
    }
    QKeychain::WritePasswordJob job(Service);
    job.setKey(address.shown());
    job.setTextData(password);
    return finish(job, error);
#else
    Q_UNUSED(address)
    *error = password.isEmpty() ? QString()
                                : tr("this build keeps no passwords; use ~/.pgpass or PGPASSWORD");
    return password.isEmpty();
#endif
}
