#include "gui/shell/tfmunitoptionswidget.h"

#include "gui/widgets/messageboxes.h"

#include "gui/about/desktoplinkopener.h"

#include "core/platform/weblinks.h"

#include "core/appinfo/buildinfo.h"

#include "gui/editor/tfrmunitedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarnel {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Tooltip and status-bar text from one "short|long" hint.
template <class W> W* hinted(W* w, const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    w->setToolTip(bar < 0 ? hint : hint.left(bar));
    w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    return w;
}

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

// The items of the stand-alone check list, in the order their keys are written.
enum AloneItem { CopyBothItem, MinimOnTrayItem, MonthlyCheckItem };
} // namespace

TfmUnitOptionsWidget::TfmUnitOptionsWidget(TfmUnitOptions& options, QWidget* parent)
    : QWidget(parent), fOptions(options) {
    setObjectName(QStringLiteral("fmUnitOptions"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);

    stCaption = named(new QLabel(tr("Unit Converter")), "stCaption");
    QFont bold = stCaption->font();
    bold.setBold(true);
    stCaption->setFont(bold);
    box->addWidget(stCaption);

    auto* gbUnitFile = named(new QGroupBox(tr(" Tarnel Unit Data File ")), "gbUnitFile");
    auto* fileRow = new QHBoxLayout(gbUnitFile);
    cbUnitFile = hinted(named(new QComboBox, "cbUnitFile"),
                        tr("Unit data file|The unit data file the converter works with"));
    bbUnitDataEditor = hinted(named(new QPushButton(tr("Unit Data Editor")), "bbUnitDataEditor"),
                              tr("Unit Data Editor|Edit the selected unit data file"));
    connect(bbUnitDataEditor, &QPushButton::clicked, this, &TfmUnitOptionsWidget::editUnitFile);
    fileRow->addWidget(cbUnitFile, 1);
    fileRow->addWidget(bbUnitDataEditor);
    box->addWidget(gbUnitFile);

    pnlAloneOpt = named(new QWidget, "pnlAloneOpt");
    auto* aloneRow = new QHBoxLayout(pnlAloneOpt);
    aloneRow->setContentsMargins(0, 0, 0, 0);
    auto* gbPrec = named(new QGroupBox(tr(" Precision ")), "gbPrec");
    auto* precBox = new QVBoxLayout(gbPrec);
    sePrec = hinted(named(new QSpinBox, "sePrec"),
                    tr("Significant digits|Significant digits of the numbers shown"));
    sePrec->setRange(3, 10);
    precBox->addWidget(sePrec);
    precBox->addStretch();
    chksAlone = named(new QListWidget, "chksAlone");
    chksAlone->setSelectionMode(QAbstractItemView::NoSelection);
    for (const QString& item :
         {tr("Copy Source and Target to the Clipboard"),
          tr("Minimize On SystemTray (after restart)"), tr("Monthly Update Check")}) {
        auto* it = new QListWidgetItem(item, chksAlone);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Unchecked);
    }
    chksAlone->setFixedHeight(3 * chksAlone->sizeHintForRow(0) + 2 * chksAlone->frameWidth() + 4);
    aloneRow->addWidget(gbPrec);
    aloneRow->addWidget(chksAlone, 1);
    box->addWidget(pnlAloneOpt);

    auto* gbSearch = named(new QGroupBox(tr(" Search Engine ")), "gbSearchEngine");
    auto* searchRow = new QHBoxLayout(gbSearch);
    cbSearchEngine = hinted(named(new QComboBox, "cbSearchEngine"),
                            tr("Search engine|The web search used to look a unit up"));
    cbSearchEngine->addItems(
        {tr("...custom"), tr("Google"), tr("Yahoo"), tr("Wikipedia"), tr("Ask.com")});
    lbHttp = named(new QLabel(tr("  http:// ")), "lbHttp");
    eCustomSE = hinted(named(new QLineEdit, "eCustomSE"),
                       tr("Custom search address|The looked-up text is appended to it"));
    lbHttp->setBuddy(eCustomSE);
    searchRow->addWidget(cbSearchEngine);
    searchRow->addWidget(lbHttp);
    searchRow->addWidget(eCustomSE, 1);
    connect(cbSearchEngine, &QComboBox::currentIndexChanged, this,
            &TfmUnitOptionsWidget::searchEngineChanged);
    box->addWidget(gbSearch);

    auto* gbEnv = named(new QGroupBox(tr(" Environment ")), "gbEnvironment");
    auto* envBox = new QVBoxLayout(gbEnv);
    pcUserMode = named(new QTabWidget, "pcUserMode");
    auto* tsIntegrated = named(new QWidget, "tsIntegrated");
    auto* integ = new QVBoxLayout(tsIntegrated);
    integ->addWidget(new QLabel(tr("Integrated simplified environment - beginners mode")));
    integ->addStretch();
    auto* tsMulti = named(new QWidget, "tsMulti");
    auto* multi = new QVBoxLayout(tsMulti);
    multi->addWidget(new QLabel(tr("Multi-tab / Multi-utilities environment - advanced mode")));
    chkPromptB4Delete =
        named(new QCheckBox(tr("Prompt Before Delete in All Units")), "chkPromptB4Delete");
    chkSwapSrcTrg = named(new QCheckBox(tr("Replace Source with Target when you enter Edit tab")),
                          "chkSwapSrcTrg");
    multi->addWidget(chkPromptB4Delete);
    multi->addWidget(chkSwapSrcTrg);
    multi->addStretch();
    pcUserMode->addTab(tsIntegrated, tr(" Integrated mode"));
    pcUserMode->addTab(tsMulti, tr(" Multi-utilities mode "));
    envBox->addWidget(pcUserMode);
    box->addWidget(gbEnv);
    box->addStretch();

    stCaption->setVisible(!fOptions.Standalone());
    pnlAloneOpt->setVisible(fOptions.Standalone());

    // Until the settings say otherwise the controls show the defaults, with the shipped
    // unit file chosen, so that OK on a first start does not store an empty unit file.
    OptionControls c;
    c.unitFiles = fOptions.UnitFiles();
    for (const auto& f : c.unitFiles)
        if (f == "default.unt") c.unitFile = f;
    setControls(c);
}

void TfmUnitOptionsWidget::editUnitFile() {
    const QString dir = QString::fromStdString(fOptions.dir());
    const QString name =
        cbUnitFile->currentIndex() < 0 ? QStringLiteral("default.unt") : cbUnitFile->currentText();
    TfrmUnitEdit editor(dir, this);
    editor.setSearchWeb([this](const std::string& category, const std::string& unit) {
        DesktopLinkOpener desktop;
        MessageBoxes boxes(this);
        const TUOpts o = fOptions.Opts();
        SearchWeb(desktop, boxes, category, unit, o.SearchEngine, o.CustomSearchEngine, kWebSite);
    });
    editor.setHelp(fHelp);
    if (!editor.Execute(dir + name)) return;
    const QString edited = QFileInfo(editor.Filename()).fileName();
    if (cbUnitFile->findText(edited) < 0) cbUnitFile->addItem(edited);
    cbUnitFile->setCurrentIndex(cbUnitFile->findText(edited));
}

void TfmUnitOptionsWidget::searchEngineChanged() {
    const bool custom = cbSearchEngine->currentIndex() == 0;
    lbHttp->setEnabled(custom);
    eCustomSE->setEnabled(custom); // a disabled box keeps its text, and it is saved
}

OptionControls TfmUnitOptionsWidget::controls() const {
    OptionControls c;
    for (int i = 0; i < cbUnitFile->count(); ++i)
        c.unitFiles.push_back(cbUnitFile->itemText(i).toStdString());
    c.unitFile = cbUnitFile->currentIndex() < 0 ? "" : cbUnitFile->currentText().toStdString();
    c.prec = sePrec->value();
    c.copyBoth = chksAlone->item(CopyBothItem)->checkState() == Qt::Checked;
    c.minimOnTray = chksAlone->item(MinimOnTrayItem)->checkState() == Qt::Checked;
    c.monthlyCheck = chksAlone->item(MonthlyCheckItem)->checkState() == Qt::Checked;
    c.promptB4Delete = chkPromptB4Delete->isChecked();
    c.swapSrcTrg = chkSwapSrcTrg->isChecked();
    c.modePage = pcUserMode->currentIndex();
    c.searchEngine = cbSearchEngine->currentIndex();
    c.customSearchEngine = eCustomSE->text().toStdString();
    return c;
}

void TfmUnitOptionsWidget::setControls(const OptionControls& c) {
    cbUnitFile->clear();
    for (const auto& f : c.unitFiles)
        cbUnitFile->addItem(qs(f));
    cbUnitFile->setCurrentIndex(
        c.unitFile.empty()
            ? -1
            : cbUnitFile->findText(qs(c.unitFile), Qt::MatchFixedString | Qt::MatchCaseSensitive));
    sePrec->setValue(c.prec); // a stored 20 shows as 10: the box offers 3 to 10
    const auto check = [](bool b) { return b ? Qt::Checked : Qt::Unchecked; };
    chksAlone->item(CopyBothItem)->setCheckState(check(c.copyBoth));
    chksAlone->item(MinimOnTrayItem)->setCheckState(check(c.minimOnTray));
    chksAlone->item(MonthlyCheckItem)->setCheckState(check(c.monthlyCheck));
    chkPromptB4Delete->setChecked(c.promptB4Delete);
    chkSwapSrcTrg->setChecked(c.swapSrcTrg);
    pcUserMode->setCurrentIndex(c.modePage == 1 ? 1 : 0);
    // An index outside the list selects nothing, which is stored as -1.
    cbSearchEngine->setCurrentIndex(
        c.searchEngine >= 0 && c.searchEngine < cbSearchEngine->count() ? c.searchEngine : -1);
    eCustomSE->setText(qs(c.customSearchEngine));
    searchEngineChanged();
}

void TfmUnitOptionsWidget::List2Vis() {
    OptionControls c = controls();
    if (fOptions.List2Vis(c)) setControls(c);
}

void TfmUnitOptionsWidget::Vis2List() {
    fOptions.Vis2List(controls());
}

} // namespace tarnel
