#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "ui/AboutWindow.h"
#include "ui/Links.h"
#include "ui/MainWindow.h"
#include "ui/Menus.h"
#include "ui/MessageBoxes.h"
#include "ui/Skins.h"

using namespace lumo::ui;

namespace {

// What a menu row is expected to do.
enum class Does { Submenu, Separator, MainPage, ListPage, Reader, NextSkin, About };

struct Row {
    int depth;  // 0: a menu of the menu bar
    const char* caption;
    Does does;
    const char* first = "";
    const char* second = "";
};

const char* const kCare = "育儿百科";
const char* const kLore = "算命风水";

// The menus after 操作菜单[&C], as the user must find them.
const Row kExpected[] = {
    {0, "育儿知识[&Y]", Does::Submenu},
    {1, "待产包最全清单下载", Does::Submenu},
    {2, "妈妈住院清单", Does::ListPage, "/html/zhuyuanqingdan.html"},
    {2, "妈妈护理清单", Does::ListPage, "/html/huliqingdan.html"},
    {2, "妈妈护肤清单", Does::ListPage, "/html/hufuqingdan.html"},
    {2, "妈妈月子清单", Does::ListPage, "/html/yueziqingdan.html"},
    {2, "宝宝日用清单", Does::ListPage, "/html/baobaoriyong.html"},
    {2, "宝宝服饰清单", Does::ListPage, "/html/baobaofushi.html"},
    {2, "宝宝喂养清单", Does::ListPage, "/html/baobaoweiyang.html"},
    {2, "宝宝安睡清单", Does::ListPage, "/html/baobaoanshui.html"},
    {2, "宝宝洗浴清单", Does::ListPage, "/html/baobaoxiyu.html"},
    {2, "宝宝护肤清单", Does::ListPage, "/html/baobaohufu.html"},
    {2, "宝宝游戏清单", Does::ListPage, "/html/baobaoyouxi.html"},
    {2, "宝宝出行清单", Does::ListPage, "/html/baobaochuxing.html"},
    {1, "宝妈必看o准备怀孕", Does::Submenu},
    {2, "怀孕征兆", Does::MainPage, "/zbhy/hyzz/index.html"},
    {2, "不孕不育", Does::MainPage, "/zbhy/byby/index.html"},
    {2, "流产", Does::MainPage, "/zbhy/lc/index.html"},
    {2, "避孕", Does::MainPage, "/zbhy/by/index.html"},
    {2, "孕前饮食", Does::MainPage, "/zbhy/yqys/index.html"},
    {2, "孕前准备", Does::MainPage, "/zbhy/yqzb/index.html"},
    {2, "优生遗传", Does::MainPage, "/zbhy/ysyc/index.html"},
    {2, "生男生女", Does::MainPage, "/zbhy/snsn/index.html"},
    {2, "受孕", Does::MainPage, "/zbhy/sy/index.html"},
    {2, "备孕专题", Does::MainPage, "/zbhy/byzt/index.html"},
    {1, "宝妈必看o怀孕期", Does::Submenu},
    {2, "孕期保健", Does::MainPage, "/hyq/yqbj/index.html"},
    {2, "母婴用品", Does::MainPage, "/hyq/myyp/index.html"},
    {2, "孕期检查", Does::MainPage, "/hyq/yqjc/index.html"},
    {2, "孕妇疾病", Does::MainPage, "/hyq/yfjb/index.html"},
    {2, "胎儿发育", Does::MainPage, "/hyq/tefy/index.html"},
    {2, "孕期性生活", Does::MainPage, "/hyq/yqxsh/index.html"},
    {2, "早孕反应", Does::MainPage, "/hyq/zyfy/index.html"},
    {2, "怀孕禁忌", Does::MainPage, "/hyq/hyjj/index.html"},
    {2, "孕妇饮食", Does::MainPage, "/hyq/yfys/index.html"},
    {2, "胎教常识", Does::MainPage, "/hyq/tjcs/index.html"},
    {2, "怀孕期专题", Does::MainPage, "/hyq/hyqzt/index.html"},
    {1, "宝妈必看o产前产后", Does::Submenu},
    {2, "月子餐食谱", Does::MainPage, "/cqch/yzsp/index.html"},
    {2, "产后性生活", Does::MainPage, "/cqch/chxsh/index.html"},
    {2, "产后疾病", Does::MainPage, "/cqch/chjb/index.html"},
    {2, "产后减肥", Does::MainPage, "/cqch/chjf/index.html"},
    {2, "坐月子", Does::MainPage, "/cqch/zyz/index.html"},
    {2, "母乳喂养", Does::MainPage, "/cqch/mrwy/index.html"},
    {2, "待产物品", Does::MainPage, "/cqch/dcwp/index.html"},
    {2, "产前征兆", Does::MainPage, "/cqch/cqzz/index.html"},
    {2, "产前准备", Does::ListPage, "/index.html"},
    {2, "分娩方式", Does::MainPage, "/cqch/fmfs/index.html"},
    {2, "产前产后专题", Does::MainPage, "/cqch/cqchzt/index.html"},
    {1, "育儿视频资料分享库", Does::ListPage, "/ziyuan/index.html"},
    {1, "儿童教育", Does::Submenu},
    {2, "教育早知道", Does::Reader, kCare, "教育早知道"},
    {2, "胎教", Does::Reader, kCare, "胎教"},
    {2, "早教资源", Does::Reader, kCare, "早教资源"},
    {2, "才艺培养", Does::Reader, kCare, "才艺培养"},
    {2, "游戏玩具", Does::Reader, kCare, "游戏玩具"},
    {2, "智力开发", Does::Reader, kCare, "智力开发"},
    {2, "行为心理", Does::Reader, kCare, "行为心理"},
    {2, "学前教育", Does::Reader, kCare, "学前教育"},
    {1, "营养知识", Does::Submenu},
    {2, "母乳哺育", Does::Reader, kCare, "母乳喂养"},
    {2, "人工喂养", Does::Reader, kCare, "人工喂养"},
    {2, "补钙攻略", Does::Reader, kCare, "补钙攻略"},
    {2, "辅食添加", Does::Reader, kCare, "辅食添加"},
    {2, "营养元素", Does::Reader, kCare, "营养元素"},
    {2, "食疗保健", Does::Reader, kCare, "食疗保健"},
    {2, "食谱大全", Does::Reader, kCare, "食谱大全"},
    {2, "饮食宜忌", Does::Reader, kCare, "饮食宜忌"},
    {2, "均衡营养", Does::Reader, kCare, "均衡营养"},
    {1, "健康讲座", Does::Submenu},
    {2, "护理保健", Does::Reader, kCare, "均衡营养"},
    {2, "生长发育", Does::Reader, kCare, "生长发育"},
    {2, "体格检查", Does::Reader, kCare, "体格检查"},
    {2, "预防免疫", Does::Reader, kCare, "预防免疫"},
    {2, "成人疾病", Does::Reader, kCare, "成人疾病"},
    {2, "儿科疾病", Does::Reader, kCare, "儿科疾病"},
    {2, "药物手册", Does::Reader, kCare, "药物手册"},
    {1, "安全知识", Does::Submenu},
    {2, "出行安全", Does::Reader, kCare, "出行安全"},
    {2, "用品安全", Does::Reader, kCare, "用品安全"},
    {2, "家居安全", Does::Reader, kCare, "家居安全"},
    {2, "宠物安全", Does::Reader, kCare, "宠物安全"},
    {2, "医药安全", Does::Reader, kCare, "医药安全"},
    {2, "食品安全", Does::Reader, kCare, "食品安全"},
    {2, "幼儿园安全", Does::Reader, kCare, "幼儿园安全"},
    {0, "算命风水[&S]", Does::Submenu},
    {1, "起名知识", Does::Reader, kLore, "起名知识"},
    {1, "", Does::Separator},
    {1, "算命知识", Does::Reader, kLore, "算命知识"},
    {1, "星座算命", Does::Reader, kLore, "星座算命"},
    {1, "相术算命", Does::Reader, kLore, "相术算命"},
    {1, "血型算命", Does::Reader, kLore, "血型算命"},
    {1, "", Does::Separator},
    {1, "风水知识", Does::Reader, kLore, "风水知识"},
    {1, "", Does::Separator},
    {1, "开运技巧", Does::Reader, kLore, "开运技巧"},
    {0, "帮助[&H]", Does::Submenu},
    {1, "更换皮肤", Does::NextSkin},
    {1, "使用帮助", Does::ListPage, "/daichanbaozixun/1521.html"},
    {1, "", Does::Separator},
    {1, "访问官网", Does::MainPage, "/index.html"},
    {1, "", Does::Separator},
    {1, "关于软件", Does::About},
};

QString SiteUrl(const char* site) {
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/site/" + site).toString();
}

struct Found {
    int depth;
    QAction* action;
};

// The menu bar's entries in the order a user meets them, depth first.
void Walk(const QList<QAction*>& actions, int depth, QList<Found>& out) {
    for (QAction* a : actions) {
        out.append({depth, a});
        if (a->menu()) Walk(a->menu()->actions(), depth + 1, out);
    }
}

// Relative luminance and contrast as the usual accessibility rule defines them.
double Lum(const QColor& c) {
    auto ch = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * ch(c.red()) + 0.7152 * ch(c.green()) + 0.0722 * ch(c.blue());
}

double Ratio(const QColor& a, const QColor& b) {
    const double x = Lum(a), y = Lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QAction* HelpEntry(MainWindow& w, const QString& caption) {
    return w.findChild<QAction*>("菜单_" + caption);
}

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        SetLinkRecording(true);
        RecordedLinks().clear();
        MessageBoxes::SetRecording(true);
    }

    void everyMenuEntryHasItsCaptionPlaceAndTarget() {
        MainWindow w;
        Menus menus(w);
        QSignalSpy reader(&menus, &Menus::ArticleCategoryRequested);
        const QList<QAction*> bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar.first()->text(), QString("操作菜单[&C]"));

        QList<Found> found;
        Walk(bar.mid(1), 0, found);
        QCOMPARE(found.size(), int(std::size(kExpected)));
        for (int i = 0; i < found.size(); ++i) {
            const Row& row = kExpected[i];
            QAction* a = found[i].action;
            const QString where = QString("row %1 (%2)").arg(i).arg(row.caption);
            QVERIFY2(found[i].depth == row.depth, qPrintable(where));
            QVERIFY2(a->isSeparator() == (row.does == Does::Separator), qPrintable(where));
            QVERIFY2((a->menu() != nullptr) == (row.does == Does::Submenu), qPrintable(where));
            if (row.does == Does::Separator) continue;
            QCOMPARE(a->text(), QString(row.caption));
            if (row.does == Does::Submenu) continue;

            RecordedLinks().clear();
            reader.clear();
            const int skinBefore = AppliedSkin();
            a->trigger();
            switch (row.does) {
                case Does::MainPage:
                case Does::ListPage:
                    QCOMPARE(RecordedLinks(),
                             QStringList{SiteUrl(row.does == Does::MainPage ? "main" : "list") +
                                         row.first});
                    QCOMPARE(reader.size(), 0);
                    break;
                case Does::Reader:
                    QCOMPARE(reader.size(), 1);
                    QCOMPARE(reader.first().at(0).toString(), QString(row.first));
                    QCOMPARE(reader.first().at(1).toString(), QString(row.second));
                    QVERIFY(RecordedLinks().isEmpty());
                    break;
                case Does::NextSkin:
                    QCOMPARE(AppliedSkin(), menus.Skins().Position() - 1);
                    QVERIFY(AppliedSkin() != skinBefore || skinBefore == 0);
                    break;
                case Does::About:
                    QVERIFY(menus.About() && menus.About()->isVisible());
                    menus.About()->close();
                    break;
                default:
                    break;
            }
        }
    }

    // The entries whose category differs from their caption.
    void readerEntriesWithTheirOwnCategory_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("category");
        QTest::newRow("儿科疾病") << "儿科疾病"
                                  << "儿科疾病";
        QTest::newRow("母乳哺育") << "母乳哺育"
                                  << "母乳喂养";
        QTest::newRow("护理保健") << "护理保健"
                                  << "均衡营养";
        QTest::newRow("均衡营养") << "均衡营养"
                                  << "均衡营养";
    }
    void readerEntriesWithTheirOwnCategory() {
        QFETCH(QString, caption);
        QFETCH(QString, category);
        MainWindow w;
        Menus menus(w);
        QSignalSpy reader(&menus, &Menus::ArticleCategoryRequested);
        w.findChild<QAction*>("菜单_" + caption)->trigger();
        QCOMPARE(reader.size(), 1);
        QCOMPARE(reader.first().at(0).toString(), QString("育儿百科"));
        QCOMPARE(reader.first().at(1).toString(), category);
    }

    void theRecordsMenuStaysOutOfTheMenuBar() {
        MainWindow w;
        Menus menus(w);
        QMenu* records = w.findChild<QMenu*>("记录列表菜单");
        QVERIFY(records);
        QCOMPARE(records, menus.RecordsMenu());
        QCOMPARE(records->actions().size(), 1);
        QCOMPARE(records->actions().first()->text(), QString("删除记录"));
        QCOMPARE(menus.DeleteRecordAction(), records->actions().first());
        QVERIFY(!w.menuBar()->actions().contains(records->menuAction()));
        for (QAction* a : w.menuBar()->actions()) QVERIFY(a->text() != "记录列表菜单");
        w.show();
        QVERIFY(!records->isVisible());
    }

    void clickablePicturesAndTheDownloadLabelOpenTheirPages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("待产包宣传") << "待产包宣传" << SiteUrl("list") + "/daichanbao/index.html";
        QTest::newRow("导购网站") << "导购网站" << SiteUrl("list") + "/shop.html";
        QTest::newRow("新版程序下载") << "新版程序下载" << SiteUrl("list") + "/soft/index.html?installed=" LUMO_VERSION;
    }
    void clickablePicturesAndTheDownloadLabelOpenTheirPages() {
        QFETCH(QString, control);
        QFETCH(QString, address);
        MainWindow w;
        Menus menus(w);
        w.show();
        auto* label = w.findChild<QLabel*>(control);
        QVERIFY(label);
        QTest::mousePress(label, Qt::RightButton);
        QVERIFY(RecordedLinks().isEmpty());
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(RecordedLinks(), QStringList{address});
    }

    void theDownloadLabelSitsBesideTheMenus() {
        MainWindow w;
        auto* download = w.findChild<QLabel*>("新版程序下载");
        QVERIFY(download);
        QCOMPARE(download->text(), QString("检查新版本"));
        QCOMPARE(w.menuBar()->cornerWidget(Qt::TopRightCorner), download);
    }

    void linkAddressesAndFolders_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("folder") << "file:///x/site/main/zbhy/lc/"
                                << "file:///x/site/main/zbhy/lc/index.html";
        QTest::newRow("page") << "file:///x/site/list/shop.html"
                              << "file:///x/site/list/shop.html";
        QTest::newRow("home") << "file:///x/site/list/"
                              << "file:///x/site/list/index.html";
    }
    void linkAddressesAndFolders() {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        OpenLink(address);
        QCOMPARE(RecordedLinks(), QStringList{opened});
    }

    void theSitesLiveBesideTheProgram() {
        QCOMPARE(MainSiteBase(), SiteUrl("main"));
        QCOMPARE(ListSiteBase(), SiteUrl("list"));
        QCOMPARE(ShopPageUrl(), SiteUrl("list") + "/shop.html");
        QVERIFY(!MainSiteBase().endsWith('/'));
    }

    // Every page a link opens is a page the build put beside the program.
    void everyLinkLandsOnAPageOfOurSite() {
        MainWindow w;
        Menus menus(w);
        QList<Found> found;
        Walk(w.menuBar()->actions().mid(1), 0, found);
        for (const Found& f : found)
            if (!f.action->menu() && !f.action->isSeparator() && f.action->text() != "更换皮肤" &&
                f.action->text() != "关于软件")
                f.action->trigger();
        w.show();
        for (const char* control : {"待产包宣传", "导购网站", "新版程序下载"})
            QTest::mousePress(w.findChild<QLabel*>(control), Qt::LeftButton);
        QVERIFY(RecordedLinks().size() >= 40);
        for (const QString& link : RecordedLinks())
            QVERIFY2(QFileInfo(QUrl(link).toLocalFile()).isFile(), qPrintable(link));
    }

    void theAboutWindowStandsAlone() {
        MainWindow w;
        Menus menus(w);
        HelpEntry(w, "关于软件")->trigger();
        AboutWindow* about = menus.About();
        QVERIFY(about);
        QCOMPARE(about->objectName(), QString("AboutUs"));
        QVERIFY(about->isWindow());
        QVERIFY(about->parent() == nullptr);
        QCOMPARE(about->windowModality(), Qt::NonModal);
        QCOMPARE(about->windowTitle(), QString("关于软件 Venka（localhost）开发设计"));
        QCOMPARE(about->size(), QSize(678, 338));

        const struct {
            const char* label;
            QString text;
        } labels[] = {
            {"透明标签1", "Lumo取名软件" + QString(18, ' ') + "版本：V1.2"},
            // The sites by their own names; a raw file: address means nothing to a parent.
            {"透明标签3", "Venka（专业母婴网站）：Lumo母婴知识"},
            {"透明标签2", "分娩待产包最全清单分享：\nLumo待产包清单"},
        };
        for (const auto& l : labels) {
            auto* label = about->findChild<QLabel*>(l.label);
            QVERIFY2(label, l.label);
            QCOMPARE(label->text(), l.text);
            QVERIFY2(about->rect().contains(label->geometry()),
                     l.label);  // nothing cut off at the edge
        }
        QVERIFY(about->findChild<QLabel*>("图片框1")->pixmap().size() == QSize(300, 294));

        QTest::mousePress(about->findChild<QLabel*>("透明标签3"), Qt::LeftButton);
        QTest::mousePress(about->findChild<QLabel*>("透明标签2"), Qt::LeftButton);
        QTest::mousePress(about->findChild<QLabel*>("透明标签1"), Qt::LeftButton);
        QCOMPARE(RecordedLinks(),
                 (QStringList{SiteUrl("main") + "/index.html", SiteUrl("list") + "/index.html"}));

        // A second choice brings the open window forward instead of stacking another.
        HelpEntry(w, "关于软件")->trigger();
        QCOMPARE(menus.About(), about);
        about->close();
        QTRY_VERIFY(menus.About() == nullptr);  // closing frees it
    }

    void startUpAppliesSkinEightAndTheFirstChangeSkinOne() {
        QTemporaryDir programDir;  // no data: the loader only reports, the messages are recorded
        lumo::app::AppContext context(programDir.path());
        MainWindow w;
        ApplySkin(3);
        lumo::app::MainController controller(context, w);
        QCOMPARE(AppliedSkin(), kStartupSkin);
        QCOMPARE(kStartupSkin, 8);
        QCOMPARE(qApp->styleSheet(), SkinStyleSheet(8));
        controller.Start();
        auto* menus = w.findChild<Menus*>("菜单栏");
        QVERIFY(menus);
        QCOMPARE(menus->Skins().Position(), 1);
        HelpEntry(w, "更换皮肤")->trigger();
        QCOMPARE(AppliedSkin(), 1);
        QCOMPARE(qApp->styleSheet(), SkinStyleSheet(1));
        QCOMPARE(qApp->palette().color(QPalette::Window), SkinColoursAt(1).window);
        context.WaitForLoader();
        controller.Shutdown();
    }

    void skinChangesWalkTheListOnceAndThenStop() {
        MainWindow w;
        Menus menus(w);
        QAction* change = HelpEntry(w, "更换皮肤");
        ApplySkin(kStartupSkin);
        menus.Skins().SetPosition(1);
        for (int k = 1; k <= kSkinCount; ++k) {
            change->trigger();
            QCOMPARE(AppliedSkin(), k);
            QCOMPARE(qApp->styleSheet(), SkinStyleSheet(k));
        }
        const QString sheet = qApp->styleSheet();
        const QColor window = qApp->palette().color(QPalette::Window);
        for (int extra = 0; extra < 3; ++extra) {  // the 80th change and later ones
            change->trigger();
            QCOMPARE(AppliedSkin(), kSkinCount);
            QCOMPARE(qApp->styleSheet(), sheet);
            QCOMPARE(qApp->palette().color(QPalette::Window), window);
        }
        QCOMPARE(menus.Skins().Position(), kSkinCount + 4);
    }

    void positionsOutsideTheListAreRefused() {
        ApplySkin(5);
        const QString sheet = qApp->styleSheet();
        for (int position : {0, -1, kSkinCount + 1}) {
            QVERIFY(!ApplySkin(position));
            QCOMPARE(AppliedSkin(), 5);
            QCOMPARE(qApp->styleSheet(), sheet);
        }
    }

    void twoPairsOfPositionsShareTheirSkinAndNoOthers() {
        QCOMPARE(SkinStyleSheet(52), SkinStyleSheet(56));
        QCOMPARE(SkinColoursAt(52), SkinColoursAt(56));
        QCOMPARE(SkinPalette(52), SkinPalette(56));
        QCOMPARE(SkinStyleSheet(8), SkinStyleSheet(67));
        QCOMPARE(SkinColoursAt(8), SkinColoursAt(67));
        QCOMPARE(SkinName(8), SkinName(67));
        QSet<QString> sheets, names;
        for (int p = 1; p <= kSkinCount; ++p) {
            sheets.insert(SkinStyleSheet(p));
            names.insert(SkinName(p));
        }
        QCOMPARE(sheets.size(), kSkinCount - 2);
        QCOMPARE(names.size(), kSkinCount - 2);
    }

    // Every text of every skin reads against its background; prints the weakest pair.
    void everySkinIsLegible() {
        double weakest = 100;
        QString where;
        for (int p = 1; p <= kSkinCount; ++p) {
            const SkinColours s = SkinColoursAt(p);
            const auto pairs = SkinContrastPairs(s);
            QVERIFY(pairs.size() >= 10);
            for (const auto& pair : pairs) {
                const double r = Ratio(pair.text, pair.background);
                QVERIFY2(
                    r >= 4.5,
                    qPrintable(QString("skin %1 %2: %3").arg(p).arg(pair.what).arg(r, 0, 'f', 2)));
                if (r < weakest)
                    weakest = r,
                    where = QString("skin %1 (%2) %3").arg(p).arg(SkinName(p), pair.what);
            }
            // The palette that widgets without a style rule use carries the same pairs.
            const QPalette pal = SkinPalette(p);
            QVERIFY(Ratio(pal.color(QPalette::WindowText), pal.color(QPalette::Window)) >= 4.5);
            QVERIFY(Ratio(pal.color(QPalette::Text), pal.color(QPalette::Base)) >= 4.5);
            QVERIFY(Ratio(pal.color(QPalette::HighlightedText), pal.color(QPalette::Highlight)) >=
                    4.5);
            QVERIFY(Ratio(pal.color(QPalette::Link), pal.color(QPalette::Window)) >= 4.5);
            // Greyed-out entries stay visible without looking active.
            const double disabled = Ratio(pal.color(QPalette::Disabled, QPalette::WindowText),
                                          pal.color(QPalette::Window));
            QVERIFY2(disabled >= 2.0 && disabled < Ratio(pal.color(QPalette::WindowText),
                                                         pal.color(QPalette::Window)),
                     qPrintable(QString("skin %1 disabled %2").arg(p).arg(disabled)));
        }
        qInfo("weakest text contrast over all skins: %.2f at %s", weakest, qPrintable(where));
    }

    // The style sheet reaches the widgets: a flat skin's menu bar is painted in its frame colour.
    void theMenuBarWearsTheSkin_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("朱砂") << 2;
        QTest::newRow("石青") << 9;
        QTest::newRow("鹅黄") << 31;
    }
    void theMenuBarWearsTheSkin() {
        QFETCH(int, position);
        ApplySkin(position);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage bar = w.menuBar()->grab().toImage();
        const QColor painted = bar.pixelColor(bar.width() / 2, bar.height() / 2);
        QCOMPARE(painted.name(), SkinColoursAt(position).chrome.name());
        const QImage page = w.Pages()->currentWidget()->grab().toImage();
        QCOMPARE(page.pixelColor(page.width() - 3, page.height() - 3).name(),
                 SkinColoursAt(position).window.name());
    }
};

QTEST_MAIN(MenusTest)
#include "MenusTest.moc"
