#pragma once
// The uniform face of the tab views: the main window initialises them, tells them when
// the active tab changes, runs them and plugs their light recomputation into the panel.

namespace tarnel {

/// The kinds of view, in tab order after ptNone.
enum class TPageType { ptNone, ptSimple, ptAll, ptBase, ptEdit, ptLog };

/// The view kind of a tab index (0 Simple … 4 History); any other index is ptNone.
inline TPageType pageOfTab(int index) {
    return index >= 0 && index < 5 ? static_cast<TPageType>(index + 1) : TPageType::ptNone;
}

class UnitModule {
  public:
    virtual ~UnitModule() = default;
    /// Builds what the view derives from the unit data; again after every reload.
    virtual void Init() = 0;
    /// The active tab changed from oldPage to newPage.
    virtual void PageChanging(TPageType oldPage, TPageType newPage) = 0;
    /// Full recomputation from the panel's texts.
    virtual void Execute() = 0;
    /// The source text changed: light recomputation.
    virtual void OnSourceChange() = 0;
};

} // namespace tarnel
