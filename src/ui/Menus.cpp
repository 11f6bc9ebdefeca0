#include "ui/Menus.h"

#include <QAction>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <vector>

#include "ui/AboutWindow.h"
#include "ui/Links.h"
#include "ui/MainWindow.h"

namespace lumo::ui {
namespace {

enum class Act { Submenu, Separator, MainLink, ListLink, Reader, NextSkin, About };

// One row of the menu bar: its nesting below the menu bar (0 = a menu of the bar), its caption,
// and what it does. A link takes a path after its site's base; a reader entry takes the article
// table and the category title.
struct MenuEntry {
    int depth;
    const char* caption;
    Act act;
    const char* first = "";
    const char* second = "";
};

constexpr const char* kChildCare = "育儿百科";
constexpr const char* kFortune = "算命风水";

// The menus after "操作菜单[&C]", in the order the user sees them.
const std::vector<MenuEntry>& MenuTable() {
    static const std::vector<MenuEntry> table = {
        {0, "育儿知识[&Y]", Act::Submenu},
        {1, "待产包最全清单下载", Act::Submenu},
        {2, "妈妈住院清单", Act::ListLink, "/html/zhuyuanqingdan.html"},
        {2, "妈妈护理清单", Act::ListLink, "/html/huliqingdan.html"},
        {2, "妈妈护肤清单", Act::ListLink, "/html/hufuqingdan.html"},
        {2, "妈妈月子清单", Act::ListLink, "/html/yueziqingdan.html"},
        {2, "宝宝日用清单", Act::ListLink, "/html/baobaoriyong.html"},
        {2, "宝宝服饰清单", Act::ListLink, "/html/baobaofushi.html"},
        {2, "宝宝喂养清单", Act::ListLink, "/html/baobaoweiyang.html"},
        {2, "宝宝安睡清单", Act::ListLink, "/html/baobaoanshui.html"},
        {2, "宝宝洗浴清单", Act::ListLink, "/html/baobaoxiyu.html"},
        {2, "宝宝护肤清单", Act::ListLink, "/html/baobaohufu.html"},
        {2, "宝宝游戏清单", Act::ListLink, "/html/baobaoyouxi.html"},
        {2, "宝宝出行清单", Act::ListLink, "/html/baobaochuxing.html"},
        {1, "宝妈必看o准备怀孕", Act::Submenu},
        {2, "怀孕征兆", Act::MainLink, "/zbhy/hyzz/"},
        {2, "不孕不育", Act::MainLink, "/zbhy/byby/"},
        {2, "流产", Act::MainLink, "/zbhy/lc/"},
        {2, "避孕", Act::MainLink, "/zbhy/by/"},
        {2, "孕前饮食", Act::MainLink, "/zbhy/yqys/"},
        {2, "孕前准备", Act::MainLink, "/zbhy/yqzb/"},
        {2, "优生遗传", Act::MainLink, "/zbhy/ysyc/"},
        {2, "生男生女", Act::MainLink, "/zbhy/snsn/"},
        {2, "受孕", Act::MainLink, "/zbhy/sy/"},
        {2, "备孕专题", Act::MainLink, "/zbhy/byzt/"},
        {1, "宝妈必看o怀孕期", Act::Submenu},
        {2, "孕期保健", Act::MainLink, "/hyq/yqbj/"},
        {2, "母婴用品", Act::MainLink, "/hyq/myyp/"},
        {2, "孕期检查", Act::MainLink, "/hyq/yqjc/"},
        {2, "孕妇疾病", Act::MainLink, "/hyq/yfjb/"},
        {2, "胎儿发育", Act::MainLink, "/hyq/tefy/"},
        {2, "孕期性生活", Act::MainLink, "/hyq/yqxsh/"},
        {2, "早孕反应", Act::MainLink, "/hyq/zyfy/"},
        {2, "怀孕禁忌", Act::MainLink, "/hyq/hyjj/"},
        {2, "孕妇饮食", Act::MainLink, "/hyq/yfys/"},
        {2, "胎教常识", Act::MainLink, "/hyq/tjcs/"},
        {2, "怀孕期专题", Act::MainLink, "/hyq/hyqzt/"},
        {1, "宝妈必看o产前产后", Act::Submenu},
        {2, "月子餐食谱", Act::MainLink, "/cqch/yzsp/"},
        {2, "产后性生活", Act::MainLink, "/cqch/chxsh/"},
        {2, "产后疾病", Act::MainLink, "/cqch/chjb/"},
        {2, "产后减肥", Act::MainLink, "/cqch/chjf/"},
        {2, "坐月子", Act::MainLink, "/cqch/zyz/"},
        {2, "母乳喂养", Act::MainLink, "/cqch/mrwy/"},
        {2, "待产物品", Act::MainLink, "/cqch/dcwp/"},
        {2, "产前征兆", Act::MainLink, "/cqch/cqzz/"},
        {2, "产前准备", Act::ListLink, "/"},  // the second site's home page, unlike its neighbours
        {2, "分娩方式", Act::MainLink, "/cqch/fmfs/"},
        {2, "产前产后专题", Act::MainLink, "/cqch/cqchzt/"},
        {1, "育儿视频资料分享库", Act::ListLink, "/ziyuan/"},
        {1, "儿童教育", Act::Submenu},
        {2, "教育早知道", Act::Reader, kChildCare, "教育早知道"},
        {2, "胎教", Act::Reader, kChildCare, "胎教"},
        {2, "早教资源", Act::Reader, kChildCare, "早教资源"},
        {2, "才艺培养", Act::Reader, kChildCare, "才艺培养"},
        {2, "游戏玩具", Act::Reader, kChildCare, "游戏玩具"},
        {2, "智力开发", Act::Reader, kChildCare, "智力开发"},
        {2, "行为心理", Act::Reader, kChildCare, "行为心理"},
        {2, "学前教育", Act::Reader, kChildCare, "学前教育"},
        {1, "营养知识", Act::Submenu},
        {2, "母乳哺育", Act::Reader, kChildCare, "母乳喂养"},
        {2, "人工喂养", Act::Reader, kChildCare, "人工喂养"},
        {2, "补钙攻略", Act::Reader, kChildCare, "补钙攻略"},
        {2, "辅食添加", Act::Reader, kChildCare, "辅食添加"},
        {2, "营养元素", Act::Reader, kChildCare, "营养元素"},
        {2, "食疗保健", Act::Reader, kChildCare, "食疗保健"},
        {2, "食谱大全", Act::Reader, kChildCare, "食谱大全"},
        {2, "饮食宜忌", Act::Reader, kChildCare, "饮食宜忌"},
        {2, "均衡营养", Act::Reader, kChildCare, "均衡营养"},
        {1, "健康讲座", Act::Submenu},
        {2, "护理保健", Act::Reader, kChildCare,
         "均衡营养"},  // shares its neighbour menu's category
        {2, "生长发育", Act::Reader, kChildCare, "生长发育"},
        {2, "体格检查", Act::Reader, kChildCare, "体格检查"},
        {2, "预防免疫", Act::Reader, kChildCare, "预防免疫"},
        {2, "成人疾病", Act::Reader, kChildCare, "成人疾病"},
        {2, "儿科疾病", Act::Reader, kChildCare, "儿科疾病"},
        {2, "药物手册", Act::Reader, kChildCare, "药物手册"},
        {1, "安全知识", Act::Submenu},
        {2, "出行安全", Act::Reader, kChildCare, "出行安全"},
        {2, "用品安全", Act::Reader, kChildCare, "用品安全"},
        {2, "家居安全", Act::Reader, kChildCare, "家居安全"},
        {2, "宠物安全", Act::Reader, kChildCare, "宠物安全"},
        {2, "医药安全", Act::Reader, kChildCare, "医药安全"},
        {2, "食品安全", Act::Reader, kChildCare, "食品安全"},
        {2, "幼儿园安全", Act::Reader, kChildCare, "幼儿园安全"},
        {0, "算命风水[&S]", Act::Submenu},
        {1, "起名知识", Act::Reader, kFortune, "起名知识"},
        {1, "", Act::Separator},
        {1, "算命知识", Act::Reader, kFortune, "算命知识"},
        {1, "星座算命", Act::Reader, kFortune, "星座算命"},
        {1, "相术算命", Act::Reader, kFortune, "相术算命"},
        {1, "血型算命", Act::Reader, kFortune, "血型算命"},
        {1, "", Act::Separator},
        {1, "风水知识", Act::Reader, kFortune, "风水知识"},
        {1, "", Act::Separator},
        {1, "开运技巧", Act::Reader, kFortune, "开运技巧"},
        {0, "帮助[&H]", Act::Submenu},
        {1, "更换皮肤", Act::NextSkin},
        {1, "使用帮助", Act::ListLink, "/daichanbaozixun/1521.html"},
        {1, "", Act::Separator},
        {1, "访问官网", Act::MainLink, "/"},
        {1, "", Act::Separator},
        {1, "关于软件", Act::About},
    };
    return table;
}

// The menu objects carry their captions without the access key.
QString PlainCaption(const QString& caption) {
    QString plain = caption;
    return plain.remove(QRegularExpression(R"(\[&.\])"));
}

// The pictures on the mode page: a soft banner with a small drawing, a title and a line of text.
QPixmap Banner(QSize size, const QColor& from, const QColor& to, bool bag, const QString& title,
               const QString& line) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0, from);
    fill.setColorAt(1, to);
    p.setPen(QPen(from.darker(125), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    // Soft bubbles for depth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(r.width() - 40, 10), 34, 34);
    p.drawEllipse(QPointF(r.width() - 90, r.height() + 6), 24, 24);

    const QRectF icon(12, (r.height() - 46) / 2, 46, 46);
    p.setBrush(Qt::white);
    p.drawEllipse(icon);
    p.setPen(QPen(from.darker(150), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(from.lighter(115));
    const QPointF c = icon.center();
    if (bag) {  // a delivery bag with its handle
        p.drawRoundedRect(QRectF(c.x() - 13, c.y() - 6, 26, 18), 4, 4);
        p.setBrush(Qt::NoBrush);
        QPainterPath handle(QPointF(c.x() - 7, c.y() - 6));
        handle.cubicTo(c.x() - 7, c.y() - 15, c.x() + 7, c.y() - 15, c.x() + 7, c.y() - 6);
        p.drawPath(handle);
        p.drawLine(QPointF(c.x() - 13, c.y() + 1), QPointF(c.x() + 13, c.y() + 1));
    } else {  // a pram: hood, basket and two wheels
        QPainterPath pram(QPointF(c.x() - 14, c.y() - 1));
        pram.lineTo(c.x() + 12, c.y() - 1);
        pram.arcTo(QRectF(c.x() - 14, c.y() - 13, 26, 24), 0, -180);
        p.drawPath(pram);
        p.drawPie(QRectF(c.x() - 14, c.y() - 14, 24, 26), 90 * 16, 90 * 16);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x() - 8, c.y() + 14), 3.5, 3.5);
        p.drawEllipse(QPointF(c.x() + 7, c.y() + 14), 3.5, 3.5);
        p.drawLine(QPointF(c.x() + 12, c.y() - 1), QPointF(c.x() + 17, c.y() - 9));
    }

    QFont f = p.font();
    f.setPixelSize(19);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor("#3b2430"));
    p.drawText(QRectF(70, 8, r.width() - 78, r.height() * 0.52), Qt::AlignLeft | Qt::AlignVCenter,
               title);
    f.setPixelSize(12);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor("#4a3340"));
    p.drawText(QRectF(70, r.height() * 0.52, r.width() - 78, r.height() * 0.4),
               Qt::AlignLeft | Qt::AlignTop, line);
    return pm;
}

}  // namespace

Menus::Menus(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName("菜单栏");
    BuildMenus();
    WireClickableItems();
}

void Menus::BuildMenus() {
    std::vector<QMenu*> open;  // the menu that receives entries at each depth
    for (const MenuEntry& e : MenuTable()) {
        const QString caption = QString::fromUtf8(e.caption);
        if (e.act == Act::Submenu) {
            QMenu* menu = e.depth == 0 ? window_.menuBar()->addMenu(caption)
                                       : open[e.depth - 1]->addMenu(caption);
            menu->setObjectName(PlainCaption(caption));
            open.resize(static_cast<std::size_t>(e.depth));
            open.push_back(menu);
            continue;
        }
        QMenu* parent = open[e.depth - 1];
        if (e.act == Act::Separator) {
            parent->addSeparator();
            continue;
        }
        QAction* action = parent->addAction(caption);
        action->setObjectName("菜单_" + caption);
        const QString first = QString::fromUtf8(e.first), second = QString::fromUtf8(e.second);
        switch (e.act) {
            case Act::MainLink:
                connect(action, &QAction::triggered, this,
                        [first] { OpenLink(MainSiteBase() + first); });
                break;
            case Act::ListLink:
                connect(action, &QAction::triggered, this,
                        [first] { OpenLink(ListSiteBase() + first); });
                break;
            case Act::Reader:
                connect(action, &QAction::triggered, this,
                        [this, first, second] { emit ArticleCategoryRequested(first, second); });
                break;
            case Act::NextSkin:
                connect(action, &QAction::triggered, this, &Menus::ApplyNextSkin);
                break;
            case Act::About:
                connect(action, &QAction::triggered, this, &Menus::ShowAbout);
                break;
            case Act::Submenu:
            case Act::Separator:
                break;
        }
    }

    // Hidden from the menu bar: the records list pops it up on a right click.
    recordsMenu_ = new QMenu("记录列表菜单", &window_);
    recordsMenu_->setObjectName("记录列表菜单");
    deleteRecord_ = recordsMenu_->addAction("删除记录");
    deleteRecord_->setObjectName("菜单_删除记录");
}

void Menus::WireClickableItems() {
    if (auto* bag = window_.findChild<QLabel*>("待产包宣传")) {
        bag->setPixmap(Banner({315, 70}, QColor("#f9c5d1"), QColor("#fde2c8"), true,
                              "待产包最全清单", "住院 · 护理 · 日用 · 出行，一单备齐"));
        MakeClickable(bag, ListSiteBase() + "/daichanbao/index.html");
    }
    if (auto* shop = window_.findChild<QLabel*>("导购网站")) {
        shop->setPixmap(Banner({317, 77}, QColor("#bfe6dc"), QColor("#cfe3f8"), false,
                               "宝宝用品导购", "按清单挑选好物，心中有数不慌张"));
        MakeClickable(shop, ShopPageUrl());
    }
    if (auto* download = window_.findChild<QLabel*>("新版程序下载"))
        MakeClickable(download, ListSiteBase() + "/soft/index.html?installed=" LUMO_VERSION);
}

void Menus::MakeClickable(QLabel* label, const QString& address) {
    label->setProperty("linkAddress", address);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(ResolvedLinkAddress(address));
    label->installEventFilter(this);
}

bool Menus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QString address = watched->property("linkAddress").toString();
        if (!address.isEmpty()) {
            OpenLink(address);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Menus::ShowAbout() {
    if (!about_) about_ = new AboutWindow;  // no owner: a window of its own beside the main window
    about_->show();
    about_->raise();
    about_->activateWindow();
}

AboutWindow* Menus::About() const { return about_.data(); }

}  // namespace lumo::ui
