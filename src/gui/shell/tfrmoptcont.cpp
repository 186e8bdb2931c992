#include "gui/shell/tfrmoptcont.h"

#include "gui/shell/tfmunitoptionswidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnel {

TfrmOptCont::TfrmOptCont(TfmUnitOptions& options, QWidget* parent, std::function<void(int)> help)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptCont"));
    setWindowTitle(tr("Tarnel Unit Converter Options"));
    auto* box = new QVBoxLayout(this);
    fFrame = new TfmUnitOptionsWidget(options, this);
    fFrame->setHelp(help);
    box->addWidget(fFrame, 1);

    auto* buttons = new QHBoxLayout;
    auto* btnHelp = new QPushButton(tr("Help"));
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setEnabled(static_cast<bool>(help));
    connect(btnHelp, &QPushButton::clicked, this, [help] {
        if (help) help(HelpContext);
    });
    auto* btnOK = new QPushButton(tr(" OK"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* btnCancel = new QPushButton(tr("Cancel"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(btnHelp);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    box->addLayout(buttons);

    fFrame->List2Vis();
}

void TfrmOptCont::accept() {
    fFrame->Vis2List();
    QDialog::accept();
}

bool TfrmOptCont::execute(TfmUnitOptions& options, QWidget* parent, std::function<void(int)> help) {
    // A fresh frame per showing: the settings live in `options`, so nothing the user
    // changed and then cancelled can linger in the controls.
    TfrmOptCont dialog(options, parent, std::move(help));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tarnel
