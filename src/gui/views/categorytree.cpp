#include "gui/views/categorytree.h"

#include "gui/views/viewhint.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarnel {

namespace {
constexpr int kDomainRole = Qt::UserRole;
constexpr int kCategoryRole = Qt::UserRole + 1;
constexpr int kHintRole = Qt::UserRole + 2;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

/// The images of the category kinds: a disc (root), a square (sup), a triangle (comp).
QIcon kindIcon(TreeCategory::Image image, QColor colour) {
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(130));
    p.setBrush(colour.lighter(image == TreeCategory::imgComp ? 250 : 160));
    switch (image) {
    case TreeCategory::imgRoot:
        p.drawEllipse(QRectF(2, 2, 10, 10));
        break;
    case TreeCategory::imgSup:
        p.drawRect(QRectF(2.5, 2.5, 9, 9));
        break;
    case TreeCategory::imgComp:
        p.drawPolygon(QPolygonF({QPointF(7, 2), QPointF(12.5, 12), QPointF(1.5, 12)}));
        break;
    default:
        break;
    }
    return QIcon(pm);
}
} // namespace

CategoryTree::CategoryTree(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlTree"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    tbarDomains = new QToolBar(this);
    tbarDomains->setObjectName(QStringLiteral("tbarDomains"));
    tbarDomains->setToolButtonStyle(Qt::ToolButtonTextOnly);
    sbSearch4Cat = new QToolButton(tbarDomains);
    sbSearch4Cat->setObjectName(QStringLiteral("sbSearch4Cat"));
    sbSearch4Cat->setText(QStringLiteral("Web"));
    setViewHint(sbSearch4Cat, "Search the web| Search the web for selected category");
    sbSearch4Cat->setEnabled(false); // until a category is selected
    connect(sbSearch4Cat, &QToolButton::clicked, this, &CategoryTree::webSearchClicked);
    tbarDomains->addWidget(sbSearch4Cat);
    layout->addWidget(tbarDomains);

    eSearchCat = new QLineEdit(this);
    eSearchCat->setObjectName(QStringLiteral("eSearchCat"));
    eSearchCat->setPlaceholderText(QStringLiteral("Search categories and units"));
    eSearchCat->setClearButtonEnabled(true);
    setViewHint(eSearchCat, "| Keep the categories whose name, unit name or unit symbol "
                            "holds the text (Esc clears)");
    eSearchCat->installEventFilter(this);
    connect(eSearchCat, &QLineEdit::textChanged, this,
            [this](const QString& t) { emit searchChanged(t); });
    layout->addWidget(eSearchCat);

    Tree1 = new QTreeWidget(this);
    Tree1->setObjectName(QStringLiteral("Tree1"));
    Tree1->setHeaderHidden(true);
    Tree1->setFrameShape(QFrame::NoFrame);
    Tree1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree1->setMouseTracking(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(font().pointSize());
    Tree1->setFont(arial);
    layout->addWidget(Tree1, 1);
    connect(Tree1, &QTreeWidget::itemSelectionChanged, this, &CategoryTree::selectionChanged);
    connect(Tree1, &QTreeWidget::itemEntered, this, [this](QTreeWidgetItem* it, int) {
        const QString hint = it->data(0, kHintRole).toString();
        if (!hint.isEmpty()) showStatusHint(this, hint);
    });
}

void CategoryTree::rebuild(const CategoryTreeModel& model) {
    const QSignalBlocker block(Tree1);
    Tree1->clear();
    for (QAction* a : tbarDomains->actions())
        if (tbarDomains->widgetForAction(a) != sbSearch4Cat) tbarDomains->removeAction(a);
    QAction* before = tbarDomains->actions().value(0);
    for (const DomainButton& b : model.buttons()) {
        if (b.kind == DomainButton::Separator) {
            tbarDomains->insertSeparator(before);
            continue;
        }
        auto* a = new QAction(qs(b.caption), tbarDomains);
        a->setToolTip(qs(b.hint));
        a->setStatusTip(qs(b.hint));
        const QString hint = qs(b.hint);
        connect(a, &QAction::triggered, this, [this, hint] { emit domainButtonClicked(hint); });
        tbarDomains->insertAction(before, a);
        if (QWidget* w = tbarDomains->widgetForAction(a))
            w->setObjectName(b.kind == DomainButton::All ? QStringLiteral("tbAll")
                                                         : QStringLiteral("tbDomain"));
    }
    QFont domainFont = Tree1->font();
    domainFont.setBold(true);
    domainFont.setItalic(true);
    for (size_t d = 0; d < model.domains().size(); ++d) {
        const TreeDomain& dom = model.domains()[d];
        auto* root = new QTreeWidgetItem(Tree1, {qs(dom.name)});
        root->setFont(0, domainFont);
        root->setData(0, kDomainRole, static_cast<int>(d));
        root->setData(0, kCategoryRole, -1);
        root->setFlags(Qt::ItemIsEnabled);
        for (size_t c = 0; c < dom.categories.size(); ++c) {
            const TreeCategory& cat = dom.categories[c];
            auto* child = new QTreeWidgetItem(root, {qs(cat.text)});
            const QColor colour = QColor::fromRgb(cat.colour);
            child->setForeground(0, colour);
            child->setIcon(0, kindIcon(cat.image, colour));
            child->setData(0, kDomainRole, static_cast<int>(d));
            child->setData(0, kCategoryRole, static_cast<int>(c));
            child->setData(0, kHintRole, qs(cat.hint));
        }
    }
}

QTreeWidgetItem* CategoryTree::item(int domain, int category) const {
    QTreeWidgetItem* root = Tree1->topLevelItem(domain);
    if (!root || category < 0) return root;
    return root->child(category);
}

void CategoryTree::present(const std::vector<bool>& expanded, const TreeMatch& selected,
                           const std::vector<TreeMatch>& visible, bool filtered) {
    const QSignalBlocker block(Tree1);
    const int roots = Tree1->topLevelItemCount();
    std::vector<std::vector<bool>> shown(static_cast<size_t>(roots));
    for (int d = 0; d < roots; ++d)
        shown[static_cast<size_t>(d)].assign(
            static_cast<size_t>(Tree1->topLevelItem(d)->childCount()), !filtered);
    if (filtered)
        for (const TreeMatch& m : visible)
            if (QTreeWidgetItem* it = item(m.domain, m.category); it && m.category >= 0)
                shown[static_cast<size_t>(m.domain)][static_cast<size_t>(m.category)] = true;
    for (int d = 0; d < roots; ++d) {
        QTreeWidgetItem* root = Tree1->topLevelItem(d);
        bool any = false;
        for (int c = 0; c < root->childCount(); ++c) {
            const bool on = shown[static_cast<size_t>(d)][static_cast<size_t>(c)];
            root->child(c)->setHidden(!on);
            any = any || on;
        }
        root->setHidden(filtered && !any);
        const bool open =
            filtered ? any
                     : (d < static_cast<int>(expanded.size()) && expanded[static_cast<size_t>(d)]);
        root->setExpanded(open);
    }
    QTreeWidgetItem* sel =
        selected.category >= 0 ? item(selected.domain, selected.category) : nullptr;
    sbSearch4Cat->setEnabled(sel != nullptr);
    if (sel) {
        Tree1->setCurrentItem(sel);
        Tree1->scrollToItem(sel);
    } else {
        Tree1->clearSelection();
    }
}

void CategoryTree::selectionChanged() {
    const QList<QTreeWidgetItem*> items = Tree1->selectedItems();
    if (items.isEmpty()) {
        emit categorySelected(-1, -1);
        return;
    }
    const int c = items.front()->data(0, kCategoryRole).toInt();
    if (c >= 0) emit categorySelected(items.front()->data(0, kDomainRole).toInt(), c);
}

bool CategoryTree::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eSearchCat && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !eSearchCat->text().isEmpty()) {
        eSearchCat->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnel
