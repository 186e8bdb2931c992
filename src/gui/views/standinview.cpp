#include "gui/views/standinview.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarnel {

StandInView::StandInView(const QString& name, QWidget* parent)
    : QWidget(parent), fName(name), fLabel(new QLabel(this)) {
    setObjectName(name);
    fLabel->setAlignment(Qt::AlignCenter);
    fLabel->setWordWrap(true);
    fLabel->setText(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(fLabel);
}

void StandInView::Init() {
    record("Init");
}

void StandInView::PageChanging(TPageType oldPage, TPageType newPage) {
    record("PageChanging(" + std::to_string(static_cast<int>(oldPage)) + "," +
           std::to_string(static_cast<int>(newPage)) + ")");
}

void StandInView::Execute() {
    record("Execute");
}

void StandInView::OnSourceChange() {
    record("OnSourceChange");
}

void StandInView::record(const std::string& call) {
    fCalls.push_back(call);
    fLabel->setText(fName + "\n" + QString::fromStdString(call));
}

} // namespace tarnel
