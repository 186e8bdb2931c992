#pragma once
// The converter's about box: the program's picture and name on a tiled band, the version,
// the maker's links, the update notice and the connection state.

#include "gui/about/taboutbase.h"

class QLabel;

namespace tarnel {

class ClickLabel;

class TAboutUC : public TAboutBase {
    Q_OBJECT
  public:
    /// `localInfo`: the local program-information document (UnitConverter + "verUC.xml").
    TAboutUC(AboutConfig config, const std::string& localInfo, IMessages& messages,
             ILinkOpener* opener = nullptr, QWidget* parent = nullptr);
    void UpdateVis() override;

  private:
    void setUpdateVisible(bool visible);

    QLabel* stVersion = nullptr;
    ClickLabel* llContact = nullptr;
    ClickLabel* llWebsite = nullptr;
    QLabel* lbUpdates = nullptr;
    ClickLabel* lbUpdatesLink = nullptr;
    QLabel* lbInternet = nullptr;
    int fShowing = 0; // answers of an older showing's check are not shown
};

} // namespace tarnel
