#pragma once

#include "teamarchive/TeamAddress.h"

#include <QCoreApplication>
#include <QString>

// The team archive's password in the system's keyring (QtKeychain: the Secret Service, KWallet,
// the macOS keychain, the Windows credential store), one entry per user@server:port/database.
// It never goes into the settings file. Without a keyring (or without QtKeychain in the build)
// libpq's own ways are left: PGPASSWORD, ~/.pgpass, PGSERVICE. Each call waits for the keyring
// at most a few seconds.
class TeamPassword
{
    Q_DECLARE_TR_FUNCTIONS(TeamPassword)

public:
    static constexpr int keyringWaitMs = 5000;

    // The address with the keyring's password filled in when it has one and none is given.
    static TeamAddress withPassword(TeamAddress address);
    // Keeps the password for the address (an empty one deletes the entry); false with the
    // reason when the keyring refuses.
    static bool store(const TeamAddress &address, const QString &password, QString *error);
    // Whether this build can use a keyring at all.
    static bool keyringBuiltIn();
};
