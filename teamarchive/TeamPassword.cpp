#include "teamarchive/TeamPassword.h"

#ifdef ML_HAVE_KEYCHAIN
#include <qt5keychain/keychain.h>

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <memory>
#endif

namespace {

#ifdef ML_HAVE_KEYCHAIN
const QString Service = QStringLiteral("Marlune DataLogger team archive");

// What a job said when it ended.
struct Outcome
{
    bool ended = false;
    QKeychain::Error code = QKeychain::NoError;
    QString message;
    QString text;
};

// Runs the job to its end or for keyringWaitMs; whether it ended without an error. The job
// deletes itself when it ends, which may be after the wait: a keyring that answers late must
// not find its job gone (it would call into a destroyed object). An entry that is not there
// counts as no error when missingIsFine (deleting what is not kept).
bool finish(QKeychain::Job *job, QString *error, QString *text = nullptr,
            bool missingIsFine = false)
{
    const auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    const QPointer<QEventLoop> waiting(&loop);
    QObject::connect(job, &QKeychain::Job::finished, job,
                     [outcome, waiting](QKeychain::Job *ended) {
                         outcome->ended = true;
                         outcome->code = ended->error();
                         outcome->message = ended->errorString();
                         if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(ended))
                             outcome->text = read->textData();
                         if (waiting)
                             waiting->quit();
                     });
    QTimer::singleShot(TeamPassword::keyringWaitMs, &loop, &QEventLoop::quit);
    job->setAutoDelete(true);
    job->start();
    if (!outcome->ended)
        loop.exec();
    if (!outcome->ended) {
        *error = TeamPassword::tr("the keyring did not answer within %n second(s)", nullptr,
                                  TeamPassword::keyringWaitMs / 1000);
        return false;
    }
    if (outcome->code != QKeychain::NoError &&
        !(missingIsFine && outcome->code == QKeychain::EntryNotFound)) {
        *error = outcome->message;
        return false;
    }
    if (text)
        *text = outcome->text;
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
    auto *job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(address.shown());
    QString error;
    QString password;
    if (finish(job, &error, &password))
        address.password = password;
#endif
    return address;
}

bool TeamPassword::store(const TeamAddress &address, const QString &password, QString *error)
{
#ifdef ML_HAVE_KEYCHAIN
    if (password.isEmpty()) {
        auto *job = new QKeychain::DeletePasswordJob(Service);
        job->setKey(address.shown());
        return finish(job, error, nullptr, true);
    }
    auto *job = new QKeychain::WritePasswordJob(Service);
    job->setKey(address.shown());
    job->setTextData(password);
    return finish(job, error);
#else
    Q_UNUSED(address)
    *error = password.isEmpty() ? QString()
                                : tr("this build keeps no passwords; use ~/.pgpass or PGPASSWORD");
    return password.isEmpty();
#endif
}
