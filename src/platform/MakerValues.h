#pragma once

// The maker's contact details and server host names, kept in this one place. The defaults
// reach no real server or telephone; the hosts can be pointed elsewhere through the
// environment (tests use a server on 127.0.0.1):
//     CLAIMWRIGHT_WEB_HOST         the main web server
//     CLAIMWRIGHT_SUGGESTION_HOST  the server that receives suggestions
//     CLAIMWRIGHT_INSTALLER_KEY    the installer-signing public key, base64 (tests sign with
//                                  a key pair of their own)
// A host value may carry a port ("127.0.0.1:8080").

#include <QByteArray>
#include <QString>

namespace cw::platform {

struct MakerValues {
    QString supportTelephone;
    QString supportEmail;
    QString webSiteAddress;
    QString webHost;
    QString suggestionHost;
    // The raw 32-byte Ed25519 public key whose signature an installer must carry.
    QByteArray installerPublicKey;
};

// Read afresh on every call, so a changed environment takes effect at once.
MakerValues makerValues();

} // namespace cw::platform
