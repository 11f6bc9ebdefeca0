// Naming pages driven through the real main window over the real reference database.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "content/SettingsFile.h"
#include "ui/GenerationPanel.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/PoetryPanel.h"
#include "ui/RunView.h"
#include "ui/RecordsPanel.h"
#include "ui/TextTableModel.h"

using namespace lumo;

// Clicks a button from inside its EnabledChange event, on the UI thread, before anything queued
// behind the call that enabled it can run.
class PauseWhenEnabled : public QObject {
public:
    explicit PauseWhenEnabled(QPushButton* button) : button_(button) {}
    bool clicked = false;
    QString caption;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!clicked && watched == button_ && event->type() == QEvent::EnabledChange &&
            button_->isEnabled()) {
            clicked = true;
            button_->click();
            caption = button_->text();
        }
        return false;
    }

private:
    QPushButton* button_;
};

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
        void Type(const char* edit, const QString& text) { window.findChild<QLineEdit*>(edit)->setText(text); }
        void Pick(const char* combo, const QString& text) { window.findChild<QComboBox*>(combo)->setCurrentText(text); }
        int Rows(const char* list) { return window.ListModel(list)->rowCount(); }
        // Given names of a list, family name cut off.
        QStringList GivenNames(const char* list, int familyLength = 1) {
            QStringList names;
            for (int r = 0; r < Rows(list); ++r) names << window.ListModel(list)->Row(r)[1].mid(familyLength);
            return names;
        }
        // Clicks a start button and waits until its run has handed over a first row and can be
        // paused (the pause button opens with the first row).
        // Clicks pause the moment the run enables it: a short run could otherwise enable and
        // close its pause button between two looks of a polling loop on a loaded machine.
        bool StartAndPause(const char* start, const char* pause) {
            QPushButton* button = Button(pause);
            PauseWhenEnabled clicker(button);
            button->installEventFilter(&clicker);
            Button(start)->click();
            QElapsedTimer t;
            t.start();
            while (!clicker.clicked && t.elapsed() < 30000) QTest::qWait(10);
            button->removeEventFilter(&clicker);
            return clicker.clicked && clicker.caption == "继续";
        }
        void Choose(const char* radio) { window.findChild<QRadioButton*>(radio)->click(); }
        bool WaitIdle(int ms = 30000) {
            QElapsedTimer t;
            t.start();
            // The worker ends first; its last calls (sort, renumber, the idle buttons) land after.
            while ((controller.Generation().Worker().Running() || !controller.Generation().View().Idle()) &&
                   t.elapsed() < ms)
                QTest::qWait(20);
            return !controller.Generation().Worker().Running() && controller.Generation().View().Idle();
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

    // 过滤不宜取名用字 is on at first, its state goes into the settings and comes back from them.
    void unsuitableFilterIsASavedSetting() {
        Program p;
        auto* box = p.window.findChild<QCheckBox*>("选择框_过滤不宜取名用字");
        QVERIFY(box);
        QVERIFY(box->isChecked());
        box->setChecked(false);
        Settings saved = p.controller.Records().ReadSettings();
        QVERIFY(!saved.filterUnsuitable);
        box->setChecked(true);
        p.controller.Records().ApplySettings(saved);
        QVERIFY(!box->isChecked());
    }

    // A settings file that is there but cannot be read is reported at start-up and left alone at
    // shutdown: its records are still in it.
    void anUnreadableSettingsFileIsReportedAndKept() {
        const std::filesystem::path folder =
            std::filesystem::path(config.path().toStdString()) / "lumo";
        const std::filesystem::path file = folder / "config.dat";
        std::filesystem::create_directories(folder);
        std::filesystem::remove(file);
        std::filesystem::create_symlink("/proc/self/mem", file);  // reading it fails with EIO
        {
            Program p;
            QCOMPARE(ui::MessageBoxes::Recorded().size(), 1);
            QVERIFY(ui::MessageBoxes::Recorded()[0].startsWith("提示|无法读取设置文件“"));
            p.Type("编辑框_姓氏", "王");
        }
        QVERIFY(std::filesystem::is_symlink(file));
        std::filesystem::remove(file);
    }

    // The edit boxes hold no more than a run accepts.
    void editBoxesHaveTheLimitsOfTheRuns() {
        Program p;
        const std::pair<const char*, int> limits[] = {
            {"编辑框_姓氏", 4},     {"编辑框_英文姓氏", 4}, {"编辑框_英文名字", 4},
            {"编辑框_评分姓氏", 4}, {"编辑框_评分名字", 4}, {"编辑框_组合的字", 500}};
        for (const auto& [name, limit] : limits) {
            auto* edit = p.window.findChild<QLineEdit*>(name);
            QVERIFY2(edit, name);
            QCOMPARE(edit->maxLength(), limit);
            const QString before = edit->text();
            edit->setText(QString(limit + 10, QChar(0x674E)));  // 李
            QCOMPARE(edit->text().size(), limit);
            edit->setText(before);  // the settings saved at shutdown stay as they were
        }
    }

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
            // 明 亮 paired with each other; 欧 and 阳 stand in the set only for their strokes.
            QCOMPARE(list->model()->rowCount(), 4);
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

    void eachPageRunsItsOwnMode_data() {
        QTest::addColumn<QString>("chosen");  // the radio on page 0
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("filled");  // the list (or text) the button must fill
        QTest::newRow("组合 with 超吉 chosen") << "单选框_超吉起名" << "按钮_组合起名" << "超级列表框_组合列表";
        QTest::newRow("经典 with 高分 chosen") << "单选框_高分起名" << "按钮_经典生成" << "编辑框_经典名字";
        QTest::newRow("高分 with 超吉 chosen") << "单选框_超吉起名" << "按钮_再生成一次" << "超级列表框_高分起名";
        QTest::newRow("小名 with 经典 chosen") << "单选框_经典起名" << "按钮_起小名" << "超级列表框_小名列表";
    }

    void eachPageRunsItsOwnMode() {
        QFETCH(QString, chosen);
        QFETCH(QString, button);
        QFETCH(QString, filled);
        Program p;
        p.Type("编辑框_姓氏", "李");
        p.Pick("组合框_名字个数", "二字");
        p.Type("编辑框_组合的字", "圣诚");
        p.Choose(chosen.toUtf8().constData());
        p.Button(button.toUtf8().constData())->click();
        QVERIFY(p.WaitIdle());
        const char* lists[] = {"超级列表框_高分起名", "超级列表框_超吉起名", "超级列表框_组合列表", "超级列表框_小名列表"};
        for (const char* list : lists)
            QCOMPARE(p.Rows(list) > 0, filled == list);
        QCOMPARE(p.window.findChild<QPlainTextEdit*>("编辑框_经典名字")->toPlainText().isEmpty(),
                 filled != "编辑框_经典名字");
        if (filled == "超级列表框_组合列表") {
            QCOMPARE(p.Rows("超级列表框_组合列表"), 4);
        }
    }

    void aRunThatEndsLeavesItsPageIdle_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<QStringList>("idleEnabled");  // enabled once the run is over
        QTest::addColumn<QString>("list");
        QTest::newRow("超吉") << "按钮_超吉生成" << "按钮_超吉暂停" << QStringList{"按钮_超吉生成", "按钮_超吉导出"}
                            << "超级列表框_超吉起名";
        QTest::newRow("高分") << "按钮_再生成一次" << "按钮_高分暂停" << QStringList{"按钮_再生成一次", "按钮_高分导出"}
                            << "超级列表框_高分起名";
    }

    // Paused and then replaced by another run, stopped by 开始起名, or finished: each time the
    // page's buttons return to their idle state and its pause button closes.
    void aRunThatEndsLeavesItsPageIdle() {
        QFETCH(QString, start);
        QFETCH(QString, pause);
        QFETCH(QStringList, idleEnabled);
        QFETCH(QString, list);
        Program p;
        p.Type("编辑框_姓氏", "李");
        p.Pick("组合框_名字个数", "二字");
        auto expectIdle = [&](const char* when) {
            for (const QString& b : idleEnabled)
                QVERIFY2(p.Button(b.toUtf8().constData())->isEnabled(), qPrintable(b + " " + when));
            QVERIFY2(!p.Button(pause.toUtf8().constData())->isEnabled(), when);
            QCOMPARE(p.Button(pause.toUtf8().constData())->text(), QString("暂停"));
            QVERIFY(p.window.ToolbarAction(0)->isEnabled());
        };
        // Replaced: paused, then another mode's run from page 0.
        QVERIFY(p.StartAndPause(start.toUtf8().constData(), pause.toUtf8().constData()));
        p.Choose("单选框_经典起名");
        p.Button("按钮_起名")->click();
        QVERIFY(p.WaitIdle());
        expectIdle("after another run");
        // Stopped: paused, then 开始起名 with another family name in the page's mode stops it
        // (and, for 高分, starts the new family name's run).
        QVERIFY(p.StartAndPause(start.toUtf8().constData(), pause.toUtf8().constData()));
        p.Type("编辑框_姓氏", "王");
        p.Choose(start == "按钮_超吉生成" ? "单选框_超吉起名" : "单选框_高分起名");
        p.Button("按钮_起名")->click();
        QVERIFY(p.WaitIdle());
        expectIdle("after a stop");
        // Finished (the high-score run ends in seconds): a complete list can be exported.
        if (start == "按钮_再生成一次") {
            p.Button("按钮_再生成一次")->click();
            QVERIFY(p.WaitIdle());
            QVERIFY(p.Rows("超级列表框_高分起名") > 0);
            expectIdle("after a finished run");
        }
    }

    void pauseButtonsAreClosedWhileNothingRuns() {
        Program p;
        QVERIFY(!p.Button("按钮_高分暂停")->isEnabled());
        QVERIFY(!p.Button("按钮_超吉暂停")->isEnabled());
        // Another mode's run does not open them either.
        p.Type("编辑框_姓氏", "李");
        p.Button("按钮_起小名")->click();
        QVERIFY(!p.Button("按钮_高分暂停")->isEnabled());
        QVERIFY(p.WaitIdle());
        QVERIFY(!p.Button("按钮_高分暂停")->isEnabled());
        QVERIFY(!p.Button("按钮_超吉暂停")->isEnabled());
    }

    void changedInputsStartAFreshHighScoreRun_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("length");  // characters of the given names after the change
        QTest::newRow("名字个数") << "组合框_名字个数" << "一字" << 1;
        QTest::newRow("性别") << "组合框_性别" << "女" << 2;
    }

    void changedInputsStartAFreshHighScoreRun() {
        QFETCH(QString, combo);
        QFETCH(QString, value);
        QFETCH(int, length);
        Program p;
        p.Type("编辑框_姓氏", "李");
        p.Pick("组合框_性别", "男");
        p.Pick("组合框_名字个数", "二字");
        p.Choose("单选框_高分起名");
        p.Button("按钮_起名")->click();
        QVERIFY(p.WaitIdle());
        const QStringList before = p.GivenNames("超级列表框_高分起名");
        QVERIFY(!before.isEmpty());
        p.Pick(combo.toUtf8().constData(), value);
        p.window.ShowPage(0);
        p.Button("按钮_起名")->click();
        QVERIFY(p.WaitIdle());
        const QStringList after = p.GivenNames("超级列表框_高分起名");
        QVERIFY(!after.isEmpty());
        QVERIFY(after != before);  // a new random sample, not the old list again
        for (const QString& g : after) QCOMPARE(g.size(), length);
    }

    // Answers the modal 设置辈份 dialog: the second character 志, or 取消.
    static void AnswerCharDialog(bool confirmSecond) {
        QTimer::singleShot(0, [confirmSecond] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() != "辈份窗口" || !w->isVisible()) continue;
                if (confirmSecond) w->findChild<QRadioButton*>("单选框_设置第二个字")->click();
                w->findChild<QPushButton*>(confirmSecond ? "按钮_辈份确定" : "按钮_辈份取消")->click();
            }
        });
    }

    void aGenerationCharacterStartsAFreshRun() {
        Program p;
        p.Type("编辑框_姓氏", "李");
        p.Pick("组合框_名字个数", "二字");
        p.Choose("单选框_高分起名");
        p.Button("按钮_起名")->click();
        QVERIFY(p.WaitIdle());
        AnswerCharDialog(true);
        p.controller.Generation().OpenCharSettingDialog();
        auto* marker = p.window.findChild<QLabel*>("标签_设置辈份");
        QVERIFY(marker->styleSheet().contains("255, 0, 0"));
        p.window.ShowPage(0);
        p.Button("按钮_起名")->click();
        QVERIFY(p.WaitIdle());
        const QStringList names = p.GivenNames("超级列表框_高分起名");
        QVERIFY(!names.isEmpty());
        for (const QString& g : names) QVERIFY2(g.startsWith("志"), qPrintable(g));
        // 取消 turns the setting off, and the marker says so.
        AnswerCharDialog(false);
        p.controller.Generation().OpenCharSettingDialog();
        QVERIFY(!p.controller.Generation().CharSetting().enabled);
        QVERIFY(!marker->styleSheet().contains("255, 0, 0"));
    }

    void namesThatAreNotChineseAreRefused_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("button");
        QTest::newRow("开始起名 Li") << "Li" << "按钮_起名";
        QTest::newRow("组合 李a") << "李a" << "按钮_组合起名";
        QTest::newRow("高分 L") << "L" << "按钮_再生成一次";
    }

    void namesThatAreNotChineseAreRefused() {
        QFETCH(QString, family);
        QFETCH(QString, button);
        Program p;
        p.Type("编辑框_姓氏", family);
        p.Choose("单选框_高分起名");
        p.Button(button.toUtf8().constData())->click();
        QCOMPARE(ui::MessageBoxes::Recorded(),
                 QStringList{"提示|姓氏“" + family + "”不是汉字，请用汉字输入姓氏（如 李、欧阳）。"});
        QVERIFY(!p.controller.Generation().Worker().Running());
        QVERIFY(!p.controller.Generation().RunningMode().has_value());
        QCOMPARE(p.window.Pages()->currentIndex(), 0);
        QCOMPARE(p.Rows("超级列表框_高分起名"), 0);
    }

    void scoringRefusesLatinAndWarnsOfWhatItCannotCount() {
        Program p;
        p.window.ToolbarCommand(4);
        auto* warning = p.window.findChild<QLabel*>("标签_评分警告");
        // Latin letters are not a name: refused, nothing listed.
        p.Type("编辑框_评分姓氏", "李");
        p.Type("编辑框_评分名字", "abc");
        p.Button("按钮_评分")->click();
        QCOMPARE(ui::MessageBoxes::Recorded(), QStringList{"提示|名字“abc”不是汉字，请用汉字输入名字。"});
        QCOMPARE(p.Rows("超级列表框_评分列表"), 0);
        // Spaces around a name are dropped; spaces alone are no name.
        ui::MessageBoxes::Recorded().clear();
        p.Type("编辑框_评分名字", "  ");
        p.Button("按钮_评分")->click();
        QCOMPARE(ui::MessageBoxes::Recorded(), QStringList{"提示|请输入名字"});
        // Scored, with the reason the score cannot be trusted beside it.
        const struct {
            const char *family, *given, *warning;
        } cases[] = {{"李", "龘", "龘：字库未收录，此名评分不可信"},
                     {"欧阳", "子涵涵", "名字超过两个字，评分只计前两个字，此名评分不可信"}};
        for (const auto& c : cases) {
            p.Type("编辑框_评分姓氏", c.family);
            p.Type("编辑框_评分名字", c.given);
            p.Button("按钮_评分")->click();
            QVERIFY(warning->isVisibleTo(&p.window));
            QVERIFY2(warning->text().contains(c.warning), qPrintable(warning->text()));
        }
        QCOMPARE(p.Rows("超级列表框_评分列表"), 2);
        // The detail window says it too.
        QTableView* list = p.window.List("超级列表框_评分列表");
        list->setCurrentIndex(list->model()->index(0, 1));
        emit list->doubleClicked(list->currentIndex());
        QLabel* detailWarning = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "LumoConten" && w->isVisible()) detailWarning = w->findChild<QLabel*>("标签_评分警告");
        QVERIFY(detailWarning);
        QVERIFY(detailWarning->isVisibleTo(detailWarning->window()));
        QVERIFY(detailWarning->text().contains("龘：字库未收录，此名评分不可信"));
        // A name the scoring represents carries no warning.
        p.Type("编辑框_评分姓氏", "李");
        p.Type("编辑框_评分名字", "明");
        p.Button("按钮_评分")->click();
        QVERIFY(!warning->isVisibleTo(&p.window));
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
