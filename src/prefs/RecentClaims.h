#pragma once

// The claim files the user opened or saved last, newest first, at most eight, kept in the
// user's registry store. A file is known by its canonical path, so one file reached by two
// paths is listed once.

#include "platform/Result.h"
#include "platform/UserRegistry.h"

#include <QStringList>

namespace cw::prefs {

class RecentClaims {
public:
    static constexpr int kMaximum = 8;

    explicit RecentClaims(platform::UserRegistry registry);

    // Newest first. A store that cannot be read lists none.
    QStringList files() const;
    // Puts the file at the top, the oldest beyond the maximum falling off.
    Result<void> add(const QString& fileName);
    Result<void> remove(const QString& fileName);
    Result<void> clear();

private:
    Result<void> store(const QStringList& files);

    platform::UserRegistry m_registry;
};

} // namespace cw::prefs
