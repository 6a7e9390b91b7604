#pragma once

// The AutoFill setting and the automatic-addition setting, on or off, shown in status-bar
// panels 0 and 1. Values that do not come from typing (loading a claim) are set with both
// switched off.

#include "editor/AutoFill.h"

#include <QObject>
#include <QString>

namespace cw::editor {

class AutomaticSettings : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool isAutoFillOn() const { return m_autoFill; }
    bool isAutoAdditionOn() const { return m_autoAddition; }

    void setAutoFill(bool on);
    void setAutoAddition(bool on);

    // The AutoFill gate: a change in column a starts AutoFill only while it is open. Loading
    // closes it.
    bool isGateOpen() const { return m_gateOpen; }
    void setGateOpen(bool open) { m_gateOpen = open; }

    // The cells the user filled himself, which AutoFill leaves alone.
    TypedCellFlags& typedCells() { return m_typedCells; }
    const TypedCellFlags& typedCells() const { return m_typedCells; }

signals:
    void autoFillChanged(const QString& statusText);
    void autoAdditionChanged(const QString& statusText);

private:
    bool m_autoFill = false;
    bool m_autoAddition = true;
    bool m_gateOpen = true;
    TypedCellFlags m_typedCells;
};

// Switches both settings off for its lifetime and puts back what they were.
class SuspendedAutomaticSettings {
public:
    explicit SuspendedAutomaticSettings(AutomaticSettings& settings);
    ~SuspendedAutomaticSettings();
    SuspendedAutomaticSettings(const SuspendedAutomaticSettings&) = delete;
    SuspendedAutomaticSettings& operator=(const SuspendedAutomaticSettings&) = delete;

private:
    AutomaticSettings& m_settings;
    bool m_autoFill;
    bool m_autoAddition;
};

} // namespace cw::editor
