#pragma once
// The modal options dialog around the options frame: OK stores the controls (and writes
// the settings file when stand-alone), Cancel or closing leaves the settings alone.

#include <QDialog>

#include <functional>

namespace tarnel {

class TfmUnitOptions;
class TfmUnitOptionsWidget;

class TfrmOptCont : public QDialog {
    Q_OBJECT
  public:
    /// `help` opens a help context; without it the Help button is disabled.
    TfrmOptCont(TfmUnitOptions& options, QWidget* parent = nullptr,
                std::function<void(int)> help = {});

    /// Shows the dialog modally; true after OK, once the settings are stored.
    static bool execute(TfmUnitOptions& options, QWidget* parent,
                        std::function<void(int)> help = {});

    TfmUnitOptionsWidget* frame() const { return fFrame; }
    void accept() override;

    static constexpr int HelpContext = 3218;

  private:
    TfmUnitOptionsWidget* fFrame;
};

} // namespace tarnel
