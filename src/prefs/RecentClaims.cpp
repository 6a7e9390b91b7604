#include "prefs/RecentClaims.h"

#include <QFileInfo>

namespace cw::prefs {

namespace {

constexpr QStringView kKey = u"Software\\Quillmark\\Claimwright";
constexpr QStringView kValue = u"RecentClaims";
// No path can hold a NUL, and the store keeps it as an escape.
constexpr QChar kSeparator = u'\0';

// A file that is gone has no canonical path; its absolute one still finds it in the list.
QString canonical(const QString& fileName) {
    const QFileInfo file(fileName);
    const QString path = file.canonicalFilePath();
    return path.isEmpty() ? file.absoluteFilePath() : path;
}

} // namespace

RecentClaims::RecentClaims(platform::UserRegistry registry)
    : m_registry(std::move(registry)) {}

QStringList RecentClaims::files() const {
    const auto stored = m_registry.readText(kKey, kValue);
    if (!stored || !stored->has_value())
        return {};
    return (*stored)->split(kSeparator, Qt::SkipEmptyParts);
}

Result<void> RecentClaims::add(const QString& fileName) {
    const QString path = canonical(fileName);
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    return store(list.mid(0, kMaximum));
}

Result<void> RecentClaims::remove(const QString& fileName) {
    QStringList list = files();
    if (list.removeAll(fileName) + list.removeAll(canonical(fileName)) == 0)
        return {};
    return store(list);
}

Result<void> RecentClaims::clear() {
    return store({});
}

Result<void> RecentClaims::store(const QStringList& files) {
    return m_registry.writeText(kKey, kValue, files.join(kSeparator));
}

} // namespace cw::prefs
