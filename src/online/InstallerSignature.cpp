#include "online/InstallerSignature.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>
#include <openssl/evp.h>

namespace cw::online {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("InstallerSignature", text);
}

struct OpenSslFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

} // namespace

Result<void> verifyInstallerSignature(const QString& filePath, const QByteArray& signature,
                                      const QByteArray& publicKey) {
    const Error refused{tr("%1 does not carry the maker's signature.").arg(filePath)};
    if (signature.size() != kSignatureBytes)
        return refused;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return Error{tr("%1 could not be read: %2").arg(filePath, file.errorString())};
    // Ed25519 signs the message whole, so the file is read whole.
    const QByteArray bytes = file.readAll();
    std::unique_ptr<EVP_PKEY, OpenSslFree> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char*>(publicKey.constData()),
        static_cast<size_t>(publicKey.size())));
    std::unique_ptr<EVP_MD_CTX, OpenSslFree> context(EVP_MD_CTX_new());
    if (!key || !context ||
        EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return Error{tr("The maker's key could not be used to check %1.").arg(filePath)};
    const int verified = EVP_DigestVerify(
        context.get(), reinterpret_cast<const unsigned char*>(signature.constData()),
        static_cast<size_t>(signature.size()),
        reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<size_t>(bytes.size()));
    if (verified != 1)
        return refused;
    return {};
}

} // namespace cw::online
