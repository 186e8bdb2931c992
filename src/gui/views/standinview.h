#pragma once
// A tab view until the real one lands: it records each call the main window makes and
// shows the view's name with its last call, so the tab protocol can be watched at work.

#include "core/views/unitmodule.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;

namespace tarnel {

class StandInView : public QWidget, public UnitModule {
    Q_OBJECT
  public:
    StandInView(const QString& name, QWidget* parent = nullptr);

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override;

    /// Every call so far, oldest first ("Init", "PageChanging(4,1)", ...).
    const std::vector<std::string>& calls() const { return fCalls; }
    void clearCalls() { fCalls.clear(); }

  private:
    void record(const std::string& call);

    QString fName;
    QLabel* fLabel;
    std::vector<std::string> fCalls;
};

} // namespace tarnel
