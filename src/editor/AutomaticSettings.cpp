#include "editor/AutomaticSettings.h"

namespace cw::editor {

void AutomaticSettings::setAutoFill(bool on) {
    m_autoFill = on;
    emit autoFillChanged(on ? tr("AutoFill On") : tr("AutoFill Off"));
}

void AutomaticSettings::setAutoAddition(bool on) {
    m_autoAddition = on;
    emit autoAdditionChanged(on ? tr("Automatic Addition On") : tr("Automatic Addition Off"));
}

SuspendedAutomaticSettings::SuspendedAutomaticSettings(AutomaticSettings& settings)
    : m_settings(settings)
    , m_autoFill(settings.isAutoFillOn())
    , m_autoAddition(settings.isAutoAdditionOn()) {
    m_settings.setAutoFill(false);
    m_settings.setAutoAddition(false);
}

SuspendedAutomaticSettings::~SuspendedAutomaticSettings() {
    m_settings.setAutoFill(m_autoFill);
    m_settings.setAutoAddition(m_autoAddition);
}

} // namespace cw::editor
