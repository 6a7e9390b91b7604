#pragma once

// Stands in for the desktop's handler of a URL scheme while it lives. A test binary that uses
// it lists this header among its sources, so that it is run through moc.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(const QString& scheme)
        : m_scheme(scheme) {
        QDesktopServices::setUrlHandler(m_scheme, this, "open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(m_scheme); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QString m_scheme;
};
