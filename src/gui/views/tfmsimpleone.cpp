#include "gui/views/tfmsimpleone.h"

#include "core/views/simpleonemodel.h"

#include <algorithm>

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnel {

namespace {
constexpr int kDegreeWidth = 64;
constexpr int kArrowWidth = 26;
constexpr int kSIWidth = 26;

QWidget* panel(const char* name, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    return w;
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QComboBox* unitList(const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setMaxVisibleItems(16);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(4);
    return c;
}

QToolButton* toolButton(const char* name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

/// The status-bar part of a hint "short|long".
QString longHint(const std::string& hint) {
    QString h = QString::fromStdString(hint);
    const int bar = h.indexOf('|');
    if (bar >= 0) h = h.mid(bar + 1);
    return h.startsWith(' ') ? h.mid(1) : h;
}
} // namespace

TfmSimpleOne::TfmSimpleOne(TfmSimpleOneModel& model, QWidget* parent)
    : QFrame(parent), fModel(model) {
    setObjectName(QString::fromStdString(model.name));
    setFixedHeight(kHeight);

    pnlCat = panel("pnlCat", this);
    lbCat = label("lbCat", "", pnlCat);
    sttPlus = label("sttPlus", "", pnlCat);
    sttL2 = label("sttL2", "", pnlCat);
    for (QLabel* l : {sttPlus, sttL2}) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 0.9);
        l->setFont(f);
    }

    pnlSource = panel("pnlSource", this);
    cbInUnit = unitList("cbInUnit", pnlSource);
    sbSI_Source = toolButton("sbSI_Source", pnlSource);
    sbSI_Source->setText("SI");
    sbSI_Source->setToolTip("SI unit");

    pnlDoubleArrow = panel("pnlDoubleArrow", this);
    lbArrows = label("lbArrows", ">>", pnlDoubleArrow);
    lbArrows->setAlignment(Qt::AlignCenter);

    pnlTarget = panel("pnlTarget", this);
    cbOutUnit = unitList("cbOutUnit", pnlTarget);
    sbSI_Target = toolButton("sbSI_Target", pnlTarget);
    sbSI_Target->setText("SI");
    sbSI_Target->setToolTip("SI unit");

    pnlDegree = panel("pnlDegree", this);
    lbDegree = label("lbDegree", "", pnlDegree);
    lbDegree->setStyleSheet("color: #8B0000; font-weight: bold;");
    lbDegree->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sbDegree = panel("sbDegree", pnlDegree);
    auto* spin = new QVBoxLayout(sbDegree);
    spin->setContentsMargins(0, 0, 0, 0);
    spin->setSpacing(0);
    auto* up = toolButton("sbDegreeUp", sbDegree);
    up->setArrowType(Qt::UpArrow);
    auto* down = toolButton("sbDegreeDown", sbDegree);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setFixedSize(18, 15);
        spin->addWidget(b);
    }
    lbX = label("lbX", "x", pnlDegree);
    lbX->setStyleSheet("font-weight: bold;");

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setFrameShadow(QFrame::Plain);

    // User choices only: a programmatic selection runs no handler.
    connect(cbInUnit, &QComboBox::activated, this, [this](int i) { fModel.chooseIn(i); });
    connect(cbOutUnit, &QComboBox::activated, this, [this](int i) { fModel.chooseOut(i); });
    connect(sbSI_Source, &QToolButton::clicked, this, [this] { fModel.siSource(); });
    connect(sbSI_Target, &QToolButton::clicked, this, [this] { fModel.siTarget(); });
    connect(up, &QToolButton::clicked, this, [this] { fModel.degreeUp(); });
    connect(down, &QToolButton::clicked, this, [this] { fModel.degreeDown(); });
    fModel.OnChanged = [this] { refresh(); };
    refresh();
}

void TfmSimpleOne::fillLists() {
    QStringList texts;
    texts.reserve(static_cast<int>(fModel.items().size()));
    for (const TUnitItem& item : fModel.items())
        texts << QString::fromStdString(item.text);
    for (QComboBox* c : {cbInUnit, cbOutUnit}) {
        const QSignalBlocker block(c);
        c->clear();
        c->addItems(texts);
    }
    fItemsVersion = fModel.itemsVersion();
    fFilled = true;
}

void TfmSimpleOne::refresh() {
    if (!fFilled || fItemsVersion != fModel.itemsVersion()) fillLists();
    {
        const QSignalBlocker blockIn(cbInUnit), blockOut(cbOutUnit);
        if (cbInUnit->currentIndex() != fModel.inPos()) cbInUnit->setCurrentIndex(fModel.inPos());
        if (cbOutUnit->currentIndex() != fModel.outPos())
            cbOutUnit->setCurrentIndex(fModel.outPos());
    }
    const QString inHint = longHint(fModel.inHint()), outHint = longHint(fModel.outHint());
    if (cbInUnit->statusTip() != inHint) cbInUnit->setStatusTip(inHint);
    if (cbOutUnit->statusTip() != outHint) {
        cbOutUnit->setStatusTip(outHint);
        emit hintChanged(outHint);
    }
    lbCat->setText(QString::fromStdString(fModel.catCaption()));
    sttPlus->setText(QString::fromStdString(fModel.plusCaption()));
    sttL2->setText(QString::fromStdString(fModel.l2Caption()));
    sttPlus->setVisible(fModel.supShown());
    sttL2->setVisible(fModel.supShown());
    lbDegree->setText(QString::fromStdString(fModel.degreeText()));
    sbDegree->setVisible(fModel.degreeButtonsShown());
    lbX->setVisible(fModel.xShown);
    sbSI_Source->setVisible(fModel.Expanded);
    sbSI_Target->setVisible(fModel.Expanded);
    layOut();
}

void TfmSimpleOne::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layOut();
}

void TfmSimpleOne::layOut() {
    const int w = width();
    const TSimpleRowLayout l =
        TfmSimpleOneModel::layout(w, kDegreeWidth, kArrowWidth, kSIWidth, fModel.Expanded);
    const int h = kHeight - 1;
    pnlCat->setGeometry(0, 0, l.cat, h);
    lbCat->setGeometry(0, 0, l.cat, h);
    const int line = sttPlus->sizeHint().height();
    sttPlus->setGeometry(0, h - 2 * line - 2, l.cat, line);
    sttL2->setGeometry(0, h - line - 2, l.cat, line);
    pnlSource->setGeometry(l.cat, 0, l.source, h);
    pnlDoubleArrow->setGeometry(l.cat + l.source, 0, kArrowWidth, h);
    lbArrows->setGeometry(0, 0, kArrowWidth, h);
    pnlTarget->setGeometry(l.cat + l.source + kArrowWidth, 0, l.source, h);
    pnlDegree->setGeometry(w - kDegreeWidth, 0, kDegreeWidth, h);
    const int listHeight = cbInUnit->sizeHint().height();
    const int top = std::max(0, (h - listHeight) / 2);
    for (QComboBox* c : {cbInUnit, cbOutUnit})
        c->setGeometry(3, top, l.list, listHeight);
    for (QToolButton* b : {sbSI_Source, sbSI_Target})
        b->setGeometry(l.siLeft, top, kSIWidth, listHeight);
    lbDegree->setGeometry(0, 0, 22, h);
    sbDegree->setGeometry(25, (h - 30) / 2, 18, 30);
    lbX->setGeometry(48, 0, 14, h);
    Shape1->setGeometry(0, kHeight - 1, w, 1);
}

} // namespace tarnel
