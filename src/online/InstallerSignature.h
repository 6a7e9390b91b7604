#pragma once

// Whether a downloaded installer is the maker's: a detached Ed25519 signature over the whole
// file, checked with OpenSSL against the maker's public key. The installer comes over plain
// HTTP, so without this anyone on the way could hand the clerk a program of his own.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace cw::online {

// The signature sits beside the installer: its URL and ".sig".
inline constexpr char kSignatureSuffix[] = ".sig";
inline constexpr qsizetype kSignatureBytes = 64;

// Fine when signature is publicKey's signature over the file's bytes.
Result<void> verifyInstallerSignature(const QString& filePath, const QByteArray& signature,
                                      const QByteArray& publicKey);

} // namespace cw::online
