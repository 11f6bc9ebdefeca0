#include "ui/AboutWindow.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "content/Version.h"
#include "ui/Links.h"

namespace lumo::ui {
namespace {

// The picture's calligraphy wants a brush-like serif face when one is installed.
QFont InkFont(int pixelSize) {
    QFont f;
    for (const char* family : {"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"})
        if (QFontDatabase::hasFamily(family)) {
            f.setFamily(family);
            break;
        }
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

void DrawPaper(QPainter& p, const QRectF& r) {
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0, QColor("#fdf8ee"));
    paper.setColorAt(1, QColor("#f1e4c8"));
    p.setPen(QPen(QColor("#d8c59c"), 1.5));
    p.setBrush(paper);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 14, 14);
    // A pale moon behind the branch.
    QRadialGradient moon(QPointF(r.width() * 0.7, r.height() * 0.28), r.width() * 0.22);
    moon.setColorAt(0, QColor(255, 247, 226, 255));
    moon.setColorAt(0.8, QColor(252, 236, 200, 200));
    moon.setColorAt(1, QColor(252, 236, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(r.width() * 0.7, r.height() * 0.28), r.width() * 0.22, r.width() * 0.22);
}

void DrawBranch(QPainter& p, const QSizeF& s) {
    const QColor bark("#5d4037");
    auto stroke = [&](QPointF a, QPointF c1, QPointF c2, QPointF b, double width) {
        QPainterPath path(a);
        path.cubicTo(c1, c2, b);
        p.setPen(QPen(bark, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    const double w = s.width(), h = s.height();
    stroke({0.0, 0.8 * h}, {0.14 * w, 0.72 * h}, {0.18 * w, 0.45 * h}, {0.42 * w, 0.3 * h}, 6);
    stroke({0.42 * w, 0.3 * h}, {0.55 * w, 0.22 * h}, {0.7 * w, 0.1 * h}, {0.92 * w, 0.08 * h},
           3.5);
    stroke({0.15 * w, 0.6 * h}, {0.26 * w, 0.58 * h}, {0.36 * w, 0.66 * h}, {0.46 * w, 0.62 * h},
           3);
    stroke({0.3 * w, 0.36 * h}, {0.26 * w, 0.25 * h}, {0.27 * w, 0.17 * h}, {0.22 * w, 0.08 * h},
           2.5);
    stroke({0.6 * w, 0.18 * h}, {0.64 * w, 0.26 * h}, {0.7 * w, 0.3 * h}, {0.76 * w, 0.3 * h}, 2);
}

void DrawBlossom(QPainter& p, QPointF centre, double radius, double turn) {
    p.setPen(QPen(QColor("#e58ba0"), 0.8));
    p.setBrush(QColor("#f8c3cf"));
    for (int i = 0; i < 5; ++i) {
        const double a = turn + i * 2 * M_PI / 5;
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.62, radius * 0.55,
                      radius * 0.55);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#fbe7b0"));
    p.drawEllipse(centre, radius * 0.3, radius * 0.3);
    p.setBrush(QColor("#c2185b"));
    for (int i = 0; i < 6; ++i) {
        const double a = turn + i * M_PI / 3;
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.42, 1.1, 1.1);
    }
}

void DrawSeal(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#b71c1c"));
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(QColor("#fbe9e7"), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 4, 4);
    p.setPen(QColor("#fbe9e7"));
    p.setFont(InkFont(static_cast<int>(r.height() * 0.34)));
    p.drawText(r.adjusted(0, 4, 0, -r.height() / 2), Qt::AlignCenter, QString::fromUtf8("取"));
    p.drawText(r.adjusted(0, r.height() / 2 - 4, 0, 0), Qt::AlignCenter, QString::fromUtf8("名"));
}

}  // namespace

QString ProductName() { return QStringLiteral("Lumo取名软件"); }

QString AboutVersionText() {
    return ProductName() + QString(18, ' ') + QStringLiteral("版本：V") + ProgramVersion();
}

QPixmap AboutPicture(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    DrawPaper(p, r);

    // The character 名 in ink, the picture's centre of weight.
    p.setPen(QColor(52, 40, 36, 230));
    p.setFont(InkFont(static_cast<int>(size.height() * 0.46)));
    p.drawText(QRectF(r.width() * 0.3, r.height() * 0.3, r.width() * 0.62, r.height() * 0.55),
               Qt::AlignCenter, QString::fromUtf8("名"));

    DrawBranch(p, r.size());
    const struct {
        double x, y, radius, turn;
    } blossoms[] = {{0.42, 0.3, 11, 0.2}, {0.6, 0.19, 9, 1.0},   {0.85, 0.08, 8, 0.5},
                    {0.22, 0.1, 9, 0.9},  {0.46, 0.62, 10, 0.4}, {0.3, 0.62, 7, 1.3},
                    {0.76, 0.3, 8, 0.1},  {0.16, 0.48, 8, 0.7},  {0.72, 0.11, 6, 0.3}};
    for (const auto& b : blossoms)
        DrawBlossom(p, {b.x * r.width(), b.y * r.height()}, b.radius, b.turn);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#d9667f"));
    for (QPointF bud :
         {QPointF(0.35, 0.2), QPointF(0.55, 0.66), QPointF(0.95, 0.06), QPointF(0.25, 0.55)})
        p.drawEllipse(QPointF(bud.x() * r.width(), bud.y() * r.height()), 3.2, 3.2);

    DrawSeal(p, QRectF(r.width() - 70, r.height() - 84, 52, 64));
    p.setPen(QColor("#8d6e63"));
    QFont small = InkFont(15);
    small.setBold(false);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(small);
    p.drawText(QRectF(18, r.height() - 40, r.width() - 100, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("赐子千金 不如赐子一名"));
    return pm;
}

AboutWindow::AboutWindow() : QWidget(nullptr) {
    setObjectName("AboutUs");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("关于软件 Venka（" + SiteHostName(MainSiteBase()) + "）开发设计");
    setFixedSize(678, 338);

    picture_ = Place("图片框1", QString(), QRect(8, 8, 300, 294));
    picture_->setPixmap(AboutPicture(picture_->size()));

    version_ = Place("透明标签1", AboutVersionText(), QRect(316, 60, 402, 76));
    QFont big = version_->font();
    big.setPixelSize(18);
    big.setBold(true);
    version_->setFont(big);

    mainSite_ =
        Place("透明标签3", "Venka（专业母婴网站）：" + SiteTitle(MainSiteBase()), QRect(341, 164, 350, 64));
    listSite_ =
        Place("透明标签2", "分娩待产包最全清单分享：\n" + SiteTitle(ListSiteBase()), QRect(344, 224, 350, 64));
    for (QLabel* link : {mainSite_, listSite_}) {
        link->setWordWrap(true);
        link->setForegroundRole(QPalette::Link);  // they open their sites, so they look like links
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

QLabel* AboutWindow::Place(const QString& name, const QString& text, QRect area) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    // The laid-out areas of the text labels reach past the window's right edge; end them a little
    // inside it, so a long line wraps instead of being cut off.
    area.setRight(std::min(area.right(), width() - 12));
    label->setGeometry(area);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Each label opens its site's home page.
        if (watched == mainSite_) OpenLink(MainSiteBase() + "/");
        if (watched == listSite_) OpenLink(ListSiteBase() + "/");
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lumo::ui
