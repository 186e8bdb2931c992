#pragma once
// A label that reports a left click released over it (links, the picture, the bottom line).

#include <QLabel>

namespace tarnel {

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    // Taken here, so a click on a link never also reaches the panel beneath it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tarnel
