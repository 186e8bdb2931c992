#include "gui/views/tfmallunits.h"

#include "gui/widgets/websearch.h"

#include "gui/views/categorytree.h"
#include "gui/views/viewhint.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarnel {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QTableWidget* unitGrid(const QString& name, QWidget* parent) {
    auto* g = new QTableWidget(0, 2, parent);
    g->setObjectName(name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setMouseTracking(true);
    return g;
}
} // namespace

TfmAllUnits::TfmAllUnits(const QString& name, ConverterSession& session, TfmIOModel& io,
                         QWidget* parent)
    : QWidget(parent), fModel(session, io) {
    setObjectName(name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);

    fTree = new CategoryTree(Splitter1);
    pnlDimentions = new QWidget(Splitter1);
    pnlDimentions->setObjectName(QStringLiteral("pnlDimentions"));
    pnlDimentions->installEventFilter(this);
    auto* dims = new QVBoxLayout(pnlDimentions);
    dims->setContentsMargins(2, 0, 0, 0);

    gbSource = new QGroupBox(pnlDimentions);
    gbSource->setObjectName(QStringLiteral("gbSource"));
    gbSource->setStyleSheet(QStringLiteral("QGroupBox#gbSource { background: #f0f0f0; }"));
    auto* src = new QVBoxLayout(gbSource);
    src->setContentsMargins(3, 3, 3, 3);
    tbarDegree = new QWidget(gbSource);
    tbarDegree->setObjectName(QStringLiteral("tbarDegree"));
    auto* bar = new QHBoxLayout(tbarDegree);
    bar->setContentsMargins(0, 0, 0, 0);
    tbNomer = hintedToolButton("tbNomer", " Numerator ", "| Put selected unit in the numerator",
                               tbarDegree);
    tbDenomin = hintedToolButton("tbDenomin", " Denominator ",
                                 "| Put selected unit in the denomerator", tbarDegree);
    sbSearch4Unit = hintedToolButton(
        "sbSearch4Unit", "Web", "Search the web| Search the web for selected unit", tbarDegree);
    sbSearch4Unit->setEnabled(false); // until a unit row is selected
    bar->addWidget(tbNomer);
    bar->addWidget(tbDenomin);
    bar->addStretch(1);
    bar->addWidget(sbSearch4Unit);
    src->addWidget(tbarDegree);
    sgSource = unitGrid("sgSource", gbSource);
    src->addWidget(sgSource, 1);
    dims->addWidget(gbSource, 1);

    gbTarget = new QGroupBox(QStringLiteral(" Target (To) Units "), pnlDimentions);
    gbTarget->setObjectName(QStringLiteral("gbTarget"));
    gbTarget->setStyleSheet(QStringLiteral("QGroupBox#gbTarget { background: #dcebfa; }"));
    auto* trg = new QVBoxLayout(gbTarget);
    trg->setContentsMargins(3, 3, 3, 3);
    sgTarget = unitGrid("sgTarget", gbTarget);
    trg->addWidget(sgTarget, 1);
    dims->addWidget(gbTarget, 0, Qt::AlignBottom);

    fModel.OnChanged = [this] { refresh(); };
    fModel.OnMessage = [this](const std::string& m) { emit message(qs(m)); };

    connect(fTree, &CategoryTree::categorySelected, this,
            [this](int d, int c) { fModel.selectNode(d, c); });
    connect(fTree, &CategoryTree::domainButtonClicked, this,
            [this](const QString& hint) { fModel.domainButtonClicked(hint.toStdString()); });
    connect(fTree, &CategoryTree::searchChanged, this,
            [this](const QString& t) { fModel.setSearchText(t.toStdString()); });
    connect(fTree, &CategoryTree::webSearchClicked, this,
            [this, &session] { searchWebFor(session, selectedCategoryName(), "", fLinkOpener); });
    connect(sbSearch4Unit, &QToolButton::clicked, this, [this, &session] {
        const int r = fModel.sourceRow();
        if (r >= 0 && r < static_cast<int>(fModel.rows().size()))
            searchWebFor(session, selectedCategoryName(),
                         fModel.rows()[static_cast<size_t>(r)].name, fLinkOpener);
    });
    connect(sgSource, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!fRefreshing && sgSource->currentRow() >= 0)
            fModel.selectSourceRow(sgSource->currentRow());
    });
    connect(sgTarget, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!fRefreshing && sgTarget->currentRow() >= 0)
            fModel.selectTargetRow(sgTarget->currentRow());
    });
    connect(sgSource, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        fModel.selectSourceRow(row);
        fModel.include(+1);
    });
    connect(tbNomer, &QToolButton::clicked, this, [this] { fModel.include(+1); });
    connect(tbDenomin, &QToolButton::clicked, this, [this] { fModel.include(-1); });
    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this] { fModel.splitterMoved(fTree->width(), width()); });
    // The grid's hint for a cell is the status-bar text, not a pop-up.
    for (QTableWidget* g : {sgSource, sgTarget})
        connect(g, &QTableWidget::cellEntered, this, [this, g](int row, int) {
            const auto& rows = fModel.rows();
            if (row >= 0 && row < static_cast<int>(rows.size()))
                showStatusHint(g, "| " + qs(rows[static_cast<size_t>(row)].name) + " [" +
                                      qs(rows[static_cast<size_t>(row)].symbol) + "]");
        });
    refresh();
}

void TfmAllUnits::Init() {
    fModel.Init();
    fTree->rebuild(fModel.tree());
    fShownRows = -1;
    refresh();
    resizeEvent(nullptr);
}

void TfmAllUnits::PageChanging(TPageType oldPage, TPageType newPage) {
    fModel.PageChanging(oldPage, newPage);
}

void TfmAllUnits::Execute() {
    fModel.Execute();
}

void TfmAllUnits::OnSourceChange() {
    fModel.OnSourceChange();
}

void TfmAllUnits::fillGrid(QTableWidget* grid) {
    const auto& rows = fModel.rows();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        grid->setItem(r, 0, new QTableWidgetItem(qs(rows[static_cast<size_t>(r)].name)));
        grid->setItem(r, 1, new QTableWidgetItem(qs(rows[static_cast<size_t>(r)].symbol)));
    }
    grid->resizeColumnToContents(0);
}

void TfmAllUnits::selectRow(QTableWidget* grid, int row) {
    if (row < 0 || row >= grid->rowCount()) {
        grid->clearSelection();
        return;
    }
    if (grid->currentRow() != row) grid->setCurrentCell(row, 0);
    grid->selectRow(row);
}

void TfmAllUnits::refresh() {
    // The model's own changes reach the widgets without coming back as user selections.
    fRefreshing = true;
    gbSource->setTitle(qs(fModel.sourceCaption()));
    gbTarget->setVisible(fModel.targetVisible());
    tbarDegree->setVisible(fModel.degreeBarVisible());
    if (fShownRows != fModel.rowsVersion()) {
        fShownRows = fModel.rowsVersion();
        fillGrid(sgSource);
        fillGrid(sgTarget);
    }
    selectRow(sgSource, fModel.sourceRow());
    selectRow(sgTarget, fModel.targetRow());
    sbSearch4Unit->setEnabled(fModel.sourceRow() >= 0);
    if (const int s = fModel.scrollRow(); s >= 0 && s < sgSource->rowCount()) {
        sgSource->scrollToItem(sgSource->item(s, 0), QAbstractItemView::PositionAtCenter);
        sgTarget->scrollToItem(sgTarget->item(s, 0), QAbstractItemView::PositionAtCenter);
    }
    fTree->present(fModel.expanded(), fModel.selected(), fModel.visible(),
                   !fModel.searchText().empty() &&
                       fModel.searchText().find_first_not_of(' ') != std::string::npos);
    fRefreshing = false;
}

void TfmAllUnits::resizeEvent(QResizeEvent* event) {
    if (event) QWidget::resizeEvent(event);
    const int w = width();
    const int left = fModel.treeWidth(w);
    Splitter1->setSizes({left, std::max(0, w - left - Splitter1->handleWidth())});
}

bool TfmAllUnits::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlDimentions && event->type() == QEvent::Resize && fModel.targetVisible())
        gbTarget->setFixedHeight(TfmAllUnitsModel::targetHeight(pnlDimentions->height()));
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnel

namespace tarnel {

std::string TfmAllUnits::selectedCategoryName() const {
    const TreeMatch sel = fModel.selected();
    const auto& domains = fModel.tree().domains();
    if (sel.domain < 0 || sel.domain >= static_cast<int>(domains.size())) return "";
    const auto& cats = domains[static_cast<size_t>(sel.domain)].categories;
    if (sel.category < 0 || sel.category >= static_cast<int>(cats.size())) return "";
    return cats[static_cast<size_t>(sel.category)].name;
}

} // namespace tarnel
