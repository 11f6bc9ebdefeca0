#include "ui/ChartPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

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
      missingLinks_(window.findChild<QLabel*>("标签_五行缺")) {
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
    QueryFor(TextsOf(custom_->isChecked() ? window_.ChartDates() : window_.InputDates()));
}

void ChartPage::ComputeAtStartUp() { QueryFor(TextsOf(window_.InputDates())); }

void ChartPage::QueryFor(const BirthDateTexts& texts) {
    BoxSink messages(&window_);
    if (!QueryBirthChart(texts, chart_, messages)) return;
    // The report's lines end in CR LF; the text box breaks lines on LF alone.
    report_->setPlainText(FromGbk(chart_.report).remove('\r'));
    elementHolder_->setText(FromGbk(chart_.elementString));
    missingHolder_->setText(FromGbk(chart_.missing));
    QString missing = FromGbk(chart_.missing);
    missing.remove("五行缺：");
    missingLinks_->setText(MissingLinks(missing == "五行不缺" ? QString() : missing));
}

}  // namespace lumo::ui
