#pragma once
// The program's application object: an error escaping an event handler is shown through
// the message interface and the program carries on, as a desktop program should.

#include <QApplication>

namespace tarnel {

class IMessages;

class TarnelApplication : public QApplication {
  public:
    TarnelApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    void setMessages(IMessages* messages) { fMessages = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    IMessages* fMessages = nullptr;
};

} // namespace tarnel
