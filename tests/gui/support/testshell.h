#pragma once
// A started main window over a data root of its own, as the GUI tests and the screenshot
// program use it.

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/tfmsimple.h"
#include "gui/views/tfmsimpleone.h"
#include "support/dataroot.h"

#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace tarnel {

struct TestShell {
    explicit TestShell(const QString& ini = "UnitFile=default.unt\nMultiTabMode=1\n")
        : root(ini), dirs(root.dirs(messages)), session(messages, dirs, true),
          window(session, messages, ShellStart{}) {}

    TfmIOModel& io() { return window.io(); }
    QString source() { return QString::fromStdString(io().Source()); }
    QString target() { return QString::fromStdString(io().Target()); }
    QTabWidget* tabs() { return window.findChild<QTabWidget*>("pcMain"); }
    QTabBar* tabBar() { return tabs()->tabBar(); }
    void clickTab(int i) {
        QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(i).center());
    }
    /// The user picks `text` in the target list of the Simple view's row i; false when
    /// there is no such row or the list does not offer it.
    bool pickTarget(int i, const QString& text) {
        const auto& rows = window.simpleView()->rowWidgets();
        if (i < 0 || size_t(i) >= rows.size()) return false;
        auto* list = rows[size_t(i)]->findChild<QComboBox*>("cbOutUnit");
        const int k = list->findText(text);
        if (k < 0) return false;
        list->setCurrentIndex(k);
        emit list->activated(k);
        return true;
    }

    RecordingMessages messages;
    TestDataRoot root;
    TDirMap dirs;
    ConverterSession session;
    TfrmUnitsConvert window;
};

} // namespace tarnel
