#pragma once

// An Ed25519 key pair of the test's own, made with OpenSSL, that signs installers. Once trusted,
// and while it lives, the program takes its public key for the maker's.

#include <QByteArray>
#include <QtGlobal>

#include <openssl/evp.h>

class TestSigningKey {
public:
    TestSigningKey()
        : m_key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519")) {}
    ~TestSigningKey() {
        if (m_trusted)
            qunsetenv("CLAIMWRIGHT_INSTALLER_KEY");
        EVP_PKEY_free(m_key);
    }

    // False when the key could not be made or read.
    bool trust() {
        unsigned char raw[32];
        size_t length = sizeof raw;
        if (!m_key || EVP_PKEY_get_raw_public_key(m_key, raw, &length) != 1)
            return false;
        qputenv("CLAIMWRIGHT_INSTALLER_KEY",
                QByteArray(reinterpret_cast<const char*>(raw), qsizetype(length)).toBase64());
        m_trusted = true;
        return true;
    }
    TestSigningKey(const TestSigningKey&) = delete;
    TestSigningKey& operator=(const TestSigningKey&) = delete;

    // The detached signature of data; empty when signing failed.
    QByteArray sign(const QByteArray& data) const {
        EVP_MD_CTX* context = EVP_MD_CTX_new();
        unsigned char signature[64];
        size_t length = sizeof signature;
        const bool signedOk =
            context && EVP_DigestSignInit(context, nullptr, nullptr, nullptr, m_key) == 1 &&
            EVP_DigestSign(context, signature, &length,
                           reinterpret_cast<const unsigned char*>(data.constData()),
                           size_t(data.size())) == 1;
        EVP_MD_CTX_free(context);
        return signedOk ? QByteArray(reinterpret_cast<const char*>(signature), qsizetype(length))
                        : QByteArray();
    }

private:
    EVP_PKEY* m_key;
    bool m_trusted = false;
};
