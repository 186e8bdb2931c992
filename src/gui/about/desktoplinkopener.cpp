#include "gui/about/desktoplinkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarnel {

void DesktopLinkOpener::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace tarnel
