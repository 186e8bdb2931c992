#pragma once
// The options frame on screen. The settings themselves live in TfmUnitOptions; this frame
// only copies them into its controls (List2Vis) and back (Vis2List) through
// OptionControls.

#include "core/settings/unitoptions.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace tarnel {

class TfmUnitOptionsWidget : public QWidget {
    Q_OBJECT
  public:
    TfmUnitOptionsWidget(TfmUnitOptions& options, QWidget* parent = nullptr);

    /// The settings to the controls; with an empty list the controls keep what they show.
    void List2Vis();
    /// The controls to the settings (and to the settings file when stand-alone).
    void Vis2List();

    /// Opens a help context from the unit file editor.
    void setHelp(std::function<void(int)> help) { fHelp = std::move(help); }

    OptionControls controls() const;
    void setControls(const OptionControls& c);

  private:
    void searchEngineChanged();
    /// Opens the unit file editor on the selected file; after Done the edited file
    /// becomes the selected one.
    void editUnitFile();

    TfmUnitOptions& fOptions;
    std::function<void(int)> fHelp;
    QLabel* stCaption;
    QComboBox* cbUnitFile;
    QPushButton* bbUnitDataEditor;
    QWidget* pnlAloneOpt;
    QSpinBox* sePrec;
    QListWidget* chksAlone;
    QLabel* lbHttp;
    QComboBox* cbSearchEngine;
    QLineEdit* eCustomSE;
    QTabWidget* pcUserMode;
    QCheckBox* chkPromptB4Delete;
    QCheckBox* chkSwapSrcTrg;
};

} // namespace tarnel
