#include "platform/MakerValues.h"

#include "TestRegistry.h"

#include <QRegularExpression>
#include <QTest>
#include <QUrl>

using namespace cw::platform;

namespace {

// Sets an environment variable for the life of the object; an empty value unsets it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_saved(qgetenv(name)) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_wasSet)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_saved;
};

} // namespace

class MakerValuesTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsReachNoRealServer() {
        ScopedEnvironment web("CLAIMWRIGHT_WEB_HOST", {});
        ScopedEnvironment suggestions("CLAIMWRIGHT_SUGGESTION_HOST", {});
        const MakerValues values = makerValues();
        QVERIFY2(QRegularExpression(QStringLiteral("555-01\\d\\d$"))
                     .match(values.supportTelephone)
                     .hasMatch(),
                 qPrintable(values.supportTelephone));
        for (const QString& host :
             {values.webHost, values.suggestionHost, QUrl(values.webSiteAddress).host(),
              values.supportEmail.section(u'@', 1)})
            QVERIFY2(host.endsWith(u".example"_qs), qPrintable(host));
    }

    void hostsFollowTheEnvironment() {
        ScopedEnvironment web("CLAIMWRIGHT_WEB_HOST", "127.0.0.1:8080");
        ScopedEnvironment suggestions("CLAIMWRIGHT_SUGGESTION_HOST", "127.0.0.1:8081");
        QCOMPARE(makerValues().webHost, u"127.0.0.1:8080"_qs);
        QCOMPARE(makerValues().suggestionHost, u"127.0.0.1:8081"_qs);
    }

    // An Ed25519 public key is 32 bytes; tests put their own in the environment.
    void theInstallerKeyFollowsTheEnvironment() {
        ScopedEnvironment none("CLAIMWRIGHT_INSTALLER_KEY", {});
        QCOMPARE(makerValues().installerPublicKey.size(), 32);
        const QByteArray own(32, '\x5a');
        ScopedEnvironment key("CLAIMWRIGHT_INSTALLER_KEY", own.toBase64());
        QCOMPARE(makerValues().installerPublicKey, own);
    }
};

CW_REGISTER_TEST(MakerValuesTest)
#include "MakerValuesTest.moc"
