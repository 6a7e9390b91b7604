#include "platform/MakerValues.h"

#include <QtGlobal>

namespace cw::platform {

namespace {

QString fromEnvironment(const char* name, QString fallback) {
    const QString value = qEnvironmentVariable(name).trimmed();
    return value.isEmpty() ? fallback : value;
}

} // namespace

MakerValues makerValues() {
    return MakerValues{
        QStringLiteral("1-800-555-0142"),
        QStringLiteral("support@quillmark.example"),
        QStringLiteral("http://www.quillmark.example"),
        fromEnvironment("CLAIMWRIGHT_WEB_HOST", QStringLiteral("www.quillmark.example")),
        fromEnvironment("CLAIMWRIGHT_SUGGESTION_HOST",
                        QStringLiteral("suggestions.quillmark.example")),
        QByteArray::fromBase64(
            fromEnvironment("CLAIMWRIGHT_INSTALLER_KEY",
                            QStringLiteral("r7h84tiSCAcD1LpC85hWNRodlJYBEgJUEiBKKW7IK94="))
                .toLatin1()),
    };
}

} // namespace cw::platform
