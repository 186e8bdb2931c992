#include "gui/views/tfmunitlog.h"

#include "core/views/iopanelmodel.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

#include <cmath>

namespace tarnel {

namespace {
constexpr int kStripLine = 33;
constexpr int kMargin = 10;

/// A strip whose buttons wrap onto further lines when it is narrow.
class FlowStrip : public QWidget {
  public:
    explicit FlowStrip(QWidget* parent) : QWidget(parent) { setObjectName("FlowPanel1"); }
    void add(QPushButton* b) { fButtons.push_back(b); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        layOut();
    }
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        layOut();
    }

  private:
    void layOut() {
        const int w = width();
        int sum = 0, x = 0, y = 0;
        for (QPushButton* b : fButtons) {
            const QSize s = b->sizeHint();
            sum += s.width();
            if (x > 0 && x + s.width() > w) {
                x = 0;
                y += kStripLine;
            }
            b->setGeometry(x, y + (kStripLine - s.height()) / 2, s.width(), s.height());
            x += s.width();
        }
        // A strip not laid out yet has no width: one line until it has.
        const int lines = w > 0 ? std::max(1, static_cast<int>(std::ceil(double(sum) / w))) : 1;
        const int h = std::max(lines, y / kStripLine + 1) * kStripLine;
        if (height() != h) setFixedHeight(h);
    }
    std::vector<QPushButton*> fButtons;
};

QPushButton* stripButton(const char* name, const QString& caption, FlowStrip* strip) {
    auto* b = new QPushButton(caption, strip);
    b->setObjectName(name);
    b->setAutoDefault(false);
    strip->add(b);
    return b;
}
} // namespace

std::string TfmUnitLog::nowText() {
    const QLocale loc;
    // The long time format names the zone ("t"): the entry shows local time without it.
    QString time = loc.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression("\\s*\\bt+\\b")).replace(QRegularExpression("\\s+$"), "");
    return (" " + loc.toString(QDate::currentDate(), QLocale::ShortFormat) + " " +
            loc.toString(QTime::currentTime(), time) + "  ")
        .toStdString();
}

TfmUnitLog::TfmUnitLog(TfmIOModel& io, const std::string& file, IMessages& messages,
                       QWidget* parent)
    : QWidget(parent), fIO(io), fFile(file), fModel(file, messages, &TfmUnitLog::nowText) {
    setObjectName("fmUnitLog1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* strip = new FlowStrip(this);
    FlowPanel1 = strip;
    atbSourceBack = stripButton("atbSourceBack", " Copy Source -> From ", strip);
    atbTargetBack = stripButton("atbTargetBack", "Copy Target -> From", strip);
    atbCopy = stripButton("atbCopy", "Copy Sel. -> clipbrd", strip);
    strip->setFixedHeight(kStripLine);

    sgLog = new QTableWidget(this);
    sgLog->setObjectName("sgLog");
    sgLog->setColumnCount(TfmUnitLogModel::kColumns);
    sgLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgLog->setSelectionMode(QAbstractItemView::SingleSelection);
    sgLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgLog->verticalHeader()->hide();
    sgLog->verticalHeader()->setDefaultSectionSize(20);
    sgLog->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sgLog->horizontalHeader()->setStretchLastSection(true);
    sgLog->setWordWrap(false);

    layout->addWidget(FlowPanel1);
    layout->addWidget(sgLog, 1);

    connect(atbSourceBack, &QPushButton::clicked, this,
            [this] { putBack(selectedRow(), false, false); });
    connect(atbTargetBack, &QPushButton::clicked, this,
            [this] { putBack(selectedRow(), true, false); });
    connect(atbCopy, &QPushButton::clicked, this, &TfmUnitLog::copySelection);
    connect(sgLog, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { putBack(row + 1, false, true); });
    refresh();
}

TfmUnitLog::~TfmUnitLog() {
    // Never before the file was read: saving then would replace the stored history by
    // an empty one.
    if (fInitDone && QFileInfo(QString::fromStdString(fFile)).dir().exists()) fModel.save();
}

void TfmUnitLog::Init() {
    fModel.Init();
    fInitDone = true;
    refresh();
}

void TfmUnitLog::PageChanging(TPageType, TPageType newPage) {
    if (newPage != TPageType::ptLog) return;
    fIO.setTarget("");
    sizeColumns();
}

void TfmUnitLog::Execute() {
    if (fModel.Execute(fIO)) refresh();
}

void TfmUnitLog::refresh() {
    const auto& rows = fModel.rows();
    QStringList header;
    for (const std::string& h : rows[0])
        header << QString::fromStdString(h);
    sgLog->setHorizontalHeaderLabels(header);
    sgLog->setRowCount(static_cast<int>(rows.size()) - 1);
    for (size_t r = 1; r < rows.size(); ++r)
        for (int c = 0; c < TfmUnitLogModel::kColumns; ++c) {
            const QString text = QString::fromStdString(rows[r][static_cast<size_t>(c)]);
            QTableWidgetItem* item = sgLog->item(static_cast<int>(r) - 1, c);
            if (!item)
                sgLog->setItem(static_cast<int>(r) - 1, c, new QTableWidgetItem(text));
            else if (item->text() != text)
                item->setText(text);
        }
    sizeColumns();
}

void TfmUnitLog::setDated(bool v) {
    fDated = v;
    sizeColumns();
}

void TfmUnitLog::sizeColumns() {
    sgLog->setColumnHidden(0, false);
    sgLog->resizeColumnsToContents();
    auto& widths = fModel.widths();
    for (int c = 0; c < TfmUnitLogModel::kColumns; ++c) {
        sgLog->setColumnWidth(c, sgLog->columnWidth(c) + kMargin);
        widths[static_cast<size_t>(c)] = sgLog->columnWidth(c);
    }
    if (!fDated) {
        sgLog->setColumnHidden(0, true);
        widths[0] = 0;
    }
}

void TfmUnitLog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    sizeColumns();
}

int TfmUnitLog::selectedRow() const {
    const auto selected = sgLog->selectionModel()->selectedRows();
    if (selected.isEmpty()) return -1;
    return selected.front().row() + 1;
}

void TfmUnitLog::putBack(int r, bool targetButton, bool doubleClick) {
    if (r < 1) return;
    fModel.putBack(fIO, r, targetButton, doubleClick);
}

void TfmUnitLog::copySelection() {
    const int r = selectedRow();
    if (r < 1) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(fModel.copyText(r)));
}

} // namespace tarnel
