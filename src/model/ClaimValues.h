#pragma once

// The 509 texts of one claim, by catalogue index.

#include "model/FieldCatalogue.h"

#include <QString>

#include <array>

namespace cw::model {

class ClaimValues {
public:
    const QString& operator[](int index) const {
        return m_values.at(static_cast<std::size_t>(index));
    }
    QString& operator[](int index) { return m_values.at(static_cast<std::size_t>(index)); }

    // By field name; the name must be in the catalogue.
    const QString& value(QStringView fieldName) const;
    void setValue(QStringView fieldName, const QString& text);

    bool isEmpty() const;
    bool operator==(const ClaimValues&) const = default;

private:
    std::array<QString, kFieldCount> m_values;
};

} // namespace cw::model
