#pragma once

// The text of the per-user registry file (see UserRegistry for its layout): parsed into keys
// and their values, and written back. Writing what was parsed gives a text that parses to the
// same keys and values.

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <variant>
#include <vector>

namespace cw::platform {

struct RegistryValue {
    QString name;
    std::variant<QString, qint32> data;
    bool operator==(const RegistryValue&) const = default;
};

struct RegistryKey {
    QString name;
    std::vector<RegistryValue> values;
    bool operator==(const RegistryKey&) const = default;
};

// In the order of the file; names are unique without regard to case.
using RegistryStore = std::vector<RegistryKey>;

// The item of that name, compared without regard to case; nullptr when there is none.
template <typename Item>
Item* findNamed(std::vector<Item>& items, QStringView name) {
    for (Item& item : items)
        if (item.name.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

// Key names are written unquoted between brackets, so they must stay on one line and be plain
// text.
bool isValidRegistryKey(QStringView key);

// The keys the UTF-8 text holds; an error naming the file at path and the first line not
// understood. A key or value named twice keeps the last value.
Result<RegistryStore> parseRegistryText(QByteArrayView bytes, const QString& path);

// The store as UTF-8 text, keys and values in their order.
QByteArray registryText(const RegistryStore& store);

} // namespace cw::platform
