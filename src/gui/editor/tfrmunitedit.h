#pragma once
// The unit file editor window: a thin view of TfrmUnitEditModel. The tree widget mirrors
// the model's tree item for item; every panel edit goes to the model at once.

#include "core/views/uniteditmodel.h"

#include <QDialog>

#include <functional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QTableWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QsciScintilla;

class QToolButton;

namespace tarnel {

class TfrmUnitEdit : public QDialog {
    Q_OBJECT
  public:
    /// `unitConverterDir` is where the file dialogs start.
    explicit TfrmUnitEdit(QString unitConverterDir, QWidget* parent = nullptr);

    /// Loads the file and shows the window modally; true when left with Done. A file
    /// that does not parse shows the parser's message and the window does not open.
    bool Execute(const QString& unitsFilename);
    /// Loads the file without showing the window; false (message shown) when it fails.
    bool load(const QString& unitsFilename);
    QString Filename() const;
    TfrmUnitEditModel& model() { return fModel; }
    /// The web search of the name buttons (category, unit); unset, the buttons are off.
    void setSearchWeb(std::function<void(const std::string&, const std::string&)> search);
    /// Opens a help context; unset, the Help button is off.
    void setHelp(std::function<void(int)> help);

    static constexpr int HelpContext = 3219;

  protected:
    bool event(QEvent* e) override;

  private:
    QWidget* buildCategoryPanel();
    QWidget* buildUnitPanel();
    QWidget* buildFilterPanel();
    void rebuildTree();
    void styleItem(QTreeWidgetItem* w, const EditItem& it);
    void restyleAll();
    QTreeWidgetItem* widgetItem(const ItemPath& p) const;
    ItemPath pathOf(QTreeWidgetItem* w) const;
    void selectInTree(const ItemPath& p);
    void showPanel();
    void syncSelectedItem();
    void categoryEdited();
    void unitEdited();
    void unitTypeChosen(int index);
    void treeAction(int which);
    void showErrors();
    void pageChanged(int index);
    bool onXmlPage() const;
    /// Runs a validating step with the progress window up and the wait cursor.
    bool validating(const std::function<bool(const ProgressFn&)>& check);
    void doValidate();
    void doDone();
    void doSaveAs();
    /// Shows why Done or Save As did not save.
    void refused(const std::string& message);
    void doOpen();
    void filterToggled(bool on);
    void switchEnabled(bool enable);
    void statsToggled(bool on);
    void setStatus(const QString& text, bool error = false);

    QString fDir;
    TfrmUnitEditModel fModel;
    bool fVisibleRun = false;

    QAction *tbOpen, *tbSave, *tbFilter, *tbValidation, *tbDone, *tbCancel, *tbHelp;
    QAction *tbAdd, *tbDelete, *tbUp, *tbDown, *tbCut, *tbCopy, *tbPaste, *tbExpand, *tbCollapse;
    QTabWidget* pcPages;
    QTreeWidget* tvUnits;
    QSplitter* spLeft;
    QWidget* pnlErrors;
    QListWidget* lbErrors;
    QStackedWidget* pcPanels;
    QsciScintilla* edXml;
    QStatusBar* sbEditor;
    int fXmlPage = 1;

    // Category panel
    QCheckBox* chkCatEnabled;
    QComboBox* cbCatType;
    QLineEdit* eCatName;
    QToolButton* sbCatSearch = nullptr;
    QToolButton* sbUnitSearch = nullptr;
    std::function<void(const std::string&, const std::string&)> fSearchWeb;
    std::function<void(int)> fHelp;
    QLineEdit* eCatComment;
    // Unit panel
    QCheckBox* chkUnitEnabled;
    QComboBox* cbUnitType;
    QLineEdit* eUnitName;
    QLabel* lbSymbol;
    QLineEdit* eUnitSymbol;
    QListWidget* chklKeywords;
    QLineEdit* eUnitComment;
    QStackedWidget* pcTypePages;
    QLineEdit* eInBaseUnits;
    QLineEdit* eFactor;
    QLineEdit* eRuleFrom;
    QLineEdit* eRuleTo;
    // Filter panel
    QListWidget* chklDomains;
    QRadioButton* rbOr;
    QRadioButton* rbAnd;
    QListWidget* chklFilterKeywords;
    QAction* tbStats;
    QStackedWidget* pcFilterBottom;
    QTableWidget* sgStats;
};

} // namespace tarnel
