#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Translations.h"
#include "ui/MainWindow.h"

using lumo::ui::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void qtsOwnButtonsSpeakChinese() {
        QVERIFY2(lumo::app::InstallChineseTranslations(*QCoreApplication::instance()),
                 "qt6-translations-l10n is installed by scripts/setup");
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QString("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("取消"));
    }

    void opensOnTheModePageWithElevenPages() {
        MainWindow w;
        QCOMPARE(w.Pages()->count(), 11);
        QCOMPARE(w.Pages()->currentIndex(), 0);
        QCOMPARE(w.Pages()->tabText(9), QString("超吉模式"));
        QVERIFY(w.findChild<QRadioButton*>("单选框_经典起名")->isChecked());
        QVERIFY(w.List("超级列表框_高分起名"));
        QVERIFY(w.List("超级列表框_英文列表"));
    }

    void chartPageShowsTheNamingDateAndResetsItsLists() {
        MainWindow w;
        lumo::ui::FillDateLists(w.InputDates());
        w.InputDates().year->setCurrentText("2020");
        w.InputDates().month->setCurrentText("5");
        w.InputDates().day->setCurrentText("6");
        w.InputDates().hour->setCurrentText("13");
        w.ChartDates().year->addItem("junk");
        w.ToolbarCommand(2);
        QCOMPARE(w.Pages()->currentIndex(), 6);
        QCOMPARE(w.findChild<QLabel*>("透明标签_起名日期")->text(), QString("2020年5月6日13时"));
        QCOMPARE(w.ChartDates().year->count(), 61);
        QCOMPARE(w.ChartDates().year->currentText(), QString("2013"));
    }

    void scoringPageTwiceKeepsOneSetOfLists() {
        MainWindow w;
        w.findChild<QLineEdit*>("编辑框_姓氏")->setText("欧阳");
        w.ToolbarCommand(4);
        w.ToolbarCommand(4);
        QCOMPARE(w.Pages()->currentIndex(), 7);
        QCOMPARE(w.findChild<QLineEdit*>("编辑框_评分姓氏")->text(), QString("欧阳"));
        const auto& d = w.ScoringDates();
        QCOMPARE(d.year->count() + d.month->count() + d.day->count() + d.hour->count() + d.minute->count(),
                 61 + 12 + 31 + 24 + 60);
        QCOMPARE(QStringList({d.year->currentText(), d.month->currentText(), d.day->currentText(), d.hour->currentText(), d.minute->currentText()}).join(","), QString("2013,1,1,0,0"));
    }

    void menuAndToolbarRunTheSameCommand() {
        MainWindow w;
        w.OperationMenu()->actions().at(3)->trigger();  // 起名记录
        QCOMPARE(w.Pages()->currentIndex(), 8);
        w.ToolbarAction(0)->trigger();
        QCOMPARE(w.Pages()->currentIndex(), 0);
        w.ToolbarCommand(7);  // a separator: nothing
        QCOMPARE(w.Pages()->currentIndex(), 0);
    }

    void aModeRadioOnlyChangesTheStatusText() {
        MainWindow w;
        auto* radio = w.findChild<QRadioButton*>("单选框_高分起名");
        radio->click();
        QCOMPARE(w.Pages()->currentIndex(), 0);
        QCOMPARE(w.StatusText()->text(), QString("1-20秒内生成10000个90分以上的高分姓名"));
    }

    void aSecondInstanceLeavesAtOnce() {
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess first, second;
        first.setProcessEnvironment(env);
        second.setProcessEnvironment(env);
        first.start(LUMO_PROGRAM_PATH, {});
        QVERIFY(first.waitForStarted());
        QTest::qWait(1500);  // let the first instance take the lock
        second.start(LUMO_PROGRAM_PATH, {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        first.waitForFinished(10000);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
