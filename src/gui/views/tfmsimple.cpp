#include "gui/views/tfmsimple.h"

#include "gui/views/tfmsimpleone.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnel {

namespace {
constexpr int kMinUpperHeight = 40;

QVBoxLayout* rowColumn(QWidget* w) {
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->setAlignment(Qt::AlignTop);
    return l;
}
} // namespace

TfmSimple::TfmSimple(TfmIOModel& io, TConvert& iCnv, TConvert& oCnv, QWidget* parent)
    : QWidget(parent), fModel(io, iCnv, oCnv) {
    setObjectName("fmSimple1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlUpper = new QFrame(this);
    pnlUpper->setObjectName("pnlUpper");
    fUpperRows = rowColumn(pnlUpper);
    lbOne = new QLabel("1", pnlUpper);
    lbOne->setObjectName("lbOne");
    lbOne->setAlignment(Qt::AlignCenter);
    lbOne->setStyleSheet("font-weight: bold; font-size: 14pt;");
    lbOne->setFixedHeight(kMinUpperHeight);
    fUpperRows->addWidget(lbOne);

    ShapeDiv = new QFrame(this);
    ShapeDiv->setObjectName("ShapeDiv");
    ShapeDiv->setFixedHeight(3);
    ShapeDiv->setStyleSheet("QFrame#ShapeDiv { background: #274E4E; border: 1px solid navy; }");

    pnlLower = new QFrame(this);
    pnlLower->setObjectName("pnlLower");
    fLowerRows = rowColumn(pnlLower);

    layout->addWidget(pnlUpper);
    layout->addWidget(ShapeDiv);
    layout->addWidget(pnlLower, 1);

    fModel.OnRowsRebuilt = [this] { rebuildRows(); };
    fModel.OnConverted = [this] { afterConversion(); };
    rebuildRows();
}

void TfmSimple::Init() {
    fModel.Init();
}

void TfmSimple::PageChanging(TPageType oldPage, TPageType newPage) {
    fModel.PageChanging(oldPage, newPage);
}

void TfmSimple::Execute() {
    fModel.Execute();
}

void TfmSimple::OnSourceChange() {
    fModel.OnSourceChange();
}

void TfmSimple::rebuildRows() {
    // The old rows' models are gone: their widgets must never be refreshed again.
    for (TfmSimpleOne* w : fRows) {
        w->hide();
        w->deleteLater();
    }
    fRows.clear();
    int upper = 0;
    for (bool lower : {false, true})
        for (TfmSimpleOneModel* row : fModel.rows(lower)) {
            auto* w = new TfmSimpleOne(*row, lower ? pnlLower : pnlUpper);
            (lower ? fLowerRows : fUpperRows)->addWidget(w);
            connect(w, &TfmSimpleOne::hintChanged, this, &TfmSimple::hintChanged);
            fRows.push_back(w);
            if (!lower) ++upper;
        }
    lbOne->setVisible(fModel.upperCaption() == "1");
    pnlUpper->setFixedHeight(std::max(kMinUpperHeight, upper * TfmSimpleOne::kHeight));
}

void TfmSimple::refreshRows() {
    for (TfmSimpleOne* w : fRows)
        w->refresh();
}

void TfmSimple::afterConversion() {
    refreshRows();
    if (!fModel.lastMessage().empty())
        emit conversionMessage(QString::fromStdString(fModel.lastMessage()));
}

} // namespace tarnel
