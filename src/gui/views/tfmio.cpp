#include "gui/views/tfmio.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace tarnel {

namespace {
constexpr int kRowHeight = 28;
constexpr int kSignWidth = 26;
const QColor kEditModeColour(0xEC, 0xFF, 0xEC);
const QColor kTargetColour(0x00, 0x00, 0x80);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
QColor tooltipBackground() {
    return QToolTip::palette().color(QPalette::ToolTipBase);
}
} // namespace

TfmIO::TfmIO(TfmIOModel& model, QWidget* parent) : QWidget(parent), fModel(model) {
    setObjectName(QStringLiteral("fmIO1"));
    QFont big = font();
    big.setPixelSize(17);

    sgIO = new QTableWidget(2, 4, this);
    sgIO->setObjectName(QStringLiteral("sgIO"));
    sgIO->setFont(big);
    sgIO->horizontalHeader()->hide();
    sgIO->verticalHeader()->hide();
    sgIO->horizontalHeader()->setMinimumSectionSize(0);
    sgIO->horizontalHeader()->setStretchLastSection(true);
    sgIO->verticalHeader()->setMinimumSectionSize(0);
    sgIO->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgIO->verticalHeader()->setDefaultSectionSize(kRowHeight);
    sgIO->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgIO->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgIO->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgIO->setSelectionMode(QAbstractItemView::NoSelection);
    sgIO->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (row == 0) item->setBackground(palette().color(QPalette::Button));
            sgIO->setItem(row, col, item);
        }
    sgIO->setTextElideMode(Qt::ElideNone);
    sgIO->item(0, 2)->setTextAlignment(Qt::AlignCenter);
    QFont hint = big;
    hint.setPixelSize(13); // "<-" fits the narrow sign column
    sgIO->item(0, 2)->setFont(hint);
    sgIO->item(1, 2)->setTextAlignment(Qt::AlignCenter);
    sgIO->item(1, 3)->setForeground(kTargetColour);
    sgIO->horizontalHeader()->resizeSection(2, kSignWidth);
    sgIO->viewport()->installEventFilter(this);

    eSource = new QLineEdit(sgIO->viewport());
    eSource->setObjectName(QStringLiteral("eSource"));
    eSource->setFont(big);
    eSource->installEventFilter(this);
    connect(eSource, &QLineEdit::textEdited, this, [this](const QString& text) {
        fModel.clearLastError();
        fModel.userEdited(text.toStdString());
        reportError();
    });

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(sgIO);
    // The panel is exactly as high as its two rows.
    setFixedHeight(2 * kRowHeight + 2 * sgIO->frameWidth());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    buildMenus();
    fModel.OnCellsChanged = [this] { refresh(); };
    refresh();
}

TfmIO::~TfmIO() {
    fModel.OnCellsChanged = nullptr;
}

void TfmIO::buildMenus() {
    pmIOEdit = new QMenu(this);
    pmIOEdit->setObjectName(QStringLiteral("pmIOEdit"));
    QAction* piCut = pmIOEdit->addAction(tr("Cut"), eSource, &QLineEdit::cut);
    QAction* piCopy = pmIOEdit->addAction(tr("Copy"), eSource, &QLineEdit::copy);
    QAction* piPaste = pmIOEdit->addAction(tr("Paste"), eSource, &QLineEdit::paste);
    piCut->setObjectName(QStringLiteral("piCut"));
    piCopy->setObjectName(QStringLiteral("piCopy"));
    piPaste->setObjectName(QStringLiteral("piPaste"));
    eSource->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(eSource, &QWidget::customContextMenuRequested, this,
            [this, piCut, piCopy, piPaste](const QPoint& at) {
                piCut->setEnabled(eSource->hasSelectedText());
                piCopy->setEnabled(eSource->hasSelectedText());
                piPaste->setEnabled(!QApplication::clipboard()->text().isEmpty());
                pmIOEdit->popup(eSource->mapToGlobal(at));
            });

    pmIOTable = new QMenu(this);
    pmIOTable->setObjectName(QStringLiteral("pmIOTable"));
    QAction* piCopySource =
        pmIOTable->addAction(tr("Copy Source"), this, [this] { copy(fModel.Source()); });
    piCopyTarget = pmIOTable->addAction(tr("Copy Target"), this, [this] { copy(fModel.Target()); });
    piCopyBoth = pmIOTable->addAction(tr("Copy Both"), this, [this] { copy(fModel.bothText()); });
    piCopySource->setObjectName(QStringLiteral("piCopySource"));
    piCopyTarget->setObjectName(QStringLiteral("piCopyTarget"));
    piCopyBoth->setObjectName(QStringLiteral("piCopyBoth"));
}

void TfmIO::Init() {
    fModel.Init();
}

void TfmIO::refresh() {
    const QString edit = qs(fModel.editText());
    // setText is not a user edit: textEdited stays quiet, so this never loops back.
    if (eSource->text() != edit) eSource->setText(edit);
    QPalette p = palette();
    switch (fModel.editColour()) {
    case EditColour::Normal:
        break;
    case EditColour::Invalid:
        p.setColor(QPalette::Base, tooltipBackground());
        break;
    case EditColour::EditMode:
        p.setColor(QPalette::Base, kEditModeColour);
        break;
    }
    eSource->setPalette(p);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            sgIO->item(row, col)->setText(qs(fModel.cell(col, row)));
    sgIO->item(1, 2)->setBackground(fModel.signCellEditColours() ? tooltipBackground()
                                                                 : QColor(Qt::white));
    layOut();
    if (!fModel.lastError().empty()) reportError();
}

void TfmIO::layOut() {
    QHeaderView* h = sgIO->horizontalHeader();
    h->resizeSection(2, kSignWidth);
    sgIO->resizeColumnToContents(0);
    h->resizeSection(0, h->sectionSize(0) + 5);
    h->resizeSection(
        1, TfmIOModel::unitColumnWidth(sgIO->viewport()->width(), kSignWidth, h->sectionSize(0)));
    QRect r = sgIO->visualRect(sgIO->model()->index(1, 0));
    if (fModel.EditMode()) r.setRight(sgIO->visualRect(sgIO->model()->index(1, 1)).right());
    eSource->setGeometry(r);
}

void TfmIO::reportError() {
    if (fModel.lastError() == fReported) return;
    fReported = fModel.lastError();
    emit typingError(qs(fReported));
}

bool TfmIO::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eSource && event->type() == QEvent::KeyPress)
        return sourceKey(static_cast<QKeyEvent*>(event));
    if (watched == sgIO->viewport() && event->type() == QEvent::MouseButtonRelease)
        gridMouseUp(static_cast<QMouseEvent*>(event));
    // The viewport gets its width only after the panel's own resize (and, before the
    // first show, only when it is shown): lay out when it really changes.
    if (watched == sgIO->viewport() && event->type() == QEvent::Resize) layOut();
    return QWidget::eventFilter(watched, event);
}

// True when the key is swallowed. Only typed characters go through the model's filter;
// cursor keys and shortcuts such as Ctrl+V stay the edit box's own.
bool TfmIO::sourceKey(QKeyEvent* key) {
    char32_t c = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        c = U'\r';
    } else if (key->key() == Qt::Key_Backspace) {
        c = U'\b';
    } else {
        if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint()) return false;
        c = text.toUcs4().value(0);
    }
    switch (fModel.filterKey(c)) {
    case KeyAction::Pass:
        return false; // the edit itself reports through textEdited
    case KeyAction::Swallow:
        return true; // the text and its message stay as they are
    default:
        fModel.clearLastError();
        fModel.keyPress(c); // a mode switch rewrites the text
        reportError();
        return true;
    }
}

void TfmIO::gridMouseUp(QMouseEvent* mouse) {
    const QModelIndex at = sgIO->indexAt(mouse->position().toPoint());
    if (!at.isValid()) return;
    fModel.clearLastError();
    const MouseAction a = fModel.mouseUp(at.column(), at.row(), mouse->button() == Qt::RightButton);
    reportError();
    if (!a.popup) return;
    piCopyTarget->setEnabled(a.copyTarget);
    piCopyBoth->setEnabled(a.copyBoth);
    pmIOTable->popup(mouse->globalPosition().toPoint());
}

void TfmIO::copy(const std::string& text) {
    QApplication::clipboard()->setText(qs(text));
}

} // namespace tarnel
