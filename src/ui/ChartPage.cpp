#include "ui/ChartPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "reports/NameReport.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"

namespace lumo::ui {
namespace {

class BoxSink : public MessageSink {
  public:
    explicit BoxSink(QWidget* owner) : owner_(owner) {}
    void Show(const UserMessage& m) override { MessageBoxes::Show(owner_, m); }

  private:
    QWidget* owner_;
};

std::string SelectedText(QComboBox* box) { return box ? ToGbk(box->currentText()) : std::string(); }

}  // namespace

ChartPage::ChartPage(MainWindow& window)
    : QObject(&window),
      window_(window),
      custom_(window.findChild<QRadioButton*>("单选框_自定义日期")),
      report_(window.findChild<QPlainTextEdit*>("编辑框_八字信息")),
      elementHolder_(window.findChild<QLabel*>("八字五行标签")),
      missingHolder_(window.findChild<QLabel*>("缺五行标签")),
      missingLinks_(window.findChild<QLabel*>("标签_五行缺")),
      analysis_(window.findChild<QLabel*>("标签_八字分析")) {
    connect(window.findChild<QPushButton*>("按钮_按喜用神起名"), &QPushButton::clicked, this,
            &ChartPage::NameByFavorable);
    connect(window.findChild<QPushButton*>("按钮_八字查询"), &QPushButton::clicked, this,
            &ChartPage::Query);
    connect(missingLinks_, &QLabel::linkActivated, this, &ChartPage::ElementsWanted);
}

QString ChartPage::MissingLinks(const QString& missing) {
    if (missing.isEmpty()) return "五行不缺";
    QStringList links;
    for (QChar e : missing) links << QString("<a href=\"%1\">%1</a>").arg(e);
    QString text = "五行缺：" + links.join("&nbsp;&nbsp;");
    if (missing.size() > 1) text += QString("&nbsp;&nbsp;<a href=\"%1\">全选</a>").arg(missing);
    return text + "&nbsp;&nbsp;&nbsp;（点击五行，在超吉模式中起带此五行的名字）";
}

BirthDateTexts ChartPage::TextsOf(const DateLists& d) {
    return {SelectedText(d.year), SelectedText(d.month), SelectedText(d.day), SelectedText(d.hour)};
}

void ChartPage::Query() {
    QueryFor(TextsOf(custom_->isChecked() ? window_.ChartDates() : window_.InputDates()), true);
}

void ChartPage::ComputeAtStartUp() { QueryFor(TextsOf(window_.InputDates()), false); }

QString ChartPage::AnalysisHtml(const ChartAnalysis& a) {
    static const char* const kColours[5] = {"#b8860b", "#2e8b57", "#1f5fa8", "#c0392b", "#8b5a2b"};
    QString html = "<table cellspacing=\"2\">";
    for (int e = 0; e < 5; ++e) {
        const double v = a.elementStrength[static_cast<std::size_t>(e)];
        html += QString(
                    "<tr><td>%1</td><td><table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                    "<td width=\"%2\" height=\"10\" bgcolor=\"%3\"></td></tr></table></td>"
                    "<td>&nbsp;%4</td></tr>")
                    .arg(FromGbk(ElementName(static_cast<ChartElement>(e))))
                    .arg(std::max(2, static_cast<int>(v * 40)))
                    .arg(kColours[e])
                    .arg(v, 0, 'f', 1);
    }
    html += "</table>";
    html +=
        QString(
            "<p><b>日主：</b>%1%2，%3&nbsp;&nbsp;<b>喜用神：</b>%4&nbsp;&nbsp;<b>忌：</b>%5</p>")
            .arg(FromGbk(a.dayMaster), FromGbk(ElementName(a.dayElement)),
                 FromGbk(StrengthName(a.strength)), FromGbk(ElementsText(a.favorable)),
                 FromGbk(ElementsText(a.unfavorable)));
    QStringList steps;
    for (const std::string& r : a.reasoning) steps << FromGbk(r).toHtmlEscaped();
    return html + "<p>" + steps.join("<br>") + "</p>";
}

void ChartPage::NameByFavorable() {
    // The names follow the chart on the page: its date becomes the input panel's birth date.
    const DateLists& in = window_.InputDates();
    const BirthDateTexts& t = chart_.texts;
    for (auto [box, text] : {std::pair{in.year, t.year}, std::pair{in.month, t.month},
                             std::pair{in.day, t.day}, std::pair{in.hour, t.hour}})
        if (box) box->setCurrentText(FromGbk(text));
    window_.findChild<QCheckBox*>("选择框_按喜用神起名")->setChecked(true);
    window_.ShowPage(0);
    window_.statusBar()->showMessage(
        QString("已选“按喜用神起名”（喜%1），请选择起名模式后点“开始起名”")
            .arg(FromGbk(ElementsText(analysisData_.favorable))),
        30000);
}

void ChartPage::QueryFor(const BirthDateTexts& texts, bool entered) {
    BoxSink messages(&window_);
    if (!QueryBirthChart(texts, chart_, messages)) return;
    if (AnalyzeChart(chart_.pillars, analysisData_)) {
        analysis_->setText(AnalysisHtml(analysisData_));
        if (entered) SetReportBirthChart(&analysisData_);
    }
    // The report's lines end in CR LF; the text box breaks lines on LF alone.
    report_->setPlainText(FromGbk(chart_.report).remove('\r'));
    elementHolder_->setText(FromGbk(chart_.elementString));
    missingHolder_->setText(FromGbk(chart_.missing));
    QString missing = FromGbk(chart_.missing);
    missing.remove("五行缺：");
    missingLinks_->setText(MissingLinks(missing == "五行不缺" ? QString() : missing));
}

}  // namespace lumo::ui
