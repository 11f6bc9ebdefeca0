// Naming pages driven through the real main window over the real reference database.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "ui/GenerationPanel.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/PoetryPanel.h"
#include "ui/RecordsPanel.h"
#include "ui/TextTableModel.h"

using namespace lumo;

class NamingTest : public QObject {
    Q_OBJECT

    struct Program {
        app::AppContext context{QCoreApplication::applicationDirPath()};
        ui::MainWindow window;
        app::MainController controller{context, window};
        Program() {
            controller.Start();
            context.WaitForLoader();
        }
        ~Program() { controller.Shutdown(); }
        QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(name); }
        void Choose(const char* radio) { window.findChild<QRadioButton*>(radio)->click(); }
        bool WaitIdle(int ms = 30000) {
            QElapsedTimer t;
            t.start();
            while (controller.Generation().Worker().Running() && t.elapsed() < ms) QTest::qWait(20);
            QTest::qWait(50);  // let the last queued calls land
            return !controller.Generation().Worker().Running();
        }
    };

    QTemporaryDir config;

private slots:
    void initTestCase() {
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + "/data/namedata.db"),
                 "the reference database is built with the programs");
        ui::MessageBoxes::SetRecording(true);
    }

    void init() { ui::MessageBoxes::Recorded().clear(); }

    void emptyFamilyNameIsRefused() {
        Program p;
        p.Button("按钮_起名")->click();
        QCOMPARE(ui::MessageBoxes::Recorded(), QStringList{"提示|请输入姓氏!"});
        QCOMPARE(p.window.Pages()->currentIndex(), 0);
    }

    void highScoreFillsASortedListAndPauses() {
        Program p;
        p.window.findChild<QLineEdit*>("编辑框_姓氏")->setText("李");
        p.window.findChild<QComboBox*>("组合框_名字个数")->setCurrentText("二字");
        p.Choose("单选框_高分起名");
        p.Button("按钮_起名")->click();
        QCOMPARE(p.window.Pages()->currentIndex(), 1);
        // Pause as soon as rows arrive: the caption says 继续 and the export button opens.
        ui::TextTableModel* list = p.window.ListModel("超级列表框_高分起名");
        QTRY_VERIFY_WITH_TIMEOUT(list->rowCount() > 0 || !p.controller.Generation().Worker().Running(), 20000);
        if (p.controller.Generation().Worker().Running()) {
            p.Button("按钮_高分暂停")->click();
            QCOMPARE(p.Button("按钮_高分暂停")->text(), QString("继续"));
            QVERIFY(p.Button("按钮_高分导出")->isEnabled());
            p.Button("按钮_高分暂停")->click();
            QCOMPARE(p.Button("按钮_高分暂停")->text(), QString("暂停"));
        }
        QVERIFY(p.WaitIdle());
        QVERIFY(list->rowCount() > 100);
        QVERIFY(list->rowCount() <= 10000);
        int previous = 101;
        for (int r = 0; r < list->rowCount(); ++r) {
            const QStringList& row = list->Row(r);
            QCOMPARE(row[0], QString::number(r + 1));
            QVERIFY(row[1].startsWith("李") && row[1].size() == 3);
            QVERIFY(!row[1].mid(1).contains("李"));
            QVERIFY(row[7].toInt() >= 90 && row[7].toInt() <= previous);
            previous = row[7].toInt();
        }
        QVERIFY(p.Button("按钮_再生成一次")->isEnabled());
        // The same family name again only shows the page; the list stays.
        int rows = list->rowCount();
        p.window.ShowPage(0);
        p.Button("按钮_起名")->click();
        QCOMPARE(p.window.Pages()->currentIndex(), 1);
        QVERIFY(!p.controller.Generation().Worker().Running());
        QCOMPARE(list->rowCount(), rows);
    }

    void aDoubleClickKeepsTheNameOnceAndItSurvivesARestart() {
        {
            Program p;
            p.window.show();
            p.window.findChild<QLineEdit*>("编辑框_姓氏")->setText("欧阳");
            p.window.findChild<QComboBox*>("组合框_名字个数")->setCurrentText("二字");
            p.Choose("单选框_组合起名");
            p.Button("按钮_起名")->click();
            QCOMPARE(p.window.Pages()->currentIndex(), 3);
            p.window.findChild<QLineEdit*>("编辑框_组合的字")->setText("明亮");
            p.Button("按钮_组合起名")->click();
            QVERIFY(p.WaitIdle());
            QTableView* list = p.window.List("超级列表框_组合列表");
            // 明 亮 欧 阳 paired with each other, all but 欧阳 itself.
            QCOMPARE(list->model()->rowCount(), 15);
            QModelIndex first = list->model()->index(0, 1);
            list->setCurrentIndex(first);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
            QCOMPARE(p.controller.Records().Records().size(), std::size_t(1));
            // The double-click opened the name's detail window.
            QWidget* detail = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "LumoConten" && w->isVisible()) detail = w;
            QVERIFY(detail);
            QVERIFY(detail->windowTitle().contains(list->model()->index(0, 1).data().toString()));
            detail->close();
            QCOMPARE(p.window.ListModel("超级列表框_记录列表")->rowCount(), 1);
            QString kept = p.window.ListModel("超级列表框_记录列表")->Row(0)[1];
            QVERIFY(kept.startsWith("欧阳\r\n"));
            p.window.findChild<QLineEdit*>("编辑框_姓氏")->setText("欧阳");
        }
        Program again;  // a restart reads the records back from the settings file
        QCOMPARE(again.window.ListModel("超级列表框_记录列表")->rowCount(), 1);
        QCOMPARE(again.window.findChild<QLineEdit*>("编辑框_姓氏")->text(), QString("欧阳"));
        QCOMPARE(again.window.findChild<QComboBox*>("组合框_名字个数")->currentText(), QString("二字"));
    }

    void superFilterMastersExcludeEachOther() {
        Program p;
        auto* second = p.window.findChild<QCheckBox*>("选择框_第二个字五行限定");
        auto* required = p.window.findChild<QCheckBox*>("选择框_所有字必带五行");
        QVERIFY(required->isChecked());
        QVERIFY(!second->isEnabled());
        required->click();  // untick 必带: the position boxes open
        QVERIFY(second->isEnabled());
        second->click();
        QVERIFY(second->isChecked());
        QVERIFY(!required->isEnabled());
        QVERIFY(p.window.findChild<QCheckBox*>("选择框_金0")->isEnabled());
    }

    void poetryGridOfAQuatrainHas28Boxes() {
        Program p;
        p.window.findChild<QLineEdit*>("编辑框_姓氏")->setText("王");
        p.Choose("单选框_诗词起名");
        p.Button("按钮_起名")->click();
        QCOMPARE(p.window.Pages()->currentIndex(), 2);
        QTableView* poets = p.window.List("超级列表框_诗人列表");
        QVERIFY(poets->model()->rowCount() > 1000);
        // Find 张继 and his quatrain of seven-character lines 枫桥夜泊.
        QModelIndexList li = poets->model()->match(poets->model()->index(0, 1), Qt::DisplayRole, "张继", 1,
                                                   Qt::MatchExactly);
        QCOMPARE(li.size(), 1);
        poets->setCurrentIndex(li[0]);
        QTableView* poems = p.window.List("超级列表框_诗词残");
        QModelIndexList jys = poems->model()->match(poems->model()->index(0, 1), Qt::DisplayRole, "枫桥夜泊", 1,
                                                    Qt::MatchExactly);
        QCOMPARE(jys.size(), 1);
        poems->setCurrentIndex(jys[0]);
        p.Button("按钮2")->click();
        const auto& boxes = p.controller.Generation().Poetry().Boxes();
        QCOMPARE(boxes.size(), std::size_t(28));
        auto* grid = static_cast<QGridLayout*>(p.window.findChild<QWidget*>("诗词字符_网格")->layout());
        int firstLine = 0;
        for (QCheckBox* b : boxes) {
            int row, col, rs, cs;
            grid->getItemPosition(grid->indexOf(b), &row, &col, &rs, &cs);
            firstLine += row == 0;
        }
        QCOMPARE(firstLine, 15);
        QCOMPARE(boxes[0]->text(), QString("月"));
        QVERIFY(boxes[0]->isChecked());   // 月 opens the first verse
        QVERIFY(!boxes[1]->isChecked());  // 落
        QVERIFY(boxes[21]->isChecked());  // 夜 opens the last verse
        p.Button("按钮_全清")->click();
        QVERIFY(p.controller.Generation().Poetry().TickedCharacters().empty());
    }
};

QTEST_MAIN(NamingTest)
#include "NamingTest.moc"
