#pragma once
// The in-program help: one HTML page per help context, shipped in the folder help/
// beside the executable and shown in a browser window that links the pages together.

#include <QWidget>

class QTextBrowser;

namespace tarnel {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    /// helpDir holds the pages "<context>.html".
    explicit HelpWindow(const QString& helpDir, QWidget* parent = nullptr);

    /// Shows the page of a context number and brings the window to the front; false
    /// (with a note in the window) when the page is missing.
    bool showContext(int context);
    QString currentPage() const;

  private:
    QString fDir;
    QTextBrowser* fBrowser;
};

} // namespace tarnel
