#include "gui/about/taboutuc.h"

#include "core/appinfo/tceversioninfo.h"
#include "gui/about/clicklabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QVBoxLayout>

namespace tarnel {

namespace {
constexpr int kClientWidth = 308;
constexpr int kHeight = 262;
const QColor kBrown(106, 53, 0);

/// The program's picture: a scale beside a ruler, painted so no image file is needed.
QPixmap programPicture() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(236, 168, 72));
    g.setColorAt(1, QColor(170, 90, 20));
    p.setBrush(g);
    p.setPen(QPen(kBrown, 2));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    // Two arrows: one way and back.
    p.drawLine(14, 24, 48, 24);
    p.drawLine(40, 17, 48, 24);
    p.drawLine(40, 31, 48, 24);
    p.drawLine(16, 40, 50, 40);
    p.drawLine(16, 40, 24, 33);
    p.drawLine(16, 40, 24, 47);
    p.setPen(QPen(Qt::white, 1.5));
    for (int x = 14; x <= 50; x += 6)
        p.drawLine(x, 52, x, x % 12 == 2 ? 46 : 49);
    return pm;
}

/// The tile of the top band: a light sand texture.
QPixmap bandTile() {
    QPixmap tile(16, 16);
    tile.fill(QColor(250, 238, 214));
    QPainter p(&tile);
    p.setPen(QColor(240, 222, 190));
    p.drawLine(0, 15, 15, 0);
    p.drawPoint(4, 4);
    p.drawPoint(11, 11);
    return tile;
}

QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* brownLabel(const QString& name, const QString& text, int pixels, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(pixelFont("Tahoma", pixels, pixels > 16));
    l->setAlignment(Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kBrown);
    l->setPalette(p);
    return l;
}

ClickLabel* link(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new ClickLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    l->setPalette(p);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QLabel* redLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(p);
    return l;
}

/// The web site as people write it: no scheme, no trailing "/".
QString displayAddress(const std::string& site) {
    QString s = QString::fromStdString(site);
    const int scheme = s.indexOf("://");
    if (scheme >= 0) s = s.mid(scheme + 3);
    while (s.endsWith('/'))
        s.chop(1);
    return s;
}
} // namespace

TAboutUC::TAboutUC(AboutConfig config, const std::string& localInfo, IMessages& messages,
                   ILinkOpener* opener, QWidget* parent)
    : TAboutBase(config, messages, opener, parent) {
    setObjectName("AboutUC");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* pnlTop = new QFrame(this);
    pnlTop->setObjectName("pnlTop");
    pnlTop->setAutoFillBackground(true);
    QPalette tp = pnlTop->palette();
    tp.setBrush(QPalette::Window, QBrush(bandTile()));
    pnlTop->setPalette(tp);
    pnlTop->setFixedHeight(112);
    auto* top = new QHBoxLayout(pnlTop);
    top->setContentsMargins(14, 10, 14, 10);
    auto* imgProgram = new QLabel(pnlTop);
    imgProgram->setObjectName("imgProgram");
    imgProgram->setPixmap(programPicture());
    top->addWidget(imgProgram, 0, Qt::AlignVCenter);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    auto* lbTarnel = brownLabel("lbTarnel", "Tarnel", 21, pnlTop);
    auto* lbUnitConverter = brownLabel("lbUnitConverter", "Unit Converter", 18, pnlTop);
    stVersion =
        brownLabel("stVersion", QString::fromStdString(versionLabel(TCEVersionInfo())), 16, pnlTop);
    names->addStretch(1);
    names->addWidget(lbTarnel);
    names->addWidget(lbUnitConverter);
    names->addWidget(stVersion);
    names->addStretch(1);
    top->addLayout(names, 1);
    layout->addWidget(pnlTop);

    auto* pnlLinks = new QFrame(this);
    pnlLinks->setObjectName("pnlLinks");
    auto* links = new QVBoxLayout(pnlLinks);
    links->setContentsMargins(18, 12, 18, 8);
    links->setSpacing(6);
    llContact = link("llContact", "Send us your comments", pnlLinks);
    links->addWidget(llContact, 0, Qt::AlignLeft);
    auto* visitRow = new QHBoxLayout;
    visitRow->setSpacing(0);
    auto* lbVisit = new QLabel("Visit ", pnlLinks);
    lbVisit->setObjectName("lbVisit");
    visitRow->addWidget(lbVisit);
    llWebsite = link("llWebsite", displayAddress(config.webSite), pnlLinks);
    visitRow->addWidget(llWebsite);
    visitRow->addStretch(1);
    links->addLayout(visitRow);
    auto* updateRow = new QHBoxLayout;
    updateRow->setSpacing(0);
    lbUpdates = redLabel("lbUpdates", "New version is available ", pnlLinks);
    updateRow->addWidget(lbUpdates);
    lbUpdatesLink = link("lbUpdatesLink", "see more", pnlLinks);
    updateRow->addWidget(lbUpdatesLink);
    updateRow->addStretch(1);
    links->addLayout(updateRow);
    lbInternet = redLabel("lbInternet", "No Internet", pnlLinks);
    lbInternet->setFont(pixelFont("Arial", 13, true));
    links->addWidget(lbInternet, 0, Qt::AlignLeft);
    links->addStretch(1);
    layout->addWidget(pnlLinks, 1);
    layout->addWidget(sttBottom);

    for (QWidget* w : {static_cast<QWidget*>(pnlTop), static_cast<QWidget*>(imgProgram),
                       static_cast<QWidget*>(lbTarnel), static_cast<QWidget*>(lbUnitConverter),
                       static_cast<QWidget*>(stVersion), static_cast<QWidget*>(pnlLinks)})
        dismissOnClick(w);
    connect(llContact, &ClickLabel::clicked, this,
            [this] { OpenLink(info().GetInfoItems("Contact_Email")); });
    connect(llWebsite, &ClickLabel::clicked, this,
            [this] { OpenLink(info().GetInfoItems("Company_WebSite_URL")); });
    connect(lbUpdatesLink, &ClickLabel::clicked, this,
            [this] { OpenLink(info().GetInfoItems("Application_Info_URL")); });

    setUpdateVisible(false);
    setFixedSize(kClientWidth, kHeight);
    info().InternalVersion = 360;
    info().LoadLocalInfo(localInfo);
}

void TAboutUC::setUpdateVisible(bool visible) {
    lbUpdates->setVisible(visible);
    lbUpdatesLink->setVisible(visible);
}

void TAboutUC::UpdateVis() {
    setWindowTitle(WaitMode ? " About" : " Welcome to");
    setFixedSize(kClientWidth, kHeight);
    lbInternet->setVisible(!InternetConnection());
    const int showing = ++fShowing;
    QPointer<TAboutUC> self(this);
    info().Checking4Updates(false, [self, showing](const UpdateOutcome& o) {
        if (!self || self->fShowing != showing) return;
        self->setUpdateVisible(o.newer);
        if (!o.error.empty()) self->showCheckError(o.error);
    });
}

} // namespace tarnel
