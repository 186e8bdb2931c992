#include "gui/views/tfmbase.h"

#include "gui/views/viewhint.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnel {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QTableWidget* grid(const QString& name, int columns, QWidget* parent) {
    auto* g = new QTableWidget(0, columns, parent);
    g->setObjectName(name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return g;
}

QLabel* header(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QTableWidgetItem* cell(const QString& text) {
    auto* it = new QTableWidgetItem(text);
    it->setTextAlignment(Qt::AlignCenter);
    return it;
}

/// Rows of degree, symbol, "=", definition; the grid keeps `count` rows.
void showRows(QTableWidget* g, const std::vector<BaseRow>& rows, int count) {
    g->clearContents();
    g->setRowCount(std::max<int>(count, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const BaseRow& b = rows[static_cast<size_t>(r)];
        g->setItem(r, 0, cell(QString::number(b.degree)));
        g->setItem(r, 1, cell(qs(b.sym)));
        g->setItem(r, 2, cell(QStringLiteral("=")));
        g->setItem(r, 3, cell(qs(b.def)));
    }
}
} // namespace

TfmBase::TfmBase(ConverterSession& session, TfmIOModel& io, QWidget* parent)
    : QWidget(parent), fModel(session, io) {
    setObjectName(QStringLiteral("fmBase1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);

    Panel5 = new QWidget(Splitter1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto* left = new QVBoxLayout(Panel5);
    left->setContentsMargins(0, 2, 0, 0);
    left->addWidget(header("StaticText3", "Replaced Units", Panel5));
    sgReplacedUnits = grid("sgReplacedUnits", 4, Panel5);
    left->addWidget(sgReplacedUnits);
    left->addWidget(header("sttLeft", "Included Units", Panel5));
    sgIncludedUnits = grid("sgIncludedUnits", 4, Panel5);
    left->addWidget(sgIncludedUnits, 1);

    auto* Panel1 = new QWidget(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* right = new QVBoxLayout(Panel1);
    right->setContentsMargins(2, 2, 0, 0);
    right->addWidget(
        header("StaticText1", "  The left cell unit of seleced row to be included as...", Panel1));
    auto* ToolBar1 = new QToolBar(Panel1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    tbNomin = new QToolButton(ToolBar1);
    tbNomin->setObjectName(QStringLiteral("tbNomin"));
    tbNomin->setText(QStringLiteral(" Numerator"));
    setViewHint(tbNomin, "| Insert selected category units as numerator");
    tbDenomin = new QToolButton(ToolBar1);
    tbDenomin->setObjectName(QStringLiteral("tbDenomin"));
    tbDenomin->setText(QStringLiteral(" Denominator "));
    setViewHint(tbDenomin, "| Insert selected category units as denominator");
    ToolBar1->addWidget(tbNomin);
    ToolBar1->addWidget(tbDenomin);
    right->addWidget(ToolBar1);
    right->addWidget(
        header("StaticText2",
               "  ... and the right cell units - inversed, so the target doesn't change ", Panel1));
    sgAllBaseUnits = grid("sgAllBaseUnits", 3, Panel1);
    right->addWidget(sgAllBaseUnits, 1);

    fModel.OnChanged = [this] { refresh(); };
    fModel.OnMessage = [this](const std::string& m) { emit message(qs(m)); };
    connect(tbNomin, &QToolButton::clicked, this, [this] { includeSelected(+1); });
    connect(tbDenomin, &QToolButton::clicked, this, [this] { includeSelected(-1); });
    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this] { fModel.splitterMoved(Panel5->width(), width()); });
}

void TfmBase::includeSelected(int sign) {
    fModel.include(sgAllBaseUnits->currentRow(), sign);
}

void TfmBase::Init() {
    fModel.Init();
    const auto& all = fModel.allBaseUnits();
    sgAllBaseUnits->clearContents();
    sgAllBaseUnits->setRowCount(static_cast<int>(all.size()));
    for (int r = 0; r < static_cast<int>(all.size()); ++r) {
        sgAllBaseUnits->setItem(r, 0, cell(qs(all[static_cast<size_t>(r)].sym)));
        sgAllBaseUnits->setItem(r, 1, cell(QStringLiteral("=")));
        sgAllBaseUnits->setItem(r, 2, cell(qs(all[static_cast<size_t>(r)].def)));
    }
    sgAllBaseUnits->setColumnWidth(1, 24);
    resizeEvent(nullptr);
}

void TfmBase::PageChanging(TPageType oldPage, TPageType newPage) {
    fModel.PageChanging(oldPage, newPage);
}

void TfmBase::Execute() {
    fModel.Execute();
}

void TfmBase::OnSourceChange() {
    fModel.OnSourceChange();
}

void TfmBase::refresh() {
    showRows(sgReplacedUnits, fModel.replaced(), fModel.replacedRowCount());
    const int rowHeight = sgReplacedUnits->verticalHeader()->defaultSectionSize();
    sgReplacedUnits->setFixedHeight((rowHeight + 1) * fModel.replacedRowCount() + 3);
    showRows(sgIncludedUnits, fModel.included(), fModel.includedRowCount());
    for (QTableWidget* g : {sgReplacedUnits, sgIncludedUnits}) {
        g->setColumnWidth(0, 36);
        g->setColumnWidth(2, 24);
    }
}

void TfmBase::resizeEvent(QResizeEvent* event) {
    if (event) QWidget::resizeEvent(event);
    const int w = width();
    const int left = fModel.leftWidth(w);
    Splitter1->setSizes({left, std::max(0, w - left - Splitter1->handleWidth())});
}

} // namespace tarnel
