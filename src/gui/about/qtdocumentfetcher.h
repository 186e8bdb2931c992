#pragma once
// The update check's HTTP GET over Qt's network access: asynchronous, so the window keeps
// working while the server answers, with a time-out and a size cap. Any failure, an HTTP
// status outside 2xx included, comes back as a readable reason.

#include "core/appinfo/documentfetcher.h"

#include <QObject>

class QNetworkAccessManager;

namespace tarnel {

class QtDocumentFetcher : public QObject, public IDocumentFetcher {
    Q_OBJECT
  public:
    explicit QtDocumentFetcher(int timeoutMs = 10000, qint64 maxBytes = 1 << 20,
                               QObject* parent = nullptr);
    void fetch(const std::string& url, std::function<void(const FetchResult&)> done) override;

  private:
    QNetworkAccessManager* fManager;
    int fTimeoutMs;
    qint64 fMaxBytes;
};

} // namespace tarnel
