#pragma once
// The category tree on screen with its domain tool bar and a search box above it: domains
// bold italic, categories with the image and colour of their kind. It shows what a
// CategoryTreeModel holds and reports clicks, selections and the typed search text.

#include "core/views/categorytreemodel.h"

#include <QWidget>

class QLineEdit;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnel {

class CategoryTree : public QWidget {
    Q_OBJECT
  public:
    explicit CategoryTree(QWidget* parent = nullptr);

    /// Rebuilds nodes and buttons from the model (after its build).
    void rebuild(const CategoryTreeModel& model);
    /// Shows what the model's state says; changes made here fire no selection.
    void present(const std::vector<bool>& expanded, const TreeMatch& selected,
                 const std::vector<TreeMatch>& visible, bool filtered);

    QTreeWidget* tree() const { return Tree1; }
    QLineEdit* searchBox() const { return eSearchCat; }

  signals:
    void categorySelected(int domain, int category);
    void domainButtonClicked(const QString& hint);
    void searchChanged(const QString& text);
    /// The web search button: look up the selected category.
    void webSearchClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void selectionChanged();
    QTreeWidgetItem* item(int domain, int category) const;

    QToolBar* tbarDomains;
    QToolButton* sbSearch4Cat;
    QLineEdit* eSearchCat;
    QTreeWidget* Tree1;
};

} // namespace tarnel
