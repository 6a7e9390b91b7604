#include "model/ClaimValues.h"

#include <algorithm>

namespace cw::model {

namespace {

int requireIndex(QStringView fieldName) {
    const int index = FieldCatalogue::indexOf(fieldName);
    Q_ASSERT_X(index >= 0, "ClaimValues", "field name not in the catalogue");
    return index;
}

} // namespace

const QString& ClaimValues::value(QStringView fieldName) const {
    return (*this)[requireIndex(fieldName)];
}

void ClaimValues::setValue(QStringView fieldName, const QString& text) {
    (*this)[requireIndex(fieldName)] = text;
}

bool ClaimValues::isEmpty() const {
    return std::all_of(m_values.begin(), m_values.end(),
                       [](const QString& v) { return v.isEmpty(); });
}

} // namespace cw::model
