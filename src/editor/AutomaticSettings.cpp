#include "editor/AutomaticSettings.h"

namespace cw::editor {

void AutomaticSettings::setAutoFill(const QString& value) {
    m_autoFill = value;
    emit autoFillChanged(isAutoFillOn() ? tr("AutoFill On") : tr("AutoFill Off"));
}

void AutomaticSettings::setAutoAddition(const QString& value) {
    m_autoAddition = value;
    emit autoAdditionChanged(isAutoAdditionOn() ? tr("Automatic Addition On")
                                                : tr("Automatic Addition Off"));
}

SuspendedAutomaticSettings::SuspendedAutomaticSettings(AutomaticSettings& settings)
    : m_settings(settings)
    , m_autoFill(settings.autoFill())
    , m_autoAddition(settings.autoAddition()) {
    m_settings.setAutoFill(QStringLiteral("false"));
    m_settings.setAutoAddition(QStringLiteral("false"));
}

SuspendedAutomaticSettings::~SuspendedAutomaticSettings() {
    m_settings.setAutoFill(m_autoFill);
    m_settings.setAutoAddition(m_autoAddition);
}

} // namespace cw::editor
