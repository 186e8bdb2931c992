// The From/To panel's wiring: keys and clicks reach the model, the model's cells appear.
#include "gui/views/tfmio.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

using namespace tarnel;

class TfmIOTest : public QObject {
    Q_OBJECT
    AbbrevList abbr = AbbrevList::fromLines({"deg=°"});
    std::unique_ptr<TfmIOModel> model;
    std::unique_ptr<TfmIO> panel;
    int valueChanges = 0;

    QLineEdit* edit() { return panel->findChild<QLineEdit*>("eSource"); }
    QTableWidget* grid() { return panel->findChild<QTableWidget*>("sgIO"); }
    QRect cellRect(int col, int row) {
        return grid()->visualRect(grid()->model()->index(row, col));
    }
    QColor editBackground() { return edit()->palette().color(QPalette::Base); }

  private slots:
    void init() {
        model = std::make_unique<TfmIOModel>(abbr, [] { return 7; });
        panel = std::make_unique<TfmIO>(*model);
        panel->Init();
        valueChanges = 0;
        // Like a view: every change of the source is parsed, so notation errors surface.
        model->OnValueChange = [this] {
            ++valueChanges;
            model->DimRec(TSrcTrg::Src);
        };
        panel->resize(520, panel->height());
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    }
    void cleanup() {
        panel.reset();
        model.reset();
    }

    void typingInValueModeGoesThroughTheKeyFilter() {
        QTest::keyClicks(edit(), "1x5");
        QCOMPARE(model->editText(), std::string("15"));
        QCOMPARE(edit()->text(), QString("15"));
        QCOMPARE(valueChanges, 2);
        QCOMPARE(editBackground(), panel->palette().color(QPalette::Base));
        QTest::keyClicks(edit(), ".2.3");
        QCOMPARE(editBackground(), QToolTip::palette().color(QPalette::ToolTipBase));

        model->ModeLocked = true;
        QTest::keyClick(edit(), '[');
        QVERIFY(!model->EditMode());
        QCOMPARE(edit()->text(), QString("15.2.3"));
    }

    void bracketSwitchesToEditModeWhereTheWholeTextIsTyped() {
        QTest::keyClicks(edit(), "5");
        QTest::keyClick(edit(), '[');
        QVERIFY(model->EditMode());
        QCOMPARE(edit()->text(), QString("5 []"));
        QCOMPARE(editBackground(), QColor(0xEC, 0xFF, 0xEC));
        QCOMPARE(grid()->item(1, 2)->text(), QString("X"));
        // The edit box now reaches over the unit cell.
        QCOMPARE(edit()->geometry().right(), cellRect(1, 1).right());

        edit()->selectAll();
        QTest::keyClicks(edit(), "2 [deg]");
        QCOMPARE(model->Source(), std::string("2 [deg]"));
        QTest::keyClick(edit(), Qt::Key_Return);
        QVERIFY(!model->EditMode());
        QCOMPARE(edit()->text(), QString("2"));
        QCOMPARE(grid()->item(1, 1)->text(), QString("[°]"));
        QCOMPARE(edit()->geometry(), cellRect(0, 1));
    }

    void modelCellsAppearInTheGrid() {
        model->setSource("5 [deg]");
        model->setTarget("0.08726646 [rad]");
        QCOMPARE(grid()->item(0, 0)->text(), QString(" F r o m"));
        QCOMPARE(grid()->item(0, 3)->text(), QString(" T o"));
        QCOMPARE(edit()->text(), QString("5"));
        QCOMPARE(grid()->item(1, 1)->text(), QString("[°]"));
        QCOMPARE(grid()->item(1, 2)->text(), QString("="));
        QCOMPARE(grid()->item(1, 3)->text(), QString("0.08726646 [rad]"));
        QCOMPARE(edit()->geometry(), cellRect(0, 1));
        model->setSwapping(true);
        QCOMPARE(grid()->item(0, 2)->text(), QString("<-"));
    }

    void signCellInEditMode_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("right click clears") << Qt::RightButton << " []";
        QTest::newRow("left click deletes the units") << Qt::LeftButton << "5 []";
    }
    void signCellInEditMode() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, text);
        model->setSource("5 [m]");
        model->setEditMode(true);
        QTest::mouseClick(grid()->viewport(), button, {}, cellRect(2, 1).center());
        QCOMPARE(edit()->text(), text);
        QVERIFY(model->EditMode());
    }

    void rightClickOffersOnlyWhatThereIsToCopy() {
        model->setSource("5 [m]");
        model->setTarget("");
        auto* menu = panel->findChild<QMenu*>("pmIOTable");
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cellRect(3, 1).center());
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(menu->findChild<QAction*>("piCopySource")->isEnabled());
        QVERIFY(!menu->findChild<QAction*>("piCopyTarget")->isEnabled());
        QVERIFY(!menu->findChild<QAction*>("piCopyBoth")->isEnabled());
        menu->hide();
    }

    void aTypingErrorIsReportedOnceAndClearedWhenFixed() {
        QSignalSpy errors(panel.get(), &TfmIO::typingError);
        model->setSource("3 [m]");
        model->setEditMode(true);
        edit()->selectAll();
        QTest::keyClicks(edit(), "3 [m.s^-2]");
        QVERIFY(!errors.isEmpty());
        QCOMPARE(errors.last().at(0).toString(), QString("Wrong degree number."));
        const auto before = errors.count();
        QTest::keyClick(edit(), ' ');
        QCOMPARE(errors.count(), before); // the same message is not sent again
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QTest::keyClicks(edit(), "2]");
        QCOMPARE(model->Source(), std::string("3 [m.s^2]"));
        QCOMPARE(errors.last().at(0).toString(), QString());
    }
};

QTEST_MAIN(TfmIOTest)
#include "tfmio_test.moc"
