#include "ui/Icons.h"

#include <QPainter>
#include <QPixmap>

namespace lumo::ui {
QIcon Badge(const QColor& colour, const QString& glyph, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 4.0, size / 4.0);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(size * 5 / 8);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, glyph);
    return QIcon(pm);
}

QIcon ModeIcon(int index) {
    static const struct {
        const char* colour;
        const char* glyph;
    } modes[7] = {{"#8e6bbf", "经"}, {"#d9534f", "高"}, {"#3a87ad", "诗"}, {"#5cb85c", "组"},
                  {"#f0ad4e", "小"}, {"#5bc0de", "英"}, {"#c9302c", "吉"}};
    if (index < 0 || index > 6) index = 0;
    return Badge(QColor(modes[index].colour), QString::fromUtf8(modes[index].glyph));
}

QIcon ToolbarIcon(int index) {
    static const struct {
        const char* colour;
        const char* glyph;
    } tools[5] = {{"#d9534f", "名"}, {"#8e6bbf", "八"}, {"#5cb85c", "评"}, {"#3a87ad", "记"}, {"#f0ad4e", "字"}};
    if (index < 0 || index > 4) index = 0;
    return Badge(QColor(tools[index].colour), QString::fromUtf8(tools[index].glyph));
}

QIcon RowIcon() { return Badge(QColor("#e4606d"), QString::fromUtf8("名"), 16); }

}  // namespace lumo::ui
