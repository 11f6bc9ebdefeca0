#pragma once

#include <QObject>

#include "birthchart/BirthChart.h"
#include "birthchart/ChartAnalysis.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace lumo::ui {

class MainWindow;
struct DateLists;

// The birth-chart page (page 6): "查询" takes the naming date of the input panel or, with
// "自定义日期:", the page's own lists, and writes the chart's report into `编辑框_八字信息`; the
// hidden labels `八字五行标签` and `缺五行标签` hold the element string and the missing elements.
// The page's own lists are refilled by the main window on every visit. Under the report,
// `标签_五行缺` shows the missing elements as links: choosing one asks for names that carry it.
class ChartPage : public QObject {
    Q_OBJECT
  public:
    explicit ChartPage(MainWindow& window);

    // 按钮_八字查询. A date that does not exist is refused with a message; the page then keeps the
    // last chart.
    void Query();
    // The one chart of the creation sequence, for the input panel's default moment, computed
    // right after its date lists are filled.
    void ComputeAtStartUp();

    // The analysis of the last chart as the page shows it (rich text, UTF-8): a bar per element,
    // the day master and its strength, 喜用神 and 忌神, and the reasoning.
    static QString AnalysisHtml(const ChartAnalysis& analysis);

    // 按钮_按喜用神起名: the page's date goes into the input panel, 选择框_按喜用神起名 is ticked
    // and 模式选择 is shown, so that 开始起名 keeps the names that carry the chart's 喜用神.
    void NameByFavorable();

    // The last chart shown (empty before the first query).
    const BirthChart& Chart() const { return chart_; }

    // The text of 标签_五行缺 for a chart's missing elements (UTF-8, without "五行缺："): a link
    // per element, and one for all of them when more than one is missing.
    static QString MissingLinks(const QString& missing);

  signals:
    // A link of 标签_五行缺 was chosen: the elements (captions out of 金木水火土) names should
    // carry.
    void ElementsWanted(const QString& elements);

  private:
    static BirthDateTexts TextsOf(const DateLists& lists);
    // `entered`: the user asked for this chart (the reports then measure names against it).
    void QueryFor(const BirthDateTexts& texts, bool entered);

    MainWindow& window_;
    BirthChart chart_;
    QRadioButton* custom_;
    QPlainTextEdit* report_;
    QLabel* elementHolder_;
    QLabel* missingHolder_;
    QLabel* missingLinks_;
    QLabel* analysis_;
    ChartAnalysis analysisData_;
};

}  // namespace lumo::ui
