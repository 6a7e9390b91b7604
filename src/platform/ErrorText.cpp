#include "platform/ErrorText.h"

#include "platform/MakerValues.h"

#include <QStringList>

namespace cw::platform {

QString programErrorText(const QString& description) {
    return QStringList{
        QStringLiteral("There has been an error in the program."),
        QString(),
        QStringLiteral("Error Description: ") + description,
        QString(),
        QStringLiteral("Please call support at ") + makerValues().supportTelephone +
            QStringLiteral(" if this error continues to occur."),
    }
        .join(QStringLiteral("\r\n"));
}

} // namespace cw::platform
