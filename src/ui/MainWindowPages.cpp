// The eleven pages of the main window. Layouts keep the designed order of the controls; sizes
// follow the window.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "generation/InputLimits.h"
#include "numerology/NameCheck.h"
#include "ui/MainWindow.h"

namespace lumo::ui {
namespace {

const char* const kIntroduction =
    "古人云： "
    "“赐子千金，不如教子一艺；教子一艺，不如赐子一名。”\r\n\r\n研究表明，名字将影响人的一生！\r\n\r"
    "\n"
    "宝宝名字的选择权在您手中，可是您不是电脑，不是字典，怎么能想出很多丰富多彩的名字，再作选择呢？"
    "\r\n\r\n"
    "本软件参考各种书籍、文献、字典，一次产生数千个好名字，您还可根据笔画数、拼音、五行、指定含某字"
    "等方式在输出结果里筛\r\n\r\n"
    "选出满意的名字！\r\n\r\n"
    "宝宝取名软件,"
    "参考大量书籍、文献、字典，采用《五行平衡取名法》结合宝宝姓氏、性别、生辰八字、五格、三才、五行"
    "及音行意\r\n\r\n"
    "等重要元素，一次产生数千个好名字！\r\n\r\n"
    "宝宝取名软件的主要特点:"
    "可按高分起名、诗词起名、组合起名、起小名、起英文名等模式生成名字，并且独有英文名字朗读功能。\r"
    "\n\r\n"
    "拥有功能强大的新华字典。";

// Said once the reference database is loaded, with the numbers it holds.
const char* const kArticleCounts =
    "提供%1篇取名知识文章，提供%2篇育儿知识文章,拥有功能强大的新华字典。";

const char* const kSuperPrinciple =
    "名字里缺少的五行，选择对应的五行，就可以进行后天补救。五格是根据姓名的康熙笔画数计算出来的，然"
    "后再对照81灵动数，查看吉凶。"
    "三才是按数字对应五行属性计算的，再对照三才凶吉表，查看吉凶。所以筛选时，选择吉祥的参照，就能获"
    "得五格，三才超“吉”的名字。"
    "由于姓是固定的，天格也是固定的，所以天格为凶时无法得到100分！";

template <typename W>
W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    return Named(new QPushButton(text, parent), name);
}

QComboBox* Combo(const QString& name, QWidget* parent) {
    auto* c = Named(new QComboBox(parent), name);
    c->setMaxVisibleItems(16);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

QGroupBox* Group(const QString& name, const QString& title, QWidget* parent) {
    return Named(new QGroupBox(title, parent), name);
}

// A group holding just one list view.
QGroupBox* ListGroup(const QString& name, const QString& title, QTableView* list, QWidget* parent) {
    QGroupBox* g = Group(name, title, parent);
    auto* l = new QVBoxLayout(g);
    list->setParent(g);
    l->addWidget(list);
    return g;
}

void AddDateRow(QHBoxLayout* row, DateLists& d, const QString& prefix, bool withMinute,
                QWidget* parent) {
    struct Part {
        QComboBox** box;
        const char* suffix;
        const char* unit;
    } parts[] = {{&d.year, "年份", "年"},
                 {&d.month, "月份", "月"},
                 {&d.day, "日子", "日"},
                 {&d.hour, "时间", "时"},
                 {&d.minute, "分钟", "分"}};
    for (const Part& p : parts) {
        if (p.box == &d.minute && !withMinute) break;
        *p.box = Combo(prefix + p.suffix, parent);
        (*p.box)->setFixedWidth(p.box == &d.year ? 72 : 56);
        row->addWidget(*p.box);
        row->addWidget(new QLabel(p.unit, parent));
    }
}

// A group whose controls stand on two lines (name inputs above, date lists below): with the fonts
// of today they do not fit one line of a 729-pixel window.
std::pair<QHBoxLayout*, QHBoxLayout*> TwoLines(QGroupBox* group) {
    auto* lines = new QVBoxLayout(group);
    auto* top = new QHBoxLayout;
    auto* bottom = new QHBoxLayout;
    lines->addLayout(top);
    lines->addLayout(bottom);
    return {top, bottom};
}

// A label and a fixed-width edit box.
QLineEdit* LabelledEdit(QHBoxLayout* row, const QString& label, const QString& name, int width,
                        QWidget* parent) {
    row->addWidget(new QLabel(label, parent));
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setFixedWidth(width);
    row->addWidget(edit);
    return edit;
}

// A row of buttons aligned right under a page's list: (object name, caption) pairs.
void AddButtonRow(QVBoxLayout* page,
                  std::initializer_list<std::pair<const char*, const char*>> buttons,
                  QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const auto& [name, caption] : buttons) row->addWidget(Button(name, caption, parent));
    page->addLayout(row);
}

}  // namespace

QWidget* MainWindow::BuildModePage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);

    QGroupBox* input = Group("分组框1", "宝宝信息：", page);
    auto [row, dateRow] = TwoLines(input);
    LabelledEdit(row, "姓氏:", "编辑框_姓氏", 48, input)
        ->setMaxLength(static_cast<int>(kFamilyNameMaxChars));
    row->addWidget(new QLabel("性别:", input));
    QComboBox* sex = Combo("组合框_性别", input);
    sex->addItems({"男", "女"});
    row->addWidget(sex);
    row->addWidget(new QLabel("名字个数:", input));
    QComboBox* length = Combo("组合框_名字个数", input);
    length->addItems({"一字", "二字"});
    row->addWidget(length);
    auto* marker = Named(new QLabel("▽", input), "标签_设置辈份");
    marker->setToolTip("设置辈份");
    marker->setCursor(Qt::PointingHandCursor);
    row->addWidget(marker);
    row->addStretch();
    dateRow->addWidget(new QLabel("出生日期(公历):", input));
    // The input panel's date lists have the plain names 组合框_年份 … 组合框_分钟.
    AddDateRow(dateRow, inputDates_, "组合框_", true, input);
    dateRow->addStretch();
    v->addWidget(input);

    auto* intro = Named(
        new QLabel(QString::fromUtf8(kIntroduction).replace("\r\n\r\n", "\n"), page), "透明标签11");
    intro->setProperty("introduction", intro->text());
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    v->addWidget(intro, 1);

    v->addWidget(new QLabel("请选择起名模式:", page));
    auto* modes = new QHBoxLayout;
    const struct {
        const char* name;
        const char* text;
        int image;
        const char* status;
    } radios[] = {
        {"单选框_经典起名", "经典起名", 0, "高速生成,以好听为主,不考虑名字的五行数理等因素"},
        {"单选框_高分起名", "高分起名", 1, "1-20秒内生成10000个90分以上的高分姓名"},
        {"单选框_超吉起名", "超吉起名", 6,
         "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
        {"单选框_诗词起名", "诗词起名", 2, "使用《全唐诗》中三千多位诗人的五万多首诗作进行组合起名"},
        {"单选框_组合起名", "组合起名", 3, "使用您自定义的字进行组合起名"},
        {"单选框_起小名", "起小名", 4, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
        {"单选框_起英文名", "起英文名", 5, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
    };
    auto* modeGroup = new QButtonGroup(page);
    for (const auto& r : radios) {
        auto* radio = Named(new QRadioButton(r.text, page), r.name);
        radio->setProperty("modeImage", r.image);
        radio->setProperty("modeStatus", QString::fromUtf8(r.status));
        modeGroup->addButton(radio);
        modes->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, radio] { ModeRadioClicked(radio); });
    }
    modeGroup->buttons().first()->setChecked(true);
    modes->addStretch();
    auto* unsuitable = Named(new QCheckBox("过滤不宜取名用字", page), "选择框_过滤不宜取名用字");
    unsuitable->setChecked(true);
    unsuitable->setToolTip(
        "高分、超吉和小名不用字义、谐音不佳的字（如 屠、逝、蚊）；\n"
        "组合和诗词用您选的字，只作提醒");
    modes->addWidget(unsuitable);
    auto* favorable = Named(new QCheckBox("按喜用神起名", page), "选择框_按喜用神起名");
    favorable->setToolTip(
        "按上方出生日期排出八字、判断日主强弱，只保留名字中每个字都带喜用神五行的名字\n"
        "（适用于高分、超吉、诗词、组合和小名；喜用神及其推理见“生辰八字”页）");
    modes->addWidget(favorable);
    modes->addWidget(Button("按钮_起名", "开始起名", page));
    v->addLayout(modes);

    auto* links = new QHBoxLayout;
    auto* bag = Named(new QLabel("<a href=\"#\">待产包清单</a>", page), "待产包宣传");
    auto* shop = Named(new QLabel("<a href=\"#\">宝宝用品导购</a>", page), "导购网站");
    links->addWidget(bag);
    links->addStretch();
    links->addWidget(shop);
    v->addLayout(links);
    return page;
}

QWidget* MainWindow::BuildHighScorePage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QTableView* list = AddList("超级列表框_高分起名", NameRowHeaders(), page);
    v->addWidget(ListGroup("分组框3", "姓名列表(双击姓名可查看详细解释)", list, page), 1);
    AddButtonRow(v,
                 {{"按钮_高分暂停", "暂停"},
                  {"按钮_再生成一次", "不满意?再生成一次"},
                  {"按钮_高分导出", "导出列表"}},
                 page);
    return page;
}

QWidget* MainWindow::BuildPoetryPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    poetryPages_ = Named(new QTabWidget(page), "高级选择夹2");
    v->addWidget(poetryPages_);

    auto* choose = new QWidget;
    auto* grid = new QGridLayout(choose);
    grid->addWidget(new QLabel("① 选择诗人", choose), 0, 0);
    grid->addWidget(new QLabel("② 选择诗词", choose), 0, 1);
    grid->addWidget(AddList("超级列表框_诗人列表", {"编号", "诗人"}, choose), 1, 0);
    grid->addWidget(AddList("超级列表框_诗词残", {"编号", "诗词标题"}, choose), 1, 1);
    auto* preview = Named(new QTextBrowser(choose), "网页浏览框1");
    grid->addWidget(preview, 0, 2, 2, 1);
    auto* use = new QHBoxLayout;
    use->addWidget(new QLabel("③ 使用本诗词,点击按钮", choose));
    use->addWidget(Button("按钮2", "使用此诗词", choose));
    use->addStretch();
    grid->addLayout(use, 2, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 5);
    poetryPages_->addTab(choose, "选取诗词");

    auto* pick = new QWidget;
    auto* pv = new QVBoxLayout(pick);
    QGroupBox* chars = Group("分组框_诗词字符", "诗词字符", pick);
    auto* cv = new QVBoxLayout(chars);
    auto* scroll = Named(new QScrollArea(chars), "诗词字符_滚动区");
    scroll->setWidgetResizable(true);
    auto* holder = Named(new QWidget, "诗词字符_网格");
    auto* boxes = new QGridLayout(holder);
    boxes->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    boxes->setHorizontalSpacing(6);
    scroll->setWidget(holder);
    // A line of the grid (15 characters) fits without scrolling sideways.
    QCheckBox probe("国");
    scroll->setMinimumWidth(
        15 * probe.sizeHint().width() + 14 * 6 + holder->layout()->contentsMargins().left() * 2 +
        scroll->verticalScrollBar()->sizeHint().width() + 4 * scroll->frameWidth());
    cv->addWidget(scroll);
    pv->addWidget(chars, 1);
    AddButtonRow(pv,
                 {{"按钮_全选", "全选"},
                  {"按钮_反选", "反选"},
                  {"按钮_全清", "全清"},
                  {"按钮_诗词起名", "生成"}},
                 pick);
    poetryPages_->addTab(pick, "诗词取名");

    auto* names = new QWidget;
    auto* nv = new QVBoxLayout(names);
    nv->addWidget(ListGroup("分组框5", "姓名列表",
                            AddList("超级列表框_诗名列表", NameRowHeaders(), names), names));
    poetryPages_->addTab(names, "生成名字");
    return page;
}

QWidget* MainWindow::BuildCombinationPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* input = Group("分组框6", "请在此处输入要组合的字", page);
    auto* row = new QHBoxLayout(input);
    // The designed text; the settings file replaces it with the last one used, which is empty on
    // the first start: the placeholder then shows what to type.
    auto* chars =
        Named(new QLineEdit("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇", input), "编辑框_组合的字");
    chars->setPlaceholderText("输入喜欢的字，如：圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇");
    chars->setMaxLength(static_cast<int>(kCombinationMaxChars));
    row->addWidget(chars, 1);
    row->addWidget(Button("按钮_组合起名", "生成", input));
    v->addWidget(input);
    v->addWidget(ListGroup("分组框2", "姓名列表",
                           AddList("超级列表框_组合列表", NameRowHeaders(), page), page),
                 1);
    return page;
}

QWidget* MainWindow::BuildNicknamePage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* styles = Group("分组框7", "", page);
    auto* row = new QHBoxLayout(styles);
    row->addWidget(new QLabel("小名样式:", styles));
    const char* names[4][2] = {{"单选框_AA型", "AA型"},
                               {"单选框_小A型", "小A型"},
                               {"单选框_A儿型", "A儿型"},
                               {"单选框_阿A型", "阿A型"}};
    for (int i = 0; i < 4; ++i) {
        auto* r = Named(new QRadioButton(names[i][1], styles), names[i][0]);
        if (i == 0) r->setChecked(true);
        row->addWidget(r);
    }
    row->addStretch();
    row->addWidget(Button("按钮_起小名", "点击生成", styles));
    v->addWidget(styles);
    v->addWidget(ListGroup("分组框8", "姓名列表",
                           AddList("超级列表框_小名列表", NameRowHeaders(), page), page),
                 1);
    return page;
}

QWidget* MainWindow::BuildEnglishPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* input = Group("分组框9", "", page);
    auto* row = new QHBoxLayout(input);
    LabelledEdit(row, "姓氏:", "编辑框_英文姓氏", 48, input)
        ->setMaxLength(static_cast<int>(kFamilyNameMaxChars));
    LabelledEdit(row, "名字:", "编辑框_英文名字", 64, input)
        ->setMaxLength(static_cast<int>(kGivenNameMaxChars));
    const char* genders[3][2] = {
        {"单选框_男性化", "男性化"}, {"单选框_女性化", "女性化"}, {"单选框_中性化", "中性化"}};
    for (int i = 0; i < 3; ++i) {
        auto* r = Named(new QRadioButton(genders[i][1], input), genders[i][0]);
        if (i == 0) r->setChecked(true);
        row->addWidget(r);
    }
    row->addWidget(new QLabel("长度:", input));
    // Letters of the English name; 不限 leaves that side open.
    for (const char* name : {"组合框_日子1", "组合框_时间1"}) {
        QComboBox* c = Combo(name, input);
        c->addItems({"不限", "3", "4", "5", "6", "7", "8"});
        row->addWidget(c);
        if (QString(name) == "组合框_日子1") row->addWidget(new QLabel("至", input));
    }
    row->addStretch();
    row->addWidget(Button("按钮_英文起名", "生成", input));
    v->addWidget(input);
    QTableView* list =
        AddList("超级列表框_英文列表", {"编号", "英文名", "中文读音", "相关含义"}, page);
    v->addWidget(ListGroup("分组框13", "姓名列表(双击英文名字可以自动朗读)", list, page), 1);
    return page;
}

QWidget* MainWindow::BuildChartPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* when = Group("分组框15", "", page);
    auto* grid = new QGridLayout(when);
    auto* useNaming = Named(new QRadioButton("使用起名日期:", when), "单选框_使用起名日期");
    useNaming->setChecked(true);
    grid->addWidget(useNaming, 0, 0);
    grid->addWidget(Named(new QLabel("", when), "透明标签_起名日期"), 0, 1, 1, 3);
    grid->addWidget(Named(new QRadioButton("自定义日期:", when), "单选框_自定义日期"), 1, 0);
    auto* dates = new QHBoxLayout;
    AddDateRow(dates, chartDates_, "组合框_八字", false, when);
    dates->addStretch();
    grid->addLayout(dates, 1, 1, 1, 3);
    grid->addWidget(Button("按钮_八字查询", "查询", when), 0, 4, 2, 1);
    v->addWidget(when);

    QGroupBox* result = Group("分组框14", "", page);
    auto* rv = new QVBoxLayout(result);
    auto* text = Named(new QPlainTextEdit(result), "编辑框_八字信息");
    text->setReadOnly(true);  // its minimum height fits the report (FitToContents)
    rv->addWidget(text);
    auto* missing = Named(new QLabel(result), "标签_五行缺");
    missing->setTextFormat(Qt::RichText);
    missing->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    rv->addWidget(missing);
    // The analysis: element strength as bars, the day master, the verdict, 喜用神, the reasoning.
    auto* analysis = Named(new QLabel(result), "标签_八字分析");
    analysis->setTextFormat(Qt::RichText);
    analysis->setWordWrap(true);
    rv->addWidget(analysis);
    auto* byFavorable = new QHBoxLayout;
    byFavorable->addStretch();
    byFavorable->addWidget(Button("按钮_按喜用神起名", "按喜用神起名", result));
    rv->addLayout(byFavorable);
    // Two hidden holders of the chart's element strings, read by other pages.
    for (const char* name : {"八字五行标签", "缺五行标签"}) {
        auto* holder = Named(new QLabel(result), name);
        holder->setVisible(false);
        rv->addWidget(holder);
    }
    v->addWidget(result, 1);
    return page;
}

QWidget* MainWindow::BuildScoringPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* input = Group("分组框11", "", page);
    auto [row, dateRow] = TwoLines(input);
    LabelledEdit(row, "姓氏:", "编辑框_评分姓氏", 48, input)
        ->setMaxLength(static_cast<int>(kFamilyNameMaxChars));
    LabelledEdit(row, "名字:", "编辑框_评分名字", 64, input)
        ->setMaxLength(static_cast<int>(kGivenNameMaxChars));
    row->addStretch();
    row->addWidget(Button("按钮_评分", "评分", input));
    dateRow->addWidget(new QLabel("出生日期:", input));
    AddDateRow(dateRow, scoringDates_, "组合框_评分", true, input);
    dateRow->addStretch();
    v->addWidget(input);
    // What the score of the last scored name leaves out; hidden while there is nothing to say.
    auto* warning = Named(new QLabel(page), "标签_评分警告");
    warning->setStyleSheet("color: rgb(192, 0, 0); font-weight: bold;");
    warning->setWordWrap(true);
    warning->setVisible(false);
    v->addWidget(warning);
    v->addWidget(ListGroup("分组框12", "姓名列表",
                           AddList("超级列表框_评分列表", NameRowHeaders(), page), page),
                 1);
    return page;
}

QWidget* MainWindow::BuildRecordsPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QTableView* list = AddList("超级列表框_记录列表", NameRowHeaders(), page);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    v->addWidget(ListGroup(
        "分组框10", "姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)", list, page));
    return page;
}

QWidget* MainWindow::BuildSuperPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* filters = Group("分组框16", "请设置五行筛选条件", page);
    auto* grid = new QGridLayout(filters);
    const char* masters[4][2] = {{"选择框_第二个字五行限定", "第二个字五行限定"},
                                 {"选择框_第三个字五行限定", "第三个字五行限定"},
                                 {"选择框_所有字必带五行", "所有字必须带五行(含姓)"},
                                 {"选择框_所有字不能带五行", "所有字不能带五行(含姓)"}};
    const char* elements[5] = {"金", "木", "水", "火", "土"};
    for (int m = 0; m < 4; ++m) {
        grid->addWidget(Named(new QCheckBox(masters[m][1], filters), masters[m][0]), m, 0);
        for (int e = 0; e < 5; ++e)
            grid->addWidget(Named(new QCheckBox(elements[e], filters),
                                  QString("选择框_%1%2").arg(elements[e]).arg(m)),
                            m, 1 + e);
    }
    grid->setColumnStretch(6, 1);
    v->addWidget(filters);

    auto* middle = new QHBoxLayout;
    middle->addWidget(ListGroup("分组框17", "姓名列表",
                                AddList("超级列表框_超吉起名", NameRowHeaders(), page), page),
                      1);
    QGroupBox* principle = Group("分组框18", "超“吉”筛选原理", page);
    auto* pl = new QVBoxLayout(principle);
    auto* text = new QLabel(QString::fromUtf8(kSuperPrinciple), principle);
    text->setObjectName("透明标签_超吉原理");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    pl->addWidget(text);
    // Narrow beside the list, which keeps room for all its columns.
    principle->setMaximumWidth(260);
    middle->addWidget(principle, 0);
    v->addLayout(middle, 1);

    AddButtonRow(
        v, {{"按钮_超吉生成", "生成"}, {"按钮_超吉暂停", "暂停"}, {"按钮_超吉导出", "导出"}}, page);
    return page;
}

QWidget* MainWindow::BuildClassicPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    QGroupBox* group = Group("分组框20", "", page);
    auto* gv = new QVBoxLayout(group);
    auto* text = Named(new QPlainTextEdit(group), "编辑框_经典名字");
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    gv->addWidget(text);
    v->addWidget(group, 1);
    AddButtonRow(v, {{"按钮_经典生成", "不满意?再生成一次"}, {"按钮_经典导出", "导出"}}, page);
    return page;
}

void MainWindow::ShowArticleCounts(int naming, int parenting) {
    auto* intro = findChild<QLabel*>("透明标签11");
    if (!intro) return;
    QString text = intro->property("introduction").toString();
    const QString dictionary = "拥有功能强大的新华字典。";
    if (text.endsWith(dictionary)) text.chop(dictionary.size());
    intro->setText(text + QString::fromUtf8(kArticleCounts).arg(naming).arg(parenting));
}

}  // namespace lumo::ui
