#include "model/DocumentStatus.h"

namespace cw::model {

QString documentStateText(DocumentState state) {
    switch (state) {
    case DocumentState::New:
        return QStringLiteral("new");
    case DocumentState::Open:
        return QStringLiteral("open");
    case DocumentState::SaveAs:
        return QStringLiteral("saveas");
    }
    Q_UNREACHABLE();
}

} // namespace cw::model
