#pragma once

// The suggestion the user writes in the suggestion box, posted to the maker's suggestion server.

#include <QByteArray>
#include <QString>

namespace cw::online {

inline constexpr char kSuggestionPath[] = "/programsuggestionbox.pl?";
inline constexpr char kSuggestionContentType[] = "text/html";

// The body "field1=" and the encoded text.
QByteArray suggestionBody(const QString& text);

// Posts the suggestion; the answer is dropped and every failure swallowed.
void sendSuggestion(const QString& text);

} // namespace cw::online
