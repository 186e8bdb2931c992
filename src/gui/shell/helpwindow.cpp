#include "gui/shell/helpwindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnel {

HelpWindow::HelpWindow(const QString& helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), fDir(helpDir), fBrowser(new QTextBrowser(this)) {
    setObjectName("frmHelp");
    setWindowTitle("Tarnel Unit Converter Help");
    fBrowser->setObjectName("tbHelp");
    fBrowser->setSearchPaths({helpDir});
    // Pages may link to the web site; those open in the desktop's browser, not here.
    fBrowser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fBrowser);
    resize(560, 480);
}

bool HelpWindow::showContext(int context) {
    const QString page = fDir + "/" + QString::number(context) + ".html";
    const bool found = QFileInfo::exists(page);
    if (found)
        fBrowser->setSource(QUrl::fromLocalFile(page));
    else
        fBrowser->setHtml("<p>The help page " + QString::number(context) + " is missing from " +
                          fDir.toHtmlEscaped() + ".</p>");
    show();
    raise();
    activateWindow();
    return found;
}

QString HelpWindow::currentPage() const {
    return QFileInfo(fBrowser->source().toLocalFile()).fileName();
}

} // namespace tarnel
