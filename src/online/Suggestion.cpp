#include "online/Suggestion.h"

#include "online/MakerServers.h"
#include "online/UrlEncoding.h"
#include "online/WebRequests.h"

namespace cw::online {

QByteArray suggestionBody(const QString& text) {
    return QByteArrayLiteral("field1=") + urlEncode(text);
}

void sendSuggestion(const QString& text) {
    (void)httpPost(suggestionServerUrl(QLatin1StringView(kSuggestionPath)), suggestionBody(text),
                   QByteArrayLiteral(kSuggestionContentType));
}

} // namespace cw::online
