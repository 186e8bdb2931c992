#include "gui/editor/tfrmunitedit.h"

#include "core/text/textfile.h"
#include "gui/editor/tfrmprogressmsg.h"
#include "gui/views/viewhint.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <Qsci/qscilexerxml.h>
#include <Qsci/qsciscintilla.h>

namespace tarnel {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
QLabel* header(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::StyledPanel);
    return l;
}
QAction* action(QToolBar* bar, const char* name, const QString& caption, const QString& hint) {
    QAction* a = bar->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    const int sep = hint.indexOf('|');
    if (sep > 0) a->setToolTip(hint.left(sep));
    a->setStatusTip(longHint(hint));
    return a;
}
QToolButton* webButton(const char* name) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("www"));
    b->setEnabled(false); // until the opener gives a search
    b->setToolTip(QStringLiteral("Search the web"));
    b->setStatusTip(QStringLiteral(" Search the web"));
    return b;
}
QIcon typeIcon(int type) {
    static const QColor colors[3] = {QColor(0, 0, 160), QColor(0, 120, 0), QColor(160, 90, 0)};
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setBrush(colors[type]);
    p.setPen(Qt::NoPen);
    if (type == 0)
        p.drawRect(2, 2, 8, 8);
    else if (type == 1)
        p.drawEllipse(2, 2, 8, 8);
    else
        p.drawPolygon(QPolygon({QPoint(6, 1), QPoint(11, 10), QPoint(1, 10)}));
    return QIcon(pm);
}
} // namespace

TfrmUnitEdit::TfrmUnitEdit(QString unitConverterDir, QWidget* parent)
    : QDialog(parent), fDir(std::move(unitConverterDir)) {
    setObjectName(QStringLiteral("frmUnitEdit"));
    setWindowTitle(tr("Unit File Editor"));
    resize(815, 593);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);

    auto* tbMain = named(new QToolBar, "tbMain");
    tbMain->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbOpen = action(tbMain, "tbOpen", tr("   Open "), tr("| Open existing units file"));
    tbSave = action(tbMain, "tbSave", tr("Save As"), tr("| Save the edited units into a file"));
    tbMain->addSeparator();
    tbFilter = action(tbMain, "tbFilter", tr("   Filter "),
                      tr("| Include / Exclude units and categories from showing  up "
                         "(\"enabled\" property)"));
    tbFilter->setCheckable(true);
    tbValidation = action(tbMain, "tbValidation", tr("Validate "),
                          tr("| Validation of all units/cats in the data file"));
    tbMain->addSeparator();
    tbDone = action(tbMain, "tbDone", tr("   Done"),
                    tr("| Validate all enabled units/cats, Save the changes and Exit editor"));
    tbCancel =
        action(tbMain, "tbCancel", tr("  Cancel"), tr("| Cancel the changes and Exit editor"));
    tbHelp = action(tbMain, "tbHelp", tr("   Help"), tr("| Help with the editor"));
    tbHelp->setEnabled(false); // until a help opener is set
    box->addWidget(tbMain);

    pcPages = named(new QTabWidget, "pcPages");
    pcPages->setTabPosition(QTabWidget::South);
    box->addWidget(pcPages, 1);

    // Editor page: tree with its tool bar and the error panel, the panels on the right.
    auto* split = new QSplitter(Qt::Horizontal);
    auto* left = new QWidget;
    auto* leftBox = new QVBoxLayout(left);
    leftBox->setContentsMargins(2, 2, 2, 2);
    auto* tbTree = named(new QToolBar, "tbTree");
    tbTree->setIconSize(QSize(14, 14));
    tbAdd = action(tbTree, "tbAdd", tr("Add"), tr("Add| Add new child node of the selected one"));
    tbDelete = action(tbTree, "tbDelete", tr("Del"), tr("Delete| Delete selected node"));
    tbTree->addSeparator();
    tbUp = action(tbTree, "tbUp", tr("Up"), tr("Up| Move selected node UP"));
    tbDown = action(tbTree, "tbDown", tr("Down"), tr("Down| Move selected node DOWN"));
    tbTree->addSeparator();
    tbCut =
        action(tbTree, "tbCut", tr("Cut"), tr("Cut| Cut selected node into the node-clipboard"));
    tbCopy = action(tbTree, "tbCopy", tr("Copy"),
                    tr("Copy| Copy selected node into the node-clipboard"));
    tbPaste =
        action(tbTree, "tbPaste", tr("Paste"), tr("Paste| Paste a node from the node-clipboard"));
    tbTree->addSeparator();
    tbExpand = action(tbTree, "tbExpand", tr("+"), tr("Expand| Full expand of all the nodes"));
    tbCollapse =
        action(tbTree, "tbCollapse", tr("-"), tr("Collapse| Full collapse of all the nodes"));
    leftBox->addWidget(tbTree);
    spLeft = new QSplitter(Qt::Vertical);
    tvUnits = named(new QTreeWidget, "tvUnits");
    tvUnits->setHeaderHidden(true);
    tvUnits->setMouseTracking(true);
    tvUnits->setUniformRowHeights(true);
    spLeft->addWidget(tvUnits);
    pnlErrors = new QWidget;
    auto* errBox = new QVBoxLayout(pnlErrors);
    errBox->setContentsMargins(0, 0, 0, 0);
    errBox->addWidget(header(tr("E r r o r s  (double click to see the error location)")));
    lbErrors = named(new QListWidget, "lbErrors");
    errBox->addWidget(lbErrors);
    spLeft->addWidget(pnlErrors);
    pnlErrors->hide();
    leftBox->addWidget(spLeft, 1);
    split->addWidget(left);

    pcPanels = named(new QStackedWidget, "pcPanels");
    pcPanels->addWidget(new QWidget);
    pcPanels->addWidget(buildCategoryPanel());
    pcPanels->addWidget(buildUnitPanel());
    pcPanels->addWidget(buildFilterPanel());
    split->addWidget(pcPanels);
    split->setSizes({400, 415});
    pcPages->addTab(split, tr(" Editor  "));

    edXml = named(new QsciScintilla, "edXml");
    auto* lexer = new QsciLexerXML(edXml);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(10);
    lexer->setDefaultFont(mono);
    lexer->setFont(mono);
    edXml->setLexer(lexer);
    edXml->setMarginType(0, QsciScintilla::NumberMargin);
    edXml->setMarginWidth(0, QStringLiteral("000000"));
    edXml->setMarginLineNumbers(0, true);
    edXml->setEdgeMode(QsciScintilla::EdgeLine);
    edXml->setEdgeColumn(255);
    edXml->setEolMode(QsciScintilla::EolWindows);
    fXmlPage = pcPages->addTab(edXml, tr("   XML  "));

    sbEditor = named(new QStatusBar, "sbEditor");
    sbEditor->setSizeGripEnabled(false);
    box->addWidget(sbEditor);

    connect(tvUnits, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* cur, QTreeWidgetItem*) {
                if (fModel.filterMode()) return;
                if (cur)
                    fModel.Select(pathOf(cur));
                else
                    fModel.Deselect();
                showPanel();
            });
    connect(tvUnits, &QTreeWidget::itemEntered, this, [this](QTreeWidgetItem* w, int) {
        bool isError = false;
        const std::string t = fModel.hoverText(pathOf(w), isError);
        setStatus(qs(t), isError);
    });
    connect(lbErrors, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* li) {
        const int row = lbErrors->row(li);
        if (row < 0 || row >= static_cast<int>(fModel.errors().size())) return;
        const ItemPath p = fModel.pathOf(fModel.errors()[row].node);
        if (!p.valid()) return;
        if (QTreeWidgetItem* w = widgetItem(p)) {
            tvUnits->clearSelection();
            for (QTreeWidgetItem* up = w->parent(); up; up = up->parent())
                up->setExpanded(true);
            tvUnits->setCurrentItem(w);
        }
    });
    connect(tbAdd, &QAction::triggered, this, [this] { treeAction(0); });
    connect(tbDelete, &QAction::triggered, this, [this] { treeAction(1); });
    connect(tbUp, &QAction::triggered, this, [this] { treeAction(2); });
    connect(tbDown, &QAction::triggered, this, [this] { treeAction(3); });
    connect(tbCut, &QAction::triggered, this, [this] { treeAction(4); });
    connect(tbCopy, &QAction::triggered, this, [this] { treeAction(5); });
    connect(tbPaste, &QAction::triggered, this, [this] { treeAction(6); });
    connect(tbExpand, &QAction::triggered, tvUnits, &QTreeWidget::expandAll);
    connect(tbCollapse, &QAction::triggered, tvUnits, &QTreeWidget::collapseAll);
    connect(tbValidation, &QAction::triggered, this, &TfrmUnitEdit::doValidate);
    connect(tbDone, &QAction::triggered, this, &TfrmUnitEdit::doDone);
    connect(tbSave, &QAction::triggered, this, &TfrmUnitEdit::doSaveAs);
    connect(tbOpen, &QAction::triggered, this, &TfrmUnitEdit::doOpen);
    connect(tbCancel, &QAction::triggered, this, &QDialog::reject);
    connect(tbHelp, &QAction::triggered, this, [this] {
        if (fHelp) fHelp(HelpContext);
    });
    connect(tbFilter, &QAction::toggled, this, &TfrmUnitEdit::filterToggled);
    connect(pcPages, &QTabWidget::currentChanged, this, &TfrmUnitEdit::pageChanged);
    showPanel();
}

QWidget* TfrmUnitEdit::buildCategoryPanel() {
    auto* w = named(new QWidget, "pnlCategory");
    auto* box = new QVBoxLayout(w);
    box->addWidget(header(tr("C a t e g o r y")));
    auto* form = new QFormLayout;
    chkCatEnabled = named(new QCheckBox(tr("Enabled")), "chkCatEnabled");
    form->addRow(chkCatEnabled);
    cbCatType = named(new QComboBox, "cbCatType");
    for (const char* l : TfrmUnitEditModel::kCategoryTypeLabels)
        cbCatType->addItem(QString::fromLatin1(l));
    form->addRow(tr("Type"), cbCatType);
    eCatName = named(new QLineEdit, "eCatName");
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(eCatName, 1);
    sbCatSearch = webButton("sbCatSearch");
    nameRow->addWidget(sbCatSearch);
    connect(sbCatSearch, &QToolButton::clicked, this, [this] {
        if (fSearchWeb) fSearchWeb(eCatName->text().toStdString(), "");
    });
    form->addRow(tr("Category Name"), nameRow);
    eCatComment = named(new QLineEdit, "eCatComment");
    form->addRow(tr("Comment"), eCatComment);
    box->addLayout(form);
    box->addStretch(1);
    connect(chkCatEnabled, &QCheckBox::toggled, this, &TfrmUnitEdit::categoryEdited);
    connect(cbCatType, &QComboBox::activated, this, &TfrmUnitEdit::categoryEdited);
    connect(eCatName, &QLineEdit::textEdited, this, &TfrmUnitEdit::categoryEdited);
    connect(eCatComment, &QLineEdit::textEdited, this, &TfrmUnitEdit::categoryEdited);
    return w;
}

QWidget* TfrmUnitEdit::buildUnitPanel() {
    auto* w = named(new QWidget, "pnlUnit");
    auto* box = new QVBoxLayout(w);
    box->addWidget(header(tr("U n i t")));
    auto* form = new QFormLayout;
    chkUnitEnabled = named(new QCheckBox(tr("Enabled")), "chkUnitEnabled");
    form->addRow(chkUnitEnabled);
    cbUnitType = named(new QComboBox, "cbUnitType");
    for (int i = 0; i < 3; ++i)
        cbUnitType->addItem(typeIcon(i),
                            QString::fromLatin1(TfrmUnitEditModel::kUnitTypeLabels[i]));
    form->addRow(tr("Unit Type"), cbUnitType);
    eUnitName = named(new QLineEdit, "eUnitName");
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(eUnitName, 1);
    sbUnitSearch = webButton("sbUnitSearch");
    nameRow->addWidget(sbUnitSearch);
    connect(sbUnitSearch, &QToolButton::clicked, this, [this] {
        if (fSearchWeb) fSearchWeb("", eUnitName->text().toStdString());
    });
    form->addRow(tr("Unit Name"), nameRow);
    lbSymbol = new QLabel(tr("Unit Symbol"));
    eUnitSymbol = named(new QLineEdit, "eUnitSymbol");
    form->addRow(lbSymbol, eUnitSymbol);
    box->addLayout(form);
    box->addWidget(header(tr("K e y w o r d s")));
    chklKeywords = named(new QListWidget, "chklKeywords");
    chklKeywords->setFlow(QListView::TopToBottom);
    chklKeywords->setWrapping(true);
    chklKeywords->setResizeMode(QListView::Adjust);
    box->addWidget(chklKeywords, 1);
    auto* form2 = new QFormLayout;
    eUnitComment = named(new QLineEdit, "eUnitComment");
    form2->addRow(tr("Comment"), eUnitComment);
    box->addLayout(form2);

    pcTypePages = named(new QStackedWidget, "pcTypePages");
    pcTypePages->addWidget(new QWidget);
    auto* si = new QWidget;
    auto* siForm = new QFormLayout(si);
    eInBaseUnits = named(new QLineEdit, "eInBaseUnits");
    siForm->addRow(tr("In Base Units (optional)"), eInBaseUnits);
    siForm->addRow(new QLabel(tr("Use only the base units: m, kg, s, A, K, mol, cd")));
    pcTypePages->addWidget(si);
    auto* fa = new QWidget;
    auto* faForm = new QFormLayout(fa);
    eFactor = named(new QLineEdit, "eFactor");
    faForm->addRow(tr("Conversion factor"), eFactor);
    pcTypePages->addWidget(fa);
    auto* ru = new QWidget;
    auto* ruForm = new QFormLayout(ru);
    eRuleFrom = named(new QLineEdit, "eRuleFrom");
    eRuleTo = named(new QLineEdit, "eRuleTo");
    ruForm->addRow(tr("Conversion rule from SI unit"), eRuleFrom);
    ruForm->addRow(tr("Conversion rule to SI unit"), eRuleTo);
    ruForm->addRow(new QLabel(tr(" Use # symbol to mark the input variable")));
    pcTypePages->addWidget(ru);
    box->addWidget(pcTypePages);

    connect(chkUnitEnabled, &QCheckBox::toggled, this, &TfrmUnitEdit::unitEdited);
    connect(cbUnitType, &QComboBox::activated, this, &TfrmUnitEdit::unitTypeChosen);
    for (QLineEdit* e :
         {eUnitName, eUnitSymbol, eUnitComment, eInBaseUnits, eFactor, eRuleFrom, eRuleTo})
        connect(e, &QLineEdit::textEdited, this, &TfrmUnitEdit::unitEdited);
    connect(chklKeywords, &QListWidget::itemChanged, this, &TfrmUnitEdit::unitEdited);
    return w;
}

QWidget* TfrmUnitEdit::buildFilterPanel() {
    auto* w = named(new QWidget, "pnlFilter");
    auto* box = new QVBoxLayout(w);
    box->addWidget(header(tr("F i l t e r")));
    auto* bar = new QToolBar;
    QAction* on = action(bar, "tbSwitchEnabled", tr("Enable the units "), {});
    QAction* off = action(bar, "tbSwtchDisabled", tr(" Disable the units "), {});
    tbStats = action(bar, "tbStats", tr("   Statistics"), {});
    tbStats->setCheckable(true);
    box->addWidget(bar);
    auto* gb = new QGroupBox(tr(" From selected domains "));
    auto* gbBox = new QVBoxLayout(gb);
    chklDomains = named(new QListWidget, "chklDomains");
    gbBox->addWidget(chklDomains);
    box->addWidget(gb, 1);
    auto* where = new QGroupBox(tr(" Where... "));
    auto* whereBox = new QVBoxLayout(where);
    rbOr = new QRadioButton(tr(" ... at least one of the checked keywords is found (OR)"));
    rbAnd = new QRadioButton(tr(" ...all the checked keywords are found (AND)"));
    rbOr->setChecked(true);
    whereBox->addWidget(rbOr);
    whereBox->addWidget(rbAnd);
    box->addWidget(where);
    chklFilterKeywords = named(new QListWidget, "chklFilterKeywords");
    chklFilterKeywords->setFlow(QListView::TopToBottom);
    chklFilterKeywords->setWrapping(true);
    chklFilterKeywords->setResizeMode(QListView::Adjust);
    box->addWidget(chklFilterKeywords, 1);
    pcFilterBottom = new QStackedWidget;
    auto* note = new QPlainTextEdit;
    note->setReadOnly(true);
    note->setPlainText(
        tr("\nEnabled property of a unit or category will switch the \nitem On/Off, only for the "
           "units converter. Disabled items can be \nturned back On.\n\nYou can manually "
           "Enable/Disable any unit or category \n- select it and use Enabled checkbox.\nThe "
           "filter works you only with units, categories don't \nhave keywords."));
    pcFilterBottom->addWidget(note);
    sgStats = named(new QTableWidget(3, 4), "sgStats");
    sgStats->horizontalHeader()->hide();
    sgStats->verticalHeader()->hide();
    sgStats->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pcFilterBottom->addWidget(sgStats);
    box->addWidget(pcFilterBottom, 1);
    connect(on, &QAction::triggered, this, [this] { switchEnabled(true); });
    connect(off, &QAction::triggered, this, [this] { switchEnabled(false); });
    connect(tbStats, &QAction::toggled, this, &TfrmUnitEdit::statsToggled);
    return w;
}

bool TfrmUnitEdit::load(const QString& unitsFilename) {
    {
        QSignalBlocker b(tbFilter);
        tbFilter->setChecked(false);
    }
    std::optional<std::string> err;
    try {
        err = fModel.Execute(unitsFilename.toStdString());
    } catch (const std::exception& e) {
        err = e.what();
    }
    setWindowTitle(qs(fModel.caption()));
    if (err) {
        QMessageBox::critical(this, windowTitle(), qs(*err));
        return false;
    }
    {
        QSignalBlocker b(pcPages);
        pcPages->setCurrentIndex(0);
        edXml->setText(qs(fModel.loadedText()));
    }
    rebuildTree();
    return true;
}

void TfrmUnitEdit::setSearchWeb(
    std::function<void(const std::string&, const std::string&)> search) {
    fSearchWeb = std::move(search);
    sbCatSearch->setEnabled(bool(fSearchWeb));
    sbUnitSearch->setEnabled(bool(fSearchWeb));
}

void TfrmUnitEdit::setHelp(std::function<void(int)> help) {
    fHelp = std::move(help);
    tbHelp->setEnabled(bool(fHelp));
}

bool TfrmUnitEdit::validating(const std::function<bool(const ProgressFn&)>& check) {
    bool ok = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmProgressMsg::instance(this)->during([&](const ProgressFn& p) { ok = check(p); });
    QApplication::restoreOverrideCursor();
    return ok;
}

bool TfrmUnitEdit::Execute(const QString& unitsFilename) {
    if (!load(unitsFilename)) return false;
    if (isVisible()) return false; // Open inside the editor: the new file replaces the old
    return exec() == QDialog::Accepted;
}

QString TfrmUnitEdit::Filename() const {
    return qs(fModel.Filename());
}

void TfrmUnitEdit::rebuildTree() {
    QSignalBlocker b(tvUnits);
    tvUnits->clear();
    QList<QTreeWidgetItem*> tops;
    for (const EditItem& d : fModel.tree()) {
        auto* dw = new QTreeWidgetItem;
        styleItem(dw, d);
        for (const EditItem& c : d.children) {
            auto* cw = new QTreeWidgetItem(dw);
            styleItem(cw, c);
            for (const EditItem& u : c.children)
                styleItem(new QTreeWidgetItem(cw), u);
        }
        tops.push_back(dw);
    }
    tvUnits->addTopLevelItems(tops); // one insertion for the whole tree
    chklDomains->clear();
    for (const auto& name : fModel.filterDomains()) {
        auto* li = new QListWidgetItem(qs(name), chklDomains);
        li->setCheckState(Qt::Unchecked);
    }
    for (QListWidget* l : {chklKeywords, chklFilterKeywords}) {
        QSignalBlocker lb(l);
        l->clear();
        for (const auto& k : fModel.keywordList()) {
            auto* li = new QListWidgetItem(qs(k), l);
            li->setCheckState(Qt::Unchecked);
        }
    }
    showErrors();
    const ItemPath first = fModel.initialSelection();
    if (QTreeWidgetItem* w = widgetItem(first)) {
        w->parent()->setExpanded(true);
        w->setExpanded(true);
        b.unblock();
        tvUnits->setCurrentItem(w);
    } else {
        showPanel();
    }
}

void TfrmUnitEdit::styleItem(QTreeWidgetItem* w, const EditItem& it) {
    w->setText(0, qs(it.text));
    QFont f = tvUnits->font();
    f.setBold(it.style.bold);
    f.setItalic(it.style.italic);
    w->setFont(0, f);
    w->setForeground(0, QColor::fromRgb(it.style.color));
    // Disabled items stand out on a framed, shaded row.
    w->setBackground(0, it.style.frame ? QBrush(QColor(232, 232, 232)) : QBrush());
    w->setIcon(0, it.style.icon >= 0 ? typeIcon(it.style.icon) : QIcon());
}

void TfrmUnitEdit::restyleAll() {
    const auto& tree = fModel.tree();
    for (int d = 0; d < tvUnits->topLevelItemCount() && d < int(tree.size()); ++d) {
        QTreeWidgetItem* dw = tvUnits->topLevelItem(d);
        for (int c = 0; c < dw->childCount() && c < int(tree[d].children.size()); ++c) {
            QTreeWidgetItem* cw = dw->child(c);
            const EditItem& ci = tree[d].children[c];
            styleItem(cw, ci);
            for (int u = 0; u < cw->childCount() && u < int(ci.children.size()); ++u)
                styleItem(cw->child(u), ci.children[u]);
        }
    }
}

QTreeWidgetItem* TfrmUnitEdit::widgetItem(const ItemPath& p) const {
    if (!p.valid() || p.d >= tvUnits->topLevelItemCount()) return nullptr;
    QTreeWidgetItem* w = tvUnits->topLevelItem(p.d);
    if (p.c >= 0) w = p.c < w->childCount() ? w->child(p.c) : nullptr;
    if (w && p.u >= 0) w = p.u < w->childCount() ? w->child(p.u) : nullptr;
    return w;
}

ItemPath TfrmUnitEdit::pathOf(QTreeWidgetItem* w) const {
    if (!w) return {};
    std::vector<int> idx;
    for (; w->parent(); w = w->parent())
        idx.insert(idx.begin(), w->parent()->indexOfChild(w));
    ItemPath p;
    p.d = tvUnits->indexOfTopLevelItem(w);
    if (idx.size() > 0) p.c = idx[0];
    if (idx.size() > 1) p.u = idx[1];
    return p;
}

void TfrmUnitEdit::selectInTree(const ItemPath& p) {
    QSignalBlocker b(tvUnits);
    QTreeWidgetItem* w = widgetItem(p);
    tvUnits->setCurrentItem(w);
    if (!w) tvUnits->clearSelection();
    if (w && w->parent()) w->parent()->setExpanded(true);
}

void TfrmUnitEdit::showPanel() {
    const TreeButtons b = fModel.buttons();
    tbAdd->setEnabled(b.add);
    tbDelete->setEnabled(b.del);
    tbUp->setEnabled(b.up);
    tbDown->setEnabled(b.down);
    tbCut->setEnabled(b.cut);
    tbCopy->setEnabled(b.copy);
    tbPaste->setEnabled(b.paste);
    switch (fModel.panel()) {
    case EditPanel::None:
        pcPanels->setCurrentIndex(0);
        return;
    case EditPanel::Filter:
        pcPanels->setCurrentIndex(3);
        return;
    case EditPanel::Category: {
        pcPanels->setCurrentIndex(1);
        const CategoryFields& f = fModel.categoryFields();
        const QSignalBlocker b1(chkCatEnabled), b2(cbCatType), b3(eCatName), b4(eCatComment);
        chkCatEnabled->setChecked(f.enabled);
        cbCatType->setCurrentIndex(f.type);
        eCatName->setText(qs(f.name));
        eCatComment->setText(qs(f.comment));
        eCatComment->setCursorPosition(0);
        return;
    }
    case EditPanel::Unit: {
        pcPanels->setCurrentIndex(2);
        const UnitFields& f = fModel.unitFields();
        const QSignalBlocker b1(chkUnitEnabled), b2(cbUnitType), b3(eUnitName), b4(eUnitSymbol),
            b5(chklKeywords), b6(eUnitComment), b7(eInBaseUnits), b8(eFactor), b9(eRuleFrom),
            b10(eRuleTo);
        chkUnitEnabled->setChecked(f.enabled);
        chkUnitEnabled->setEnabled(f.enabledUsable);
        cbUnitType->setCurrentIndex(f.type);
        eUnitName->setText(qs(f.name));
        eUnitSymbol->setText(qs(f.symbol));
        lbSymbol->setText(f.symbolIsDefinition ? tr("Unit Definition") : tr("Unit Symbol"));
        for (int i = 0; i < chklKeywords->count() && i < int(f.keywords.size()); ++i)
            chklKeywords->item(i)->setCheckState(f.keywords[i] ? Qt::Checked : Qt::Unchecked);
        eUnitComment->setText(qs(f.comment));
        eUnitComment->setCursorPosition(0);
        pcTypePages->setCurrentIndex(f.typePage + 1);
        eInBaseUnits->setText(qs(f.inBaseUnits));
        eFactor->setText(qs(f.factor));
        eRuleFrom->setText(qs(f.ruleFrom));
        eRuleTo->setText(qs(f.ruleTo));
        return;
    }
    }
}

void TfrmUnitEdit::syncSelectedItem() {
    const ItemPath p = fModel.selected();
    if (QTreeWidgetItem* w = widgetItem(p))
        if (const EditItem* it = fModel.item(p)) styleItem(w, *it);
}

void TfrmUnitEdit::categoryEdited() {
    CategoryFields f;
    f.enabled = chkCatEnabled->isChecked();
    f.type = cbCatType->currentIndex();
    f.name = eCatName->text().toStdString();
    f.comment = eCatComment->text().toStdString();
    fModel.setCategoryFields(f);
    syncSelectedItem();
}

void TfrmUnitEdit::unitEdited() {
    UnitFields f = fModel.unitFields();
    f.enabled = chkUnitEnabled->isChecked();
    f.name = eUnitName->text().toStdString();
    f.symbol = eUnitSymbol->text().toStdString();
    f.keywords.assign(chklKeywords->count(), false);
    for (int i = 0; i < chklKeywords->count(); ++i)
        f.keywords[i] = chklKeywords->item(i)->checkState() == Qt::Checked;
    f.comment = eUnitComment->text().toStdString();
    f.inBaseUnits = eInBaseUnits->text().toStdString();
    f.factor = eFactor->text().toStdString();
    f.ruleFrom = eRuleFrom->text().toStdString();
    f.ruleTo = eRuleTo->text().toStdString();
    fModel.setUnitFields(f);
    syncSelectedItem();
}

void TfrmUnitEdit::unitTypeChosen(int index) {
    unitEdited(); // what the other fields hold now goes along with the type change
    fModel.changeUnitType(index);
    showPanel();
    syncSelectedItem();
}

void TfrmUnitEdit::treeAction(int which) {
    const ItemPath before = fModel.selected();
    QTreeWidgetItem* w = widgetItem(before);
    if (!w) return;
    auto addItem = [this](const ItemPath& p) {
        const EditItem* it = fModel.item(p);
        QTreeWidgetItem* parent =
            widgetItem(p.level() == 1 ? ItemPath{p.d, -1, -1} : ItemPath{p.d, p.c, -1});
        if (!it || !parent) return;
        auto* nw = new QTreeWidgetItem;
        styleItem(nw, *it);
        for (const EditItem& u : it->children)
            styleItem(new QTreeWidgetItem(nw), u);
        parent->addChild(nw);
    };
    QSignalBlocker b(tvUnits);
    switch (which) {
    case 0:
        addItem(fModel.Add());
        break;
    case 1:
    case 4:
        if (which == 4)
            QApplication::clipboard()->setText(qs(fModel.Cut()));
        else
            fModel.Delete();
        delete w;
        break;
    case 2:
    case 3: {
        QTreeWidgetItem* parent = w->parent();
        const int from = parent->indexOfChild(w);
        const ItemPath after = which == 2 ? fModel.Up() : fModel.Down();
        const int to = after.level() == 1 ? after.c : after.u;
        const bool expanded = w->isExpanded();
        parent->insertChild(to, parent->takeChild(from));
        w->setExpanded(expanded);
        break;
    }
    case 5:
        QApplication::clipboard()->setText(qs(fModel.Copy()));
        break;
    case 6: {
        const ItemPath p = fModel.Paste();
        if (p.valid()) addItem(p);
        break;
    }
    }
    b.unblock();
    selectInTree(fModel.selected());
    showPanel();
}

void TfrmUnitEdit::showErrors() {
    lbErrors->clear();
    const auto& errors = fModel.errors();
    for (const auto& e : errors)
        lbErrors->addItem(qs(e.message));
    pnlErrors->setVisible(!errors.empty());
    if (!errors.empty()) spLeft->setSizes({spLeft->height() * 2 / 3, spLeft->height() / 3});
}

bool TfrmUnitEdit::onXmlPage() const {
    return pcPages->currentIndex() == fXmlPage;
}

void TfrmUnitEdit::pageChanged(int index) {
    if (index == fXmlPage) {
        edXml->setText(qs(fModel.writerText()));
    } else if (auto err = fModel.BuildTree(edXml->text().toStdString())) {
        // Back to the text, so what the user typed there is neither lost nor ignored.
        {
            QSignalBlocker b(pcPages);
            pcPages->setCurrentIndex(fXmlPage);
        }
        QMessageBox::critical(this, windowTitle(), qs(*err));
        index = fXmlPage;
    } else {
        tbFilter->setChecked(false);
        rebuildTree();
    }
    tbFilter->setEnabled(index != fXmlPage);
    tbValidation->setEnabled(index != fXmlPage);
}

void TfrmUnitEdit::doValidate() {
    const bool ok = validating([this](const ProgressFn& p) { return fModel.Validate(false, p); });
    if (ok)
        QMessageBox::information(this, windowTitle(), tr(TfrmUnitEditModel::kValidationConfirmed));
    restyleAll();
    showErrors();
}

void TfrmUnitEdit::doDone() {
    const std::string xml = onXmlPage() ? edXml->text().toStdString() : std::string();
    TfrmUnitEditModel::SaveResult r;
    validating([&](const ProgressFn& p) {
        r = fModel.Done(onXmlPage() ? &xml : nullptr, p);
        return r.ok;
    });
    if (r.ok) {
        accept();
        return;
    }
    refused(r.message);
}

void TfrmUnitEdit::refused(const std::string& message) {
    if (message != TfrmUnitEditModel::kDoneRefused) { // a parse or write failure
        QMessageBox::critical(this, windowTitle(), qs(message));
        return;
    }
    if (onXmlPage()) rebuildTree(); // the model was rebuilt from the text
    restyleAll();
    showErrors();
    QMessageBox::warning(this, windowTitle(), qs(message));
}

void TfrmUnitEdit::doSaveAs() {
    const std::string xml = onXmlPage() ? edXml->text().toStdString() : std::string();
    const std::string* xmlPtr = onXmlPage() ? &xml : nullptr;
    TfrmUnitEditModel::SaveResult r;
    validating([&](const ProgressFn& p) {
        r = fModel.CheckBeforeSave(xmlPtr, p);
        return r.ok;
    });
    if (!r.ok) {
        refused(r.message);
        return;
    }
    if (xmlPtr) rebuildTree();
    const QString start = fileExists(fModel.Filename()) ? qs(fModel.Filename()) : fDir;
    QString path = QFileDialog::getSaveFileName(this, tr("Save Tarnel Units File"), start,
                                                tr("Tarnel Units (*.unt)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".unt");
    if (!onXmlPage()) edXml->setText(qs(fModel.documentText()));
    r = fModel.SaveAs(path.toStdString(), xmlPtr);
    if (!r.ok) {
        QMessageBox::critical(this, windowTitle(), qs(r.message));
        return;
    }
    setWindowTitle(tr("Unit File Editor  (") + path + tr(")"));
}

void TfrmUnitEdit::doOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Tarnel Units File"), fDir,
                                                      tr("Tarnel Units (*.unt)"));
    if (!path.isEmpty()) load(path);
}

void TfrmUnitEdit::filterToggled(bool on) {
    fModel.setFilterMode(on);
    if (!on) { // the item selected now, which may have changed during the filter mode
        if (QTreeWidgetItem* cur = tvUnits->currentItem())
            fModel.Select(pathOf(cur));
        else
            fModel.Deselect();
    }
    if (on) {
        QSignalBlocker b(tbStats);
        tbStats->setChecked(false);
        pcFilterBottom->setCurrentIndex(0);
    }
    showPanel();
}

void TfrmUnitEdit::switchEnabled(bool enable) {
    std::vector<bool> domains, keywords;
    for (int i = 0; i < chklDomains->count(); ++i)
        domains.push_back(chklDomains->item(i)->checkState() == Qt::Checked);
    for (int i = 0; i < chklFilterKeywords->count(); ++i)
        keywords.push_back(chklFilterKeywords->item(i)->checkState() == Qt::Checked);
    const int n = fModel.SwitchEnabled(domains, keywords, rbAnd->isChecked(), enable);
    restyleAll();
    setStatus(tr(" %1 units switched").arg(n));
}

void TfrmUnitEdit::statsToggled(bool on) {
    pcFilterBottom->setCurrentIndex(on ? 1 : 0);
    if (!on) return;
    EditStats s;
    try {
        s = fModel.Statistics();
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), qs(e.what()));
        return;
    }
    auto cell = [this](int col, int row, const QString& t) {
        sgStats->setItem(row, col, new QTableWidgetItem(t));
    };
    cell(1, 0, tr("Enabled"));
    cell(2, 0, tr("Total"));
    cell(3, 0, tr("Possible Conversions"));
    cell(0, 1, tr("Categories"));
    cell(0, 2, tr("Units"));
    cell(1, 1, QString::number(s.catsEnabled));
    cell(2, 1, QString::number(s.catsTotal));
    cell(1, 2, QString::number(s.unitsEnabled));
    cell(2, 2, QString::number(s.unitsTotal));
    cell(3, 2, QString::number(s.conversions));
}

void TfrmUnitEdit::setStatus(const QString& text, bool error) {
    sbEditor->showMessage(text);
    QPalette pal = sbEditor->palette();
    pal.setColor(QPalette::Window, error ? QApplication::palette().color(QPalette::ToolTipBase)
                                         : QApplication::palette().color(QPalette::Button));
    sbEditor->setAutoFillBackground(true);
    sbEditor->setPalette(pal);
}

bool TfrmUnitEdit::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        if (!tip.isEmpty()) setStatus(QStringLiteral(" ") + tip);
        return true;
    }
    return QDialog::event(e);
}

} // namespace tarnel
