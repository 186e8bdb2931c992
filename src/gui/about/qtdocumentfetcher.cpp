#include "gui/about/qtdocumentfetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace tarnel {

QtDocumentFetcher::QtDocumentFetcher(int timeoutMs, qint64 maxBytes, QObject* parent)
    : QObject(parent), fManager(new QNetworkAccessManager(this)), fTimeoutMs(timeoutMs),
      fMaxBytes(maxBytes) {}

void QtDocumentFetcher::fetch(const std::string& url,
                              std::function<void(const FetchResult&)> done) {
    const QUrl u(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = u.scheme().toLower();
    if (!u.isValid() || (scheme != "http" && scheme != "https") || u.host().isEmpty()) {
        // Answered from the event loop, as every other outcome is.
        QTimer::singleShot(0, this, [done, url] {
            done(FetchResult{"", "Not a web address: " + url});
        });
        return;
    }
    QNetworkRequest request(u);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = fManager->get(request);

    // Our own reason to abort, which the reply's error string would hide.
    auto reason = std::make_shared<QString>();
    auto stop = [reply, reason](const QString& why) {
        if (!reason->isEmpty()) return;
        *reason = why;
        reply->abort();
    };
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [stop, u, ms = fTimeoutMs] {
        stop(QString("No answer from %1 within %2 s.").arg(u.host()).arg(ms / 1000.0));
    });
    deadline->start(fTimeoutMs);
    const qint64 cap = fMaxBytes;
    auto tooLarge = [stop, cap](qint64 size) {
        if (size > cap)
            stop(
                QString("The program information document is larger than %1 KiB.").arg(cap / 1024));
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, tooLarge] {
        bool ok = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
        if (ok) tooLarge(length);
    });
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [tooLarge](qint64 received, qint64) { tooLarge(received); });
    connect(reply, &QNetworkReply::finished, this, [reply, reason, done] {
        reply->deleteLater();
        FetchResult r;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!reason->isEmpty())
            r.error = reason->toStdString();
        else if (reply->error() != QNetworkReply::NoError)
            r.error = reply->errorString().toStdString();
        else if (status != 0 && (status < 200 || status > 299))
            r.error = "The update server answered with HTTP status " + std::to_string(status) + ".";
        else
            r.body = reply->readAll().toStdString();
        done(r);
    });
}

} // namespace tarnel
