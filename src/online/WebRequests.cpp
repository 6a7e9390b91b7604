#include "online/WebRequests.h"

#include "model/Windows1252.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QScopeGuard>

#include <atomic>
#include <curl/curl.h>
#include <memory>

namespace cw::online {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("WebRequests", text);
}

struct SplitUrl {
    QByteArray address; // the URL without "user:password@"
    QByteArray user;
    QByteArray password;
    bool hasCredentials = false;
};

SplitUrl splitCredentials(const QByteArray& url) {
    const qsizetype schemeEnd = url.indexOf("://");
    const qsizetype hostStart = schemeEnd < 0 ? 0 : schemeEnd + 3;
    qsizetype authorityEnd = hostStart;
    while (authorityEnd < url.size() && !QByteArrayView("/?#").contains(url[authorityEnd]))
        ++authorityEnd;
    const qsizetype at = url.left(authorityEnd).lastIndexOf('@');
    if (at < hostStart)
        return {url, {}, {}, false};
    const QByteArray userInfo = url.mid(hostStart, at - hostStart);
    const qsizetype colon = userInfo.indexOf(':');
    return {url.left(hostStart) + url.mid(at + 1),
            QByteArray::fromPercentEncoding(userInfo.left(colon < 0 ? userInfo.size() : colon)),
            colon < 0 ? QByteArray() : QByteArray::fromPercentEncoding(userInfo.mid(colon + 1)),
            true};
}

bool isSuccess(long status) {
    return status >= 200 && status <= 299;
}

struct Request {
    QString url;
    Credentials credentials = Credentials::Ignored;
    const QByteArray* postBody = nullptr;
    QByteArray contentType;
    QIODevice* sink = nullptr;
    const TransferProgress* progress = nullptr;
};

struct Transfer {
    CURL* curl = nullptr;
    const Request* request = nullptr;
    QByteArray body;
    qint64 received = 0;
    bool begun = false;
    bool stopped = false;
    bool sinkFailed = false;
    bool tooLong = false;

    void begin() {
        begun = true;
        curl_off_t expected = -1;
        curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &expected);
        if (request->progress && request->progress->begun)
            request->progress->begun(static_cast<qint64>(expected));
    }
};

size_t receive(char* data, size_t size, size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const size_t length = size * count;
    long status = 0;
    curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &status);
    // The body of a refusal is not the answer: it is read and dropped.
    if (!isSuccess(status))
        return length;
    if (!transfer.begun)
        transfer.begin();
    const Request& request = *transfer.request;
    if (request.sink) {
        if (request.sink->write(data, static_cast<qint64>(length)) != static_cast<qint64>(length)) {
            transfer.sinkFailed = true;
            return CURL_WRITEFUNC_ERROR;
        }
    } else {
        if (transfer.body.size() + static_cast<qsizetype>(length) > kMaxTextBytes) {
            transfer.tooLong = true;
            return CURL_WRITEFUNC_ERROR;
        }
        transfer.body.append(data, static_cast<qsizetype>(length));
    }
    transfer.received += static_cast<qint64>(length);
    if (request.progress && request.progress->progressed &&
        !request.progress->progressed(transfer.received)) {
        transfer.stopped = true;
        return CURL_WRITEFUNC_ERROR;
    }
    return length;
}

struct CurlFree {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// One request at a time: the installer download runs on a thread of its own while the window
// goes on, and nothing may start beside it.
std::atomic<bool> g_requestRunning = false;

Result<QByteArray> perform(const Request& request) {
    const QString shownUrl = urlWithoutCredentials(request.url);
    const auto failure = [&shownUrl](const QString& reason) {
        return Error{tr("The request to %1 failed: %2").arg(shownUrl, reason)};
    };
    if (g_requestRunning.exchange(true))
        return failure(tr("another request is still running."));
    const auto running = qScopeGuard([] { g_requestRunning = false; });
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (initialised != CURLE_OK)
        return failure(QString::fromLatin1(curl_easy_strerror(initialised)));
    std::unique_ptr<CURL, CurlFree> curl(curl_easy_init());
    if (!curl)
        return failure(tr("the network library could not start."));

    const SplitUrl url = splitCredentials(request.url.toUtf8());
    char reason[CURL_ERROR_SIZE] = {};
    Transfer transfer;
    transfer.curl = curl.get();
    transfer.request = &request;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.address.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_NOPROXY, "127.0.0.1,localhost,::1");
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Claimwright");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, reason);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    if (!request.sink)
        curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, kTextRequestTimeoutMs);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    if (request.credentials == Credentials::Basic && url.hasCredentials) {
        curl_easy_setopt(c, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(c, CURLOPT_USERNAME, url.user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, url.password.constData());
    }
    std::unique_ptr<curl_slist, CurlFree> headers;
    if (request.postBody) {
        curl_easy_setopt(c, CURLOPT_POST, 1L);
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, request.postBody->constData());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.postBody->size()));
        // No "Expect: 100-continue" pause before the body.
        curl_slist* list = curl_slist_append(nullptr, "Expect:");
        if (list) {
            headers.reset(list);
            list = curl_slist_append(list, ("Content-Type: " + request.contentType).constData());
        }
        if (!list)
            return failure(tr("the request could not be built."));
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    }

    const CURLcode code = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (code == CURLE_OK && isSuccess(status) && !transfer.begun && request.progress)
        transfer.begin();
    if (transfer.begun && request.progress && request.progress->ended)
        request.progress->ended();

    if (transfer.stopped)
        return failure(tr("the transfer was stopped."));
    if (transfer.sinkFailed)
        return failure(tr("the answer could not be written: %1").arg(request.sink->errorString()));
    if (transfer.tooLong)
        return failure(tr("the answer is longer than expected."));
    if (code != CURLE_OK) {
        const QString text = QString::fromLocal8Bit(reason).trimmed();
        return failure(text.isEmpty() ? QString::fromLatin1(curl_easy_strerror(code)) : text);
    }
    if (!isSuccess(status))
        return failure(tr("the server answered with status %1.").arg(status));
    return std::move(transfer.body);
}

Result<QString> asText(Result<QByteArray> answer) {
    if (!answer)
        return Error{answer.error()};
    return model::Windows1252::decode(*answer);
}

} // namespace

QString urlWithoutCredentials(const QString& url) {
    return QString::fromUtf8(splitCredentials(url.toUtf8()).address);
}

Result<QString> httpGetText(const QString& url, Credentials credentials) {
    Request request;
    request.url = url;
    request.credentials = credentials;
    return asText(perform(request));
}

Result<void> httpGetToStream(const QString& url, QIODevice& out, const TransferProgress& progress,
                             Credentials credentials) {
    Request request;
    request.url = url;
    request.credentials = credentials;
    request.sink = &out;
    request.progress = &progress;
    const Result<QByteArray> done = perform(request);
    if (!done)
        return Error{done.error()};
    return {};
}

Result<QString> httpPost(const QString& url, const QByteArray& body,
                         const QByteArray& contentType) {
    Request request;
    request.url = url;
    request.postBody = &body;
    request.contentType = contentType;
    return asText(perform(request));
}

} // namespace cw::online
