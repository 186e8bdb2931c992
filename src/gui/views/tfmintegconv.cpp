#include "gui/views/tfmintegconv.h"

#include "gui/widgets/websearch.h"

#include "gui/views/categorytree.h"
#include "gui/views/viewhint.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace tarnel {

namespace {
constexpr int kPanelHeight = 65;
constexpr int kMinPageWidth = 180;

QToolButton* toolButton(const QString& name, const QString& caption, const QString& hint,
                        QToolBar* bar) {
    QToolButton* b = hintedToolButton(name, caption, hint, bar);
    bar->addWidget(b);
    return b;
}
} // namespace

TfmIntegConv::TfmIntegConv(ConverterSession& session, TfmIOModel& io, TfmSimpleModel& sm,
                           QWidget* parent)
    : QFrame(parent), fModel(session, io, sm) {
    setObjectName("fmIntegConv1");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);

    Panel1 = new QWidget(Splitter1);
    Panel1->setObjectName("Panel1");
    fLeftLayout = new QVBoxLayout(Panel1);
    fLeftLayout->setContentsMargins(0, 0, 0, 0);
    fLeftLayout->setSpacing(0);
    pnlIO = new QWidget(Panel1);
    pnlIO->setObjectName("pnlIO");
    pnlIO->setMinimumHeight(kPanelHeight);
    fIOLayout = new QVBoxLayout(pnlIO);
    fIOLayout->setContentsMargins(0, 0, 0, 0);
    fLeftLayout->addWidget(pnlIO);
    auto* rule = new QWidget(Panel1);
    rule->setObjectName("Panel2");
    rule->setFixedHeight(2);
    rule->setAutoFillBackground(true);
    QPalette white = rule->palette();
    white.setColor(QPalette::Window, Qt::white);
    rule->setPalette(white);
    fLeftLayout->addWidget(rule);
    fLeftLayout->addStretch(1);

    PageControl1 = new QTabWidget(Splitter1);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setMinimumWidth(kMinPageWidth);
    PageControl1->setStyleSheet("QTabBar::tab { height: 24px; }");
    tsCategories = new QWidget(PageControl1);
    tsCategories->setObjectName("tsCategories");
    auto* cats = new QVBoxLayout(tsCategories);
    cats->setContentsMargins(0, 0, 0, 0);
    cats->setSpacing(0);
    auto* ToolBar1 = new QToolBar(tsCategories);
    ToolBar1->setObjectName("ToolBar1");
    tbEditMode = toolButton("tbEditMode", "  Edit", "| Enable Edit mode", ToolBar1);
    tbEditMode->setCheckable(true);
    ToolBar1->addSeparator();
    tbNomer =
        toolButton("tbNomer", " Numer.", "| Insert selected category units as numerator", ToolBar1);
    tbDenomin = toolButton("tbDenomin", " Denom.",
                           "| Insert selected category units as denominator", ToolBar1);
    cats->addWidget(ToolBar1);
    fTree = new CategoryTree(tsCategories);
    cats->addWidget(fTree, 1);
    PageControl1->addTab(tsCategories, "Unit Categories");
    tsILog = new QWidget(PageControl1);
    tsILog->setObjectName("tsILog");
    fLogLayout = new QVBoxLayout(tsILog);
    fLogLayout->setContentsMargins(0, 0, 0, 0);
    PageControl1->addTab(tsILog, " History");
    Splitter1->setStretchFactor(0, 1);

    fModel.OnChanged = [this] { refresh(); };
    fModel.OnShowCategories = [this] { PageControl1->setCurrentWidget(tsCategories); };
    connect(tbEditMode, &QToolButton::clicked, this,
            [this](bool down) { fModel.setEditDown(down); });
    connect(tbNomer, &QToolButton::clicked, this, [this] { fModel.include(+1); });
    connect(tbDenomin, &QToolButton::clicked, this, [this] { fModel.include(-1); });
    connect(fTree->tree(), &QTreeWidget::itemDoubleClicked, this, [this] { fModel.include(+1); });
    connect(fTree, &CategoryTree::webSearchClicked, this, [this, &session] {
        const TreeMatch sel = fModel.selected();
        const auto& domains = fModel.tree().domains();
        if (sel.domain >= 0 && sel.domain < static_cast<int>(domains.size()) && sel.category >= 0 &&
            sel.category < static_cast<int>(domains[size_t(sel.domain)].categories.size()))
            searchWebFor(session, domains[size_t(sel.domain)].categories[size_t(sel.category)].name,
                         "", fLinkOpener);
    });
    connect(fTree, &CategoryTree::categorySelected, this, [this](int d, int c) {
        if (!fRefreshing) fModel.selectNode(d, c);
    });
    connect(fTree, &CategoryTree::domainButtonClicked, this,
            [this](const QString& hint) { fModel.domainButtonClicked(hint.toStdString()); });
    connect(fTree, &CategoryTree::searchChanged, this,
            [this](const QString& t) { fModel.setSearchText(t.toStdString()); });
    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this] { fModel.splitterMoved(PageControl1->width(), width()); });
    refresh();
}

void TfmIntegConv::Init() {
    fModel.Init();
    fTree->rebuild(fModel.tree());
    refresh();
    layOut();
}

void TfmIntegConv::rebuildTree() {
    fModel.buildTree();
    fTree->rebuild(fModel.tree());
    refresh();
}

void TfmIntegConv::placePanel(QWidget* io) {
    fIOLayout->addWidget(io);
}

void TfmIntegConv::placeSimple(QWidget* simple) {
    fLeftLayout->insertWidget(2, simple, 1);
    simple->show();
}

void TfmIntegConv::placeHistory(QWidget* history) {
    fLogLayout->addWidget(history);
    history->show();
}

void TfmIntegConv::refresh() {
    fRefreshing = true;
    tbEditMode->setChecked(fModel.editDown());
    tbNomer->setEnabled(fModel.nomerEnabled());
    tbDenomin->setEnabled(fModel.nomerEnabled());
    const std::string& s = fModel.searchText();
    fTree->present(fModel.expanded(), fModel.selected(), fModel.visible(),
                   s.find_first_not_of(' ') != std::string::npos);
    fRefreshing = false;
}

void TfmIntegConv::layOut() {
    const int w = width();
    const int page = std::max(kMinPageWidth, fModel.pageWidth(w));
    Splitter1->setSizes({std::max(0, w - page - Splitter1->handleWidth()), page});
}

void TfmIntegConv::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layOut();
}

} // namespace tarnel
