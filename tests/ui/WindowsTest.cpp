// The secondary windows and the page handlers over the real reference database: the detail
// window, the dictionary, the birth-chart page, the article reader, the exports and the
// pronunciation of English names.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <map>
#include <memory>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "birthchart/BirthChart.h"
#include "birthchart/ChartAnalysis.h"
#include "reports/NameReport.h"
#include "content/Articles.h"
#include "content/FileOutput.h"
#include "content/SettingsFile.h"
#include "generation/ElementFilter.h"
#include "numerology/Characters.h"
#include "reports/CharacterPages.h"
#include "reports/NameDetails.h"
#include "ui/ArticleReader.h"
#include "ui/ChartPage.h"
#include "ui/DetailWindow.h"
#include "ui/DictionaryDialog.h"
#include "ui/ExportButtons.h"
#include "ui/FileDialogs.h"
#include "ui/GenerationPanel.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Pronunciation.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

using namespace lumo;
using namespace lumo::ui;

namespace {

std::string FileBytes(const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) bytes = "<unreadable>";
    return bytes;
}

// The text a page shows, as a view of ours would show it.
QString ShownText(const std::string& gbkPage) {
    QTextDocument d;
    d.setHtml(DisplayedHtml(gbkPage));
    return d.toPlainText();
}

// 0.1 s of a 440 Hz tone, 8-bit mono WAV.
QByteArray ShortRecording() {
    const int rate = 8000, samples = 800;
    QByteArray pcm;
    for (int i = 0; i < samples; ++i)
        pcm.append(static_cast<char>(128 + std::lround(90 * std::sin(2 * M_PI * 440 * i / rate))));
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    return "RIFF" + le32(36 + samples) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
           le32(rate) + le32(rate) + le16(1) + le16(8) + "data" + le32(samples) + pcm;
}

// A dictionary on 127.0.0.1: "/s?wd=NAME" answers a search page (UTF-8) whose first link marker
// leads to "/voice/NAME.mp3", which answers the recording; everything else is 404.
class TestDictionary : public QTcpServer {
  public:
    enum class Answer { Recording, NoMarker, MissingRecording, Silence };

    TestDictionary() {
        connect(this, &QTcpServer::newConnection, this, &TestDictionary::Accept);
        listen(QHostAddress::LocalHost, 0);
    }
    QString Base() const { return QString("http://127.0.0.1:%1").arg(serverPort()); }

    Answer answer = Answer::Recording;
    QByteArray recording = ShortRecording();
    QStringList requested;

  private:
    void Accept() {
        while (QTcpSocket* s = nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { Serve(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    }

    void Serve(QTcpSocket* s) {
        QByteArray request = s->property("request").toByteArray() + s->readAll();
        s->setProperty("request", request);
        if (!request.contains("\r\n\r\n")) return;
        QByteArray path = request.split(' ').value(1);
        requested << QString::fromLatin1(path);
        if (answer == Answer::Silence) return;  // keeps the connection open and says nothing
        int status = 200;
        QByteArray body;
        if (path.startsWith("/s?wd=")) {
            QByteArray name = path.mid(6);
            body = answer == Answer::NoMarker
                       ? QString("<html><body>没有找到读音</body></html>").toUtf8()
                       : QString(
                             "<html><body><p>英文名 释义</p><a href=\"#\" "
                             "url=\"%1/voice/%2.mp3\">读</a>"
                             "<a href=\"#\" url=\"%1/second.mp3\">再读</a></body></html>")
                             .arg(Base(), QString::fromLatin1(name))
                             .toUtf8();
        } else if (path.startsWith("/voice/") && answer == Answer::Recording) {
            body = recording;
        } else {
            status = 404;
            body = "not here";
        }
        s->write("HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") +
                 "\r\nContent-Length: " + QByteArray::number(body.size()) +
                 "\r\nConnection: close\r\n\r\n" + body);
        s->disconnectFromHost();
    }
};

// The main window with one page handler of ours; the window owns the handler.
template <typename Handler>
struct Page {
    MainWindow window;
    Handler* handler;
    template <typename... Args>
    explicit Page(Args&&... args) : handler(new Handler(window, std::forward<Args>(args)...)) {}
};

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;
    QTemporaryDir data_;
    std::unique_ptr<app::AppContext> context_;

    SqliteDatabase& Db() { return context_->ReferenceDb(); }
    DataFolder Folder() { return DataFolder::At(data_.path().toStdString()); }

    // The whole program, as the lead's creation sequence builds it.
    struct Program {
        app::AppContext context{QCoreApplication::applicationDirPath()};
        MainWindow window;
        app::MainController controller{context, window};
        Program() {
            controller.Start();
            context.WaitForLoader();
        }
        ~Program() { controller.Shutdown(); }
    };

  private slots:
    void initTestCase() {
        // The program's settings go to a folder of the test, not to the user's.
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + "/data/namedata.db"),
                 "the reference database is built with the programs");
        context_ = std::make_unique<app::AppContext>(QCoreApplication::applicationDirPath());
        context_->StartLoader(this);
        context_->WaitForLoader();
        QVERIFY(context_->ReferenceLoaded());
        MessageBoxes::SetRecording(true);
        PagePrinting::SetRecording(true);
        ExportButtons::SetOpenRecording(true);
    }

    void init() {
        MessageBoxes::Recorded().clear();
        PagePrinting::Recorded().clear();
        ExportButtons::RecordedOpens().clear();
    }

    // ---- the detail window ------------------------------------------------------------------

    void detailWindowHasATabPerCharacter_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QStringList>("titles");  // tabs 1..5; empty: hidden
        QTest::newRow("three characters")
            << "李"
            << "明华" << QStringList{"李", "明", "华", "", "姓氏起源"};
        // The fifth character's tab becomes the family-name tab.
        QTest::newRow("five characters")
            << "欧阳"
            << "修明家" << QStringList{"欧", "阳", "修", "明", "姓氏起源"};
        QTest::newRow("two characters") << "王"
                                        << "一" << QStringList{"王", "一", "", "", "姓氏起源"};
    }

    void detailWindowHasATabPerCharacter() {
        QFETCH(QString, family);
        QFETCH(QString, given);
        QFETCH(QStringList, titles);
        MainWindow owner;
        auto* opener = new NameDetailWindows(owner, Db(), Folder());
        DetailWindow* w = opener->OpenNameDetail(family, given);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->objectName(), QString("LumoConten"));
        QCOMPARE(w->parentWidget(), &owner);
        QCOMPARE(w->windowTitle(), family + given + "姓名详细解释");
        QCOMPARE(w->Tabs()->currentIndex(), 0);
        QCOMPARE(w->Browser(0)->documentTitle(), QString("名字评分"));
        QCOMPARE(w->Tabs()->tabText(0), QString("姓名详细解释"));
        for (int k = 1; k <= 5; ++k) {
            const QString& title = titles[k - 1];
            QCOMPARE(w->Tabs()->isTabVisible(k), !title.isEmpty());
            if (title.isEmpty()) continue;
            QCOMPARE(w->Tabs()->tabText(k), title);
            QVERIFY2(w->Browser(k)->toPlainText().isEmpty(),
                     "a tab's page is read when the tab is chosen");
            w->Tabs()->setCurrentIndex(k);
            const QString expected = k == 5 ? "百家姓_" + family : title;
            QCOMPARE(w->Browser(k)->documentTitle(), expected);
            std::string file = "temp" + std::to_string(k) + ".html";
            QCOMPARE(w->Browser(k)->toPlainText(), ShownText(FileBytes(Folder().File(file))));
            QVERIFY(!w->Browser(k)->toPlainText().contains("结果来源于"));  // the hidden marker stays hidden
            w->Toolbar()->actions().at(8)->trigger();  // 打印 prints the page of the chosen tab
            // ... named after the name, which the print dialog proposes for a PDF file.
            QCOMPARE(PagePrinting::Recorded().last(), family + given + "_" + expected);
        }
    }

    void detailWindowIsReusedAndFollowsItsSize() {
        MainWindow owner;
        auto* opener = new NameDetailWindows(owner, Db(), Folder());
        DetailWindow* first = opener->OpenNameDetail("欧阳", "修明家");
        first->Tabs()->setCurrentIndex(4);
        // A kept list's cell holds the family and given name on two lines; the caption keeps one.
        NameDetails kept =
            ShowNameDetails(Db(), ToGbk("李"), ToGbk("明华"), ToGbk("李\r\n明华"), Folder());
        DetailWindow* second = opener->ShowDetails(kept);
        QCOMPARE(second, first);
        QCOMPARE(second->windowTitle(), QString("李明华姓名详细解释"));
        QCOMPARE(second->Tabs()->currentIndex(), 0);
        QVERIFY(!second->Tabs()->isTabVisible(4));
        QCOMPARE(second->Tabs()->tabText(3), QString("华"));
        QCOMPARE(second->Browser(0)->toPlainText(),
                 ShownText(FileBytes(Folder().File("temp.html"))));
        QVERIFY(second->Browser(0)->toPlainText().contains("李"));
        QVERIFY(!second->Browser(0)->toPlainText().contains("欧"));

        // Each choice of a tab reads its file again.
        second->Tabs()->setCurrentIndex(1);
        WriteFileAtomically(Folder().File("temp1.html"),
                            "<html><head><title>changed</title></head></html>");
        second->Tabs()->setCurrentIndex(0);
        second->Tabs()->setCurrentIndex(1);
        QCOMPARE(second->Browser(1)->documentTitle(), QString("changed"));

        second->resize(900, 600);
        QTRY_COMPARE(second->Tabs()->geometry(), QRect(0, 40, 899, 530));
        QVERIFY(second->Browser(1)->width() <= 899 && second->Browser(1)->width() >= 880);

        second->Toolbar()->actions().at(10)->trigger();  // 退出
        QTRY_VERIFY(opener->Window() == nullptr);
        QVERIFY(opener->OpenNameDetail("李", "明") != nullptr);
    }

    void detailToolbarMovesThroughTheVisitedTabs() {
        MainWindow owner;
        auto* opener = new NameDetailWindows(owner, Db(), Folder());
        DetailWindow* w = opener->OpenNameDetail("欧阳", "修明家");
        QAction* home = w->ToolAction(0);
        QAction* back = w->ToolAction(2);
        QAction* forward = w->ToolAction(4);
        QCOMPARE(home->text(), QString("首页"));
        QCOMPARE(back->text(), QString("后退"));
        QCOMPARE(forward->text(), QString("前进"));
        QCOMPARE(w->ToolAction(6)->text(), QString("导出"));
        QVERIFY(w->ToolAction(6)->isEnabled());
        // The state of 首页, 后退, 前进 as "1" (enabled) or "0", with the current tab.
        auto state = [&] {
            return QString("%1 %2%3%4")
                .arg(w->Tabs()->currentIndex())
                .arg(int(home->isEnabled()))
                .arg(int(back->isEnabled()))
                .arg(int(forward->isEnabled()));
        };
        QCOMPARE(state(), QString("0 000"));
        const struct {
            const char* step;  // a tab number to choose, or one of the toolbar's items
            const char* after;
        } steps[] = {
            {"2", "2 110"},    {"4", "4 110"},    {"后退", "2 111"}, {"后退", "0 001"},
            {"后退", "0 001"}, {"前进", "2 111"}, {"前进", "4 110"}, {"前进", "4 110"},
            {"后退", "2 111"}, {"5", "5 110"},    {"前进", "5 110"},  // 5 dropped the steps ahead
            {"后退", "2 111"}, {"首页", "0 010"}, {"后退", "2 111"}, {"后退", "0 001"},
        };
        const std::map<QString, QAction*> items{{"后退", back}, {"前进", forward}, {"首页", home}};
        for (const auto& s : steps) {
            const QString step = QString::fromUtf8(s.step);
            if (items.count(step))
                items.at(step)->trigger();
            else
                w->Tabs()->setCurrentIndex(step.toInt());
            QCOMPARE(state() + " after " + step, QString::fromUtf8(s.after) + " after " + step);
        }
        // A page reached by 前进 is the tab's page, printed under its own title.
        forward->trigger();
        QCOMPARE(w->ShownPage(), w->Browser(2));
        QCOMPARE(w->Browser(2)->documentTitle(), QString("阳"));
        w->ToolAction(8)->trigger();
        QCOMPARE(PagePrinting::Recorded(), QStringList{"欧阳修明家_阳"});

        // A new name starts afresh on its report.
        opener->OpenNameDetail("李", "明");
        QCOMPARE(state(), QString("0 000"));
    }

    void detailExportSavesTheReport_data() {
        QTest::addColumn<QString>("answer");  // the file chosen in the dialog; empty: cancelled
        QTest::addColumn<QString>("kind");    // "html", "pdf", "none" or "failed"
        const char* rows[][3] = {{"web page", "报告.html", "html"},
                                 {"no suffix: the first file type", "报告", "html"},
                                 {"pdf", "报告.PDF", "pdf"},
                                 {"cancelled", "", "none"},
                                 {"a folder in the way", "folder.html", "failed"}};
        for (const auto& r : rows) QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
    }

    void detailExportSavesTheReport() {
        QFETCH(QString, answer);
        QFETCH(QString, kind);
        QTemporaryDir target;
        if (kind == "failed") QVERIFY(QDir(target.path()).mkdir(answer));
        const QString chosen = answer.isEmpty() ? QString() : target.filePath(answer);
        SaveDialogs::SetAnswer(chosen);
        SaveDialogs::Proposed().clear();
        MainWindow owner;
        auto* opener = new NameDetailWindows(owner, Db(), Folder());
        NameDetails kept =
            ShowNameDetails(Db(), ToGbk("李"), ToGbk("明华"), ToGbk("李\r\n明华"), Folder());
        DetailWindow* w = opener->ShowDetails(kept);
        w->Tabs()->setCurrentIndex(2);  // the report is saved from any tab
        const bool written = w->ExportReport();
        SaveDialogs::SetAnswer(std::nullopt);

        QCOMPARE(SaveDialogs::Proposed().size(), 1);
        QCOMPARE(QFileInfo(SaveDialogs::Proposed()[0]).fileName(), QString("李明华_名字评分.html"));
        const QString file =
            kind == "html" && QFileInfo(chosen).suffix().isEmpty() ? chosen + ".html" : chosen;
        QCOMPARE(written, kind == "html" || kind == "pdf");
        if (kind == "html") {
            QCOMPARE(FileBytes(file.toStdString()), FileBytes(Folder().File("temp.html")));
            // The page says its own encoding, so a browser shows it as the window does.
            QVERIFY(FileBytes(file.toStdString()).find("charset=gb2312") != std::string::npos);
        } else if (kind == "pdf") {
            std::string pdf = FileBytes(file.toStdString());
            QVERIFY(pdf.rfind("%PDF-", 0) == 0);
            QVERIFY(pdf.size() > 2000);
            // The text is text, not pictures of it: a PDF reader (poppler-utils) finds the name's
            // characters, each on its row with its traditional form and reading, and its title.
            auto run = [](const QString& program, const QStringList& arguments) {
                QProcess p;
                p.start(program, arguments);
                const bool ran = p.waitForFinished(60000) && p.exitCode() == 0;
                return ran ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
            };
            const QString text = run("pdftotext", {"-raw", "-enc", "UTF-8", file, "-"});
            QVERIFY2(!text.isEmpty(), "pdftotext (Debian's poppler-utils) reads the exported PDF");
            static const QRegularExpression rows("^李 李 lǐ .*\\n明 明 míng .*\\n华 華 huá",
                                                 QRegularExpression::MultilineOption);
            QVERIFY2(text.contains(rows), qPrintable(text.left(400)));
            QVERIFY(text.contains("天格-> 8"));
            QVERIFY2(run("pdfinfo", {"-enc", "UTF-8", file})
                         .contains(QRegularExpression("Title: +李明华名字评分\\n")),
                     "the PDF's title names the name");
        }
        if (written) {
            QCOMPARE(w->StatusBar()->currentMessage(), "已导出到 " + file);
            QVERIFY(MessageBoxes::Recorded().isEmpty());
        } else if (kind == "failed") {
            QCOMPARE(MessageBoxes::Recorded(), QStringList{"导出失败|" + WriteFailedText(file)});
            QCOMPARE(w->StatusBar()->currentMessage(), "导出失败：" + file);
        } else {
            QVERIFY(MessageBoxes::Recorded().isEmpty());
            QCOMPARE(QDir(target.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                     QStringList());
        }
        // 导出 on the toolbar is the same command.
        SaveDialogs::SetAnswer(QString());
        w->ToolAction(6)->trigger();
        SaveDialogs::SetAnswer(std::nullopt);
        QCOMPARE(SaveDialogs::Proposed().size(), 2);
    }

    // ---- the dictionary ---------------------------------------------------------------------

    void dictionaryShowsTheTypedTextsPage_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty box") << "";
        QTest::newRow("one character") << "李";
    }

    // Several characters give one entry each; spaces are trimmed; a character the table lacks says so.
    void dictionaryShowsSeveralCharactersAndSaysWhatItLacks() {
        MainWindow owner;
        DictionaryDialog dialog(&owner, Db(), Folder());
        dialog.show();
        dialog.Box()->setText(" 浩 然 ");
        dialog.QueryButton()->click();
        QPointer<SinglePageWindow> viewer = dialog.Viewer();
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), QString(" 汉字[ 浩然 ]的详细解释"));
        QCOMPARE(viewer->ShownPage()->documentTitle(), QString("浩然"));
        const QString text = viewer->ShownPage()->toPlainText();
        const QString hao = ShownText(CharacterPageText(Db(), ToGbk("浩")));
        QVERIFY(text.contains(ShownText(CharacterPageText(Db(), ToGbk("然"))).section("基本解释", 1)));
        QVERIFY(text.startsWith(hao.section("基本解释", 0, 0)));
        QVERIFY(!text.contains("字库未收录此字"));

        dialog.Box()->setText("龘");
        dialog.QueryButton()->click();
        QVERIFY(viewer->ShownPage()->toPlainText().contains("字库未收录此字"));
    }

    void dictionaryShowsTheTypedTextsPage() {
        QFETCH(QString, typed);
        MainWindow owner;
        DictionaryDialog dialog(&owner, Db(), Folder());
        QCOMPARE(dialog.objectName(), QString("LumoWord"));
        QCOMPARE(dialog.windowTitle(), QString("汉字查询"));
        dialog.show();
        dialog.Box()->setText(typed);
        QTest::mouseClick(dialog.QueryButton(), Qt::LeftButton);
        QPointer<SinglePageWindow> viewer = dialog.Viewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), " 汉字[ " + typed + " ]的详细解释");
        QCOMPARE(viewer->ShownPage()->documentTitle(), typed);
        QCOMPARE(viewer->ShownPage()->toPlainText(),
                 ShownText(CharacterPageText(Db(), ToGbk(typed))));

        // A second query reuses the viewer.
        dialog.Box()->setText("华");
        dialog.QueryButton()->click();
        QCOMPARE(dialog.Viewer(), viewer.data());
        QCOMPARE(viewer->windowTitle(), QString(" 汉字[ 华 ]的详细解释"));
        QCOMPARE(viewer->ShownPage()->documentTitle(), QString("华"));

        viewer->resize(700, 500);
        QTRY_COMPARE(viewer->ShownPage()->geometry(), QRect(0, 40, 699, 430));
        viewer->Toolbar()->actions().at(8)->trigger();
        QCOMPARE(PagePrinting::Recorded(), QStringList{"华"});

        dialog.reject();  // closing the dialog closes its viewer
        QTRY_VERIFY(viewer.isNull());
    }

    // ---- the birth-chart page ---------------------------------------------------------------

    void chartQueryReadsTheChosenDate_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QStringList>("date");
        QTest::newRow("naming date")
            << "单选框_使用起名日期" << QStringList{"2020", "5", "6", "13"};
        QTest::newRow("own date") << "单选框_自定义日期" << QStringList{"1990", "3", "15", "8"};
    }

    void chartQueryReadsTheChosenDate() {
        QFETCH(QString, radio);
        QFETCH(QStringList, date);
        Page<ChartPage> p;
        FillDateLists(p.window.InputDates());
        const DateLists& input = p.window.InputDates();
        input.year->setCurrentText("2020");
        input.month->setCurrentText("5");
        input.day->setCurrentText("6");
        input.hour->setCurrentText("13");
        p.window.ToolbarCommand(2);  // the page's own lists start again from 2013-1-1 0
        const DateLists& own = p.window.ChartDates();
        own.year->setCurrentText("1990");
        own.month->setCurrentText("3");
        own.day->setCurrentText("15");
        own.hour->setCurrentText("8");
        p.window.findChild<QRadioButton*>(radio)->click();
        auto* query = p.window.findChild<QPushButton*>("按钮_八字查询");
        query->click();
        query->click();  // a second query replaces the text

        BirthChart expected;
        struct : MessageSink {
            void Show(const UserMessage&) override {}
        } none;
        QVERIFY(QueryBirthChart({ToGbk(date[0]), ToGbk(date[1]), ToGbk(date[2]), ToGbk(date[3])},
                                expected, none));
        QString text = p.window.findChild<QPlainTextEdit*>("编辑框_八字信息")->toPlainText();
        QVERIFY(text.startsWith(
            QString("公历日期：%1年%2月%3日%4时\n").arg(date[0], date[1], date[2], date[3])));
        QCOMPARE(text, FromGbk(expected.report).remove('\r'));
        auto* elements = p.window.findChild<QLabel*>("八字五行标签");
        auto* missing = p.window.findChild<QLabel*>("缺五行标签");
        QCOMPARE(elements->text(), FromGbk(expected.elementString));
        QCOMPARE(missing->text(), FromGbk(expected.missing));
        QVERIFY(elements->isHidden() && missing->isHidden());
        QCOMPARE(elements->text().count(","), 8);
        QVERIFY(MessageBoxes::Recorded().isEmpty());
    }

    void chartRefusesADateThatDoesNotExist() {
        Page<ChartPage> p;
        FillDateLists(p.window.InputDates());
        p.window.ToolbarCommand(2);
        auto* query = p.window.findChild<QPushButton*>("按钮_八字查询");
        query->click();
        QString before = p.window.findChild<QPlainTextEdit*>("编辑框_八字信息")->toPlainText();
        QVERIFY(before.startsWith("公历日期：2013年1月1日0时"));
        p.window.findChild<QRadioButton*>("单选框_自定义日期")->click();
        p.window.ChartDates().month->setCurrentText("2");
        p.window.ChartDates().day->setCurrentText("31");
        query->click();
        QCOMPARE(MessageBoxes::Recorded().size(), 1);
        QVERIFY(MessageBoxes::Recorded()[0].startsWith("提示|"));
        QCOMPARE(p.window.findChild<QPlainTextEdit*>("编辑框_八字信息")->toPlainText(), before);
    }

    // The chart page shows the analysis of the queried chart; 按喜用神起名 carries its date to the
    // input panel and ticks the mode page's box, whose runs then take the chart's 喜用神; the
    // reports measure names against the chart the user entered.
    void chartAnalysisLeadsToNamesByFavourableElements() {
        Program p;
        p.window.ToolbarCommand(2);
        p.window.findChild<QRadioButton*>("单选框_自定义日期")->click();
        const DateLists& own = p.window.ChartDates();
        own.year->setCurrentText("1990");
        own.month->setCurrentText("5");
        own.day->setCurrentText("15");
        own.hour->setCurrentText("12");
        p.window.findChild<QPushButton*>("按钮_八字查询")->click();
        ChartAnalysis expected;
        QVERIFY(AnalyzeChart({Gbk("庚午"), Gbk("辛巳"), Gbk("庚辰"), Gbk("壬午")}, expected));
        auto* analysis = p.window.findChild<QLabel*>("标签_八字分析");
        QCOMPARE(analysis->text(), ChartPage::AnalysisHtml(expected));
        QVERIFY(analysis->text().contains("喜用神：</b>水木火"));
        ChartAnalysis forReports;
        QVERIFY(ReportBirthChart(forReports));
        QCOMPARE(FromGbk(ElementsText(forReports.favorable)), QString("水木火"));

        auto* box = p.window.findChild<QCheckBox*>("选择框_按喜用神起名");
        QVERIFY(!box->isChecked());
        QVERIFY(p.controller.Generation().FavorableElements().empty());
        p.window.findChild<QPushButton*>("按钮_按喜用神起名")->click();
        QVERIFY(box->isChecked());
        QCOMPARE(p.window.Pages()->currentIndex(), 0);
        QCOMPARE(p.window.InputDates().year->currentText(), QString("1990"));
        QCOMPARE(FromGbk(p.controller.Generation().FavorableElements()), QString("水木火"));
        QCOMPARE(FromGbk(p.controller.Generation().ReadInputs(NamingMode::HighScore).favorableElements),
                 QString("水木火"));
        box->setChecked(false);
        QVERIFY(p.controller.Generation().ReadInputs(NamingMode::HighScore).favorableElements.empty());
        SetReportBirthChart(nullptr);
    }

    void missingElementLinkAsksForNamesWithIt_data() {
        // The boxes clicked first ({m0}, {m1}: the missing elements), and the link chosen: one of
        // the missing elements, or -1 for the link that takes all of them.
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("link");
        QTest::newRow("after a position filter")
            << QStringList{"选择框_所有字必带五行", "选择框_第二个字五行限定"} << 0;
        QTest::newRow("element forbidden before")
            << QStringList{"选择框_所有字不能带五行", "选择框_{m1}3"} << 1;
        QTest::newRow("all of them, one unticked before") << QStringList{"选择框_{m0}2"} << -1;
    }

    void missingElementLinkAsksForNamesWithIt() {
        QFETCH(QStringList, before);
        QFETCH(int, link);
        // A moment whose chart lacks two elements.
        const QStringList date{"1990", "1", "3", "2"};
        BirthChart chart;
        struct : MessageSink {
            void Show(const UserMessage&) override {}
        } none;
        QVERIFY(QueryBirthChart({ToGbk(date[0]), ToGbk(date[1]), ToGbk(date[2]), ToGbk(date[3])},
                                chart, none));
        const QString missing = FromGbk(chart.missing).remove("五行缺：");
        QCOMPARE(missing.size(), 2);

        Program p;
        p.window.ToolbarCommand(2);
        p.window.findChild<QRadioButton*>("单选框_自定义日期")->click();
        const DateLists& own = p.window.ChartDates();
        own.year->setCurrentText(date[0]);
        own.month->setCurrentText(date[1]);
        own.day->setCurrentText(date[2]);
        own.hour->setCurrentText(date[3]);
        p.window.findChild<QPushButton*>("按钮_八字查询")->click();
        auto* links = p.window.findChild<QLabel*>("标签_五行缺");
        QVERIFY(links && !links->isHidden());
        QCOMPARE(links->text(), ChartPage::MissingLinks(missing));
        for (QChar e : missing)
            QVERIFY(links->text().contains(QString("<a href=\"%1\">%1</a>").arg(e)));
        QVERIFY(links->text().contains("<a href=\"" + missing + "\">全选</a>"));

        auto box = [&](const QString& name) { return p.window.findChild<QCheckBox*>(name); };
        for (QString name : before) {
            name.replace("{m0}", missing[0]).replace("{m1}", missing[1]);
            box(name)->click();
        }
        const QString wanted = link < 0 ? missing : QString(missing[link]);
        emit links->linkActivated(wanted);

        QCOMPARE(p.window.Pages()->currentIndex(), 9);
        QVERIFY(box("选择框_所有字必带五行")->isChecked());
        QVERIFY(!box("选择框_第二个字五行限定")->isChecked());
        QString required;
        for (QString e : {"金", "木", "水", "火", "土"}) {
            QCOMPARE(box("选择框_" + e + "2")->isChecked(), wanted.contains(e));
            QVERIFY(box("选择框_" + e + "2")->isEnabled());
            if (wanted.contains(e)) {
                QVERIFY(!box("选择框_" + e + "3")->isChecked());
                required += e;
            }
        }
        // A run takes the ticks as shown.
        QCOMPARE(FromGbk(BuildElementFilter(p.controller.Generation().FilterBoxes()).required),
                 required);
        QCOMPARE(FromGbk(BuildElementFilter(p.controller.Generation().FilterBoxes()).forbidden)
                     .contains(wanted[0]),
                 false);
    }

    // ---- the article reader -----------------------------------------------------------------

    void readerShowsTwoCategoriesInTurn() {
        MainWindow owner;
        auto* reader = new ArticleReader(owner, Db(), Folder());
        const struct {
            const char* table;
            const char* category;
        } categories[] = {{"算命风水", "起名知识"}, {"育儿百科", "胎教"}};
        ReaderWindow* first = nullptr;
        for (const auto& c : categories) {
            ArticleTable table = *ArticleTableNamed(Gbk(c.table));
            std::vector<std::string> titles = ArticleTitles(Db(), table, Gbk(c.category));
            QVERIFY(titles.size() > 1);
            reader->OpenArticleCategory(c.table, c.category);
            ReaderWindow* w = reader->Window();
            QVERIFY(w && w->isVisible());
            if (!first) first = w;
            QCOMPARE(w, first);  // the open reader is reused
            QCOMPARE(w->objectName(), QString("LumoRead"));
            QCOMPARE(w->windowTitle(), QString(c.category));
            QCOMPARE(w->Titles()->rowCount(), int(titles.size()));
            QCOMPARE(w->Titles()->Row(int(titles.size()) - 1).value(0), FromGbk(titles.back()));
            QCOMPARE(w->List()->currentIndex().row(), 0);
            // The first article is shown at once, from the current table.
            QCOMPARE(w->ShownPage()->documentTitle(), FromGbk(titles.front()));
            QCOMPARE(FileBytes(Folder().File("temp.html")),
                     ArticlePage(Db(), table, titles.front()));
            // Any title of the list shows its article.
            int last = int(titles.size()) - 1;
            w->List()->setCurrentIndex(w->Titles()->index(last, 0));
            QCOMPARE(w->ShownPage()->documentTitle(), FromGbk(titles.back()));
            QCOMPARE(w->ShownPage()->toPlainText(),
                     ShownText(ArticlePage(Db(), table, titles.back())));
            w->Toolbar()->actions().at(8)->trigger();
            QCOMPARE(PagePrinting::Recorded().last(), FromGbk(titles.back()));
        }

        first->resize(900, 600);
        QTRY_COMPARE(first->List()->geometry(), QRect(0, 40, 232, 530));
        QCOMPARE(first->ShownPage()->geometry(), QRect(236, 40, 663, 530));

        // A category without articles: one empty line and an empty page.
        reader->OpenArticleCategory("育儿百科", "没有这个分类");
        QCOMPARE(first->Titles()->rowCount(), 1);
        QCOMPARE(first->Titles()->Row(0).value(0), QString());
        QCOMPARE(first->ShownPage()->documentTitle(), QString());

        first->Toolbar()->actions().at(10)->trigger();
        QTRY_VERIFY(reader->Window() == nullptr);
        reader->OpenArticleCategory("LM_育儿百科",
                                    "胎教");  // only the two table names open anything
        QVERIFY(reader->Window() == nullptr);
    }

    // ---- the exports ------------------------------------------------------------------------

    void listExportStopsAtTheFirstEmptyRow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("file");
        QTest::newRow("high score") << "按钮_高分导出"
                                    << "超级列表框_高分起名"
                                    << "NameList.txt";
        QTest::newRow("super") << "按钮_超吉导出"
                               << "超级列表框_超吉起名"
                               << "100NameList.txt";
    }

    void listExportStopsAtTheFirstEmptyRow() {
        QFETCH(QString, button);
        QFETCH(QString, list);
        QFETCH(QString, file);
        Page<ExportButtons> p(Db(), Folder());
        std::vector<QStringList> rows = {
            {"1", "李明华", "8+6", "7+8", "木火水", "8,15,14,21,7", "金土火", "95"},
            {"2", "李思远", "7+9", "7+9", "火金土", "8,16,18,25,10", "金土金", "92"},
            {"3", "欧阳子涵", "", "", "", "", "", "90"},
            {"", "", "", "", "", "", "", ""},
            {"", "", "", "", "", "", "", ""},
        };
        p.window.ListModel(list)->ReplaceAll(rows);
        QString path = QString::fromStdString(Folder().File(file.toStdString()).string());
        SaveDialogs::SetAnswer(path);  // the file the dialog proposes
        SaveDialogs::Proposed().clear();
        for (int round = 0; round < 2; ++round) {  // a second export replaces the file
            p.window.findChild<QPushButton*>(button)->click();
            QCOMPARE(SaveDialogs::Proposed().value(round), path);
            QCOMPARE(ExportButtons::RecordedOpens().value(round), path);
            QCOMPARE(p.window.statusBar()->currentMessage(), "已导出到 " + path);
            QStringList lines = FromGbk(FileBytes(path.toStdString())).split("\r\n");
            QCOMPARE(lines.size(), 5);  // header, three rows, nothing after the last CR LF
            QCOMPARE(
                lines[0],
                QString("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分"));
            for (int r = 0; r < 3; ++r) QCOMPARE(lines[r + 1], rows[r].join("    "));
            QCOMPARE(lines[4], QString());
        }
        SaveDialogs::SetAnswer(std::nullopt);
    }

    void classicExportKeepsTheBoxText() {
        Page<ExportButtons> p(Db(), Folder());
        auto* box = p.window.findChild<QPlainTextEdit*>("编辑框_经典名字");
        std::string file = Folder().File("ClassNameList.txt").string();
        SaveDialogs::SetAnswer(QString::fromStdString(file));
        SaveDialogs::Proposed().clear();
        box->setPlainText("");
        p.window.findChild<QPushButton*>("按钮_经典导出")->click();
        QCOMPARE(FileBytes(file), std::string());
        box->setPlainText("李子涵  李雨桐\n\n李浩然");
        p.window.findChild<QPushButton*>("按钮_经典导出")->click();
        QCOMPARE(FileBytes(file), Gbk("李子涵  李雨桐\r\n\r\n李浩然"));
        SaveDialogs::SetAnswer(std::nullopt);
        QCOMPARE(ExportButtons::RecordedOpens(), QStringList(2, QString::fromStdString(file)));
        QCOMPARE(SaveDialogs::Proposed(), QStringList(2, QString::fromStdString(file)));
    }

    void listExportsOfferACsv_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");   // the file chosen in the dialog; empty: cancelled
        QTest::addColumn<QString>("written");  // the file written, or empty
        QTest::addColumn<QString>("kind");     // "csv", "text" or "none"
        const char* rows[][5] = {
            {"high score as csv", "按钮_高分导出", "高分.csv", "高分.csv", "csv"},
            {"super as CSV", "按钮_超吉导出", "超吉.CSV", "超吉.CSV", "csv"},
            {"classic as csv", "按钮_经典导出", "经典.csv", "经典.csv", "csv"},
            {"no suffix: the first file type", "按钮_高分导出", "名单", "名单.txt", "text"},
            {"cancelled", "按钮_超吉导出", "", "", "none"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]) << QString(r[3]) << QString(r[4]);
    }

    void listExportsOfferACsv() {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(QString, kind);
        QTemporaryDir target;
        Page<ExportButtons> p(Db(), Folder());
        const std::vector<QStringList> rows = {
            {"1", "李明华", "8+6", "7+8", "木火水", "8,15,14,21,7", "金土火", "95"},
            {"2", "李思远", "7+9", "7+9", "火金土", "8,16,18,25,10", "金土金", "92"}};
        for (const char* list : {"超级列表框_高分起名", "超级列表框_超吉起名"})
            p.window.ListModel(list)->ReplaceAll(rows);
        p.window.findChild<QPlainTextEdit*>("编辑框_经典名字")->setPlainText("李明华  李思远\n\n");
        SaveDialogs::SetAnswer(answer.isEmpty() ? QString() : target.filePath(answer));
        SaveDialogs::Proposed().clear();
        p.window.findChild<QPushButton*>(button)->click();
        SaveDialogs::SetAnswer(std::nullopt);

        // The dialog proposes the designed file of the data folder.
        const char* designed = button == "按钮_高分导出"   ? "NameList.txt"
                               : button == "按钮_超吉导出" ? "100NameList.txt"
                                                           : "ClassNameList.txt";
        QCOMPARE(SaveDialogs::Proposed(),
                 QStringList{QString::fromStdString(Folder().File(designed).string())});
        const QStringList files = QDir(target.path()).entryList(QDir::Files);
        if (kind == "none") {
            QCOMPARE(files, QStringList());
            QVERIFY(ExportButtons::RecordedOpens().isEmpty());
            return;
        }
        const QString path = target.filePath(written);
        QCOMPARE(files, QStringList{written});
        QCOMPARE(ExportButtons::RecordedOpens(), QStringList{path});
        QCOMPARE(p.window.statusBar()->currentMessage(), "已导出到 " + path);
        const std::string bytes = FileBytes(path.toStdString());
        if (kind == "text") {
            QCOMPARE(FromGbk(bytes).split("\r\n").value(1), rows[0].join("    "));
            return;
        }
        QVERIFY(bytes.rfind("\xEF\xBB\xBF", 0) == 0);
        const QString csv = QString::fromUtf8(bytes.substr(3));
        if (button == "按钮_经典导出") {
            QCOMPARE(csv, QString("姓名,拼音\r\n李明华,lǐ míng huá\r\n李思远,lǐ sī yuǎn\r\n"));
        } else {
            QCOMPARE(csv,
                     QString("编号,姓名,拼音,简体笔划,繁体笔划,五行,五格,三才,评分\r\n"
                             "1,李明华,lǐ míng huá,8+6,7+8,木火水,\"8,15,14,21,7\",金土火,95\r\n"
                             "2,李思远,lǐ sī yuǎn,7+9,7+9,火金土,\"8,16,18,25,10\",金土金,92\r\n"));
        }
    }

    void exportThatCannotBeWrittenSaysSo_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        const char* rows[][3] = {{"high score", "按钮_高分导出", "NameList.txt"},
                                 {"super", "按钮_超吉导出", "100NameList.txt"},
                                 {"classic", "按钮_经典导出", "ClassNameList.txt"}};
        for (const auto& r : rows) QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
    }

    void exportThatCannotBeWrittenSaysSo() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        // A folder where the file should go: no file can take its place, whoever runs the test.
        QTemporaryDir data;
        QVERIFY(QDir(data.path()).mkdir(file));
        Page<ExportButtons> p(Db(), DataFolder::At(data.path().toStdString()));
        SaveDialogs::SetAnswer(data.filePath(file));
        for (const char* list : {"超级列表框_高分起名", "超级列表框_超吉起名"})
            p.window.ListModel(list)->ReplaceAll({{"1", "李明华", "", "", "", "", "", "95"}});
        p.window.findChild<QPlainTextEdit*>("编辑框_经典名字")->setPlainText("李子涵");
        p.window.findChild<QPushButton*>(button)->click();
        SaveDialogs::SetAnswer(std::nullopt);

        const QString path = data.filePath(file);
        QCOMPARE(MessageBoxes::Recorded(), QStringList{"导出失败|" + WriteFailedText(path)});
        QVERIFY(MessageBoxes::Recorded()[0].contains(path));
        QCOMPARE(p.window.statusBar()->currentMessage(), "导出失败：" + path);
        QVERIFY2(ExportButtons::RecordedOpens().isEmpty(), "nothing is opened as if exported");
        QVERIFY(QFileInfo(path).isDir());
    }

    // ---- pronunciation ----------------------------------------------------------------------

    void doubleClickPronouncesTheName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("heard");  // the recording's path, or "offline"
        using A = TestDictionary::Answer;
        QTest::newRow("recording") << "Mary" << int(A::Recording) << "/voice/Mary.mp3";
        QTest::newRow("name with a space")
            << "Mary Ann" << int(A::Recording) << "/voice/Mary%20Ann.mp3";
        QTest::newRow("page without the marker") << "Mary" << int(A::NoMarker) << "offline";
        QTest::newRow("recording missing") << "Mary" << int(A::MissingRecording) << "offline";
        QTest::newRow("no answer in time") << "Mary" << int(A::Silence) << "offline";
    }

    void doubleClickPronouncesTheName() {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(QString, heard);
        TestDictionary dictionary;
        QVERIFY(dictionary.isListening());
        dictionary.answer = TestDictionary::Answer(answer);
        Page<Pronunciation> p(Folder());
        p.handler->SetDictionaryBase(dictionary.Base());
        if (dictionary.answer == TestDictionary::Answer::Silence) p.handler->SetTimeLimit(300);
        QStringList spoken;
        p.handler->SetOfflineSpeaker([&spoken](const QString& n) {
            spoken << n;
            return true;
        });
        QSignalSpy played(p.handler, &Pronunciation::RecordingPlayed);
        QSignalSpy offline(p.handler, &Pronunciation::SpokenOffline);

        p.window.ListModel("超级列表框_英文列表")
            ->ReplaceAll({{"1", "Anna", "安娜", ""}, {"2", name, "玛丽", ""}});
        p.window.ShowPage(5);
        p.window.show();
        QTableView* list = p.window.List("超级列表框_英文列表");
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QRect cell = list->visualRect(list->model()->index(1, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        // The request runs beside the event loop: nothing has been heard when the handler returns.
        QCOMPARE(played.count() + offline.count(), 0);
        QCOMPARE(p.window.statusBar()->currentMessage(), "正在朗读 " + name + "…");

        if (heard == "offline") {
            QTRY_COMPARE_WITH_TIMEOUT(spoken, QStringList{name}, 10000);
            QCOMPARE(played.count(), 0);
            QCOMPARE(p.window.statusBar()->currentMessage(), "正在用本机语音朗读 " + name + "…");
        } else {
            QVERIFY(played.wait(10000));
            QCOMPARE(played[0][0].toString(), dictionary.Base() + heard);
            QCOMPARE(dictionary.requested,
                     QStringList({"/s?wd=" + QString(name).replace(" ", "%20"), heard}));
            QFile kept(p.handler->RecordingFile());
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), dictionary.recording);
        }
    }

    void unreachableDictionarySpeaksOffline_data() {
        QTest::addColumn<bool>("voice");  // whether the offline voice can speak
        QTest::addColumn<QString>("status");
        QTest::newRow("offline voice") << true << "正在用本机语音朗读 Jennifer…";
        QTest::newRow("no voice either")
            << false
            << "无法朗读：没有取到 Jennifer 的在线读音，本机也没有可用的语音程序 espeak-ng";
    }

    void unreachableDictionarySpeaksOffline() {
        QFETCH(bool, voice);
        QFETCH(QString, status);
        quint16 port;
        {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            port = closed.serverPort();
        }
        Page<Pronunciation> p(Folder());
        p.handler->SetDictionaryBase(QString("http://127.0.0.1:%1").arg(port));
        QStringList spoken;
        p.handler->SetOfflineSpeaker([&spoken, voice](const QString& n) {
            spoken << n;
            return voice;
        });
        QSignalSpy played(p.handler, &Pronunciation::RecordingPlayed);
        p.handler->Pronounce("Jennifer");
        QTRY_COMPARE_WITH_TIMEOUT(spoken, QStringList{"Jennifer"}, 10000);
        QCOMPARE(played.count(), 0);
        QCOMPARE(p.window.statusBar()->currentMessage(), status);
    }

    void offlineVoiceSpeaksTheName() {
        if (QStandardPaths::findExecutable("espeak-ng").isEmpty())
            QSKIP("espeak-ng is not installed");
        QTemporaryDir dir;
        const QString wav = dir.filePath("name.wav");
        // The same arguments the program uses, with the speech written to a file instead.
        int code = QProcess::execute(
            "espeak-ng", QStringList{"-w", wav} + Pronunciation::EspeakArguments("-Mary Ann"));
        QCOMPARE(code, 0);
        QFile f(wav);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray head = f.read(44);
        QVERIFY(head.startsWith("RIFF"));
        // Half a second of speech at least: the name was spoken, not taken for an option.
        const quint32 rate = qFromLittleEndian<quint32>(head.constData() + 24);
        const quint32 bytesPerSecond = qFromLittleEndian<quint32>(head.constData() + 28);
        QVERIFY(rate > 0);
        QVERIFY(f.size() - 44 > bytesPerSecond / 2);
    }

    void noCurrentNameFetchesNothing() {
        TestDictionary dictionary;
        Page<Pronunciation> p(Folder());
        p.handler->SetDictionaryBase(dictionary.Base());
        QStringList spoken;
        p.handler->SetOfflineSpeaker([&spoken](const QString& n) {
            spoken << n;
            return true;
        });
        TextTableModel* model = p.window.ListModel("超级列表框_英文列表");
        p.handler->PlayPronunciation();  // an empty list has no current row
        model->ReplaceAll({{"1", "", "", ""}});
        p.window.List("超级列表框_英文列表")->setCurrentIndex(model->index(0, 1));
        p.handler->PlayPronunciation();  // an empty name
        QTest::qWait(200);
        QVERIFY(dictionary.requested.isEmpty());
        QVERIFY(spoken.isEmpty());
    }

    // ---- the program's own wiring -----------------------------------------------------------

    void firstStartShowsExampleCombinationCharacters() {
        QFile::remove(QString::fromStdString(SettingsLocation().string()));
        Program p;
        auto* box = p.window.findChild<QLineEdit*>("编辑框_组合的字");
        QCOMPARE(box->text(), QString());  // no settings file: the box starts empty
        const QString examples = box->placeholderText().section("：", 1);
        QVERIFY2(examples.size() >= 4, qPrintable(box->placeholderText()));
        // The examples are characters the combination run would take as they are.
        QCOMPARE(FromGbk(KeepHanzi(ToGbk(examples))), examples);
        box->setText("明亮");
        QCOMPARE(box->displayText(), QString("明亮"));
    }

    void programWiresTheWindows() {
        Program p;
        // The start-up chart is the input panel's default moment.
        QVERIFY(p.window.findChild<QPlainTextEdit*>("编辑框_八字信息")
                    ->toPlainText()
                    .startsWith("公历日期：2013年1月1日0时\n"));

        // A reader entry of the menus opens the reader on its category.
        QAction* entry = p.window.findChild<QAction*>("菜单_胎教");
        QVERIFY(entry);
        entry->trigger();
        auto* reader = p.window.findChild<ArticleReader*>();
        QVERIFY(reader && reader->Window());
        QCOMPARE(reader->Window()->windowTitle(), QString("胎教"));

        // "新华字典" opens the dictionary over the main window, which waits for it.
        QString caption;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<DictionaryDialog*>(w); d && d->isVisible()) {
                    modal = d->parentWidget() == &p.window && d->isModal();
                    d->Box()->setText("华");
                    d->QueryButton()->click();
                    caption = d->Viewer()->windowTitle();
                    d->reject();
                }
        });
        p.window.ToolbarCommand(8);
        QVERIFY(modal);
        QCOMPARE(caption, QString(" 汉字[ 华 ]的详细解释"));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
