#pragma once
// Hints written "short|long": the short part is the tool tip, the long part (after one
// leading blank) the status-bar text while the pointer rests on the control.

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QWidget>

namespace tarnel {

inline QString longHint(const QString& hint) {
    const int bar = hint.indexOf('|');
    QString longPart = bar < 0 ? hint : hint.mid(bar + 1);
    if (longPart.startsWith(' ')) longPart.remove(0, 1);
    return longPart;
}

inline void setViewHint(QWidget* w, const QString& hint) {
    const int bar = hint.indexOf('|');
    const QString shortPart = bar < 0 ? hint : hint.left(bar);
    if (!shortPart.trimmed().isEmpty()) w->setToolTip(shortPart);
    w->setStatusTip(longHint(hint));
}

/// A named tool button with a caption and a "short|long" hint.
inline QToolButton* hintedToolButton(const QString& name, const QString& caption,
                                     const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    setViewHint(b, hint);
    return b;
}

/// Shows a hint's long part in the status bar of w's window now.
inline void showStatusHint(QWidget* w, const QString& hint) {
    QStatusTipEvent tip(longHint(hint));
    QCoreApplication::sendEvent(w, &tip);
}

} // namespace tarnel
