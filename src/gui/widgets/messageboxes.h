#pragma once
// The message interface of the windowed program: modal message boxes.

#include "core/text/messages.h"

class QWidget;

namespace tarnel {

class MessageBoxes : public IMessages {
  public:
    explicit MessageBoxes(QWidget* parent = nullptr) : fParent(parent) {}
    void info(const std::string& text) override;
    bool yesNo(const std::string& text) override;

  private:
    QWidget* fParent;
};

} // namespace tarnel
