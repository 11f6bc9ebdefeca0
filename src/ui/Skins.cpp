#include "ui/Skins.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace lumo::ui {
namespace {

// How a skin draws its frame: flat colour, a soft gradient, or a glossy two-tone band.
enum class Shape { Flat, Gradient, Glass };

struct SkinRow {
    const char* name;
    const char* colour;  // the frame colour
    int tint;            // how much of it the pages take, in percent
    Shape shape;
};

constexpr Shape F = Shape::Flat;
constexpr Shape G = Shape::Gradient;
constexpr Shape L = Shape::Glass;

// 77 looks; positions 56 and 67 repeat the looks of positions 52 and 8 (see RowOf).
constexpr std::array<SkinRow, 77> kRows{{
    {"胭脂", "#9d2933", 10, G},  {"朱砂", "#c0392b", 8, F},   {"海棠", "#db5a6b", 12, L},
    {"桃红", "#f08aa0", 14, G},  {"藕荷", "#c9a0b4", 16, F},  {"绯红", "#c83c3c", 8, G},
    {"水红", "#f3a6b8", 16, L},  {"天青", "#4a86b8", 12, G},  {"石青", "#1f5f8b", 10, F},
    {"靛蓝", "#2c3e7a", 8, G},   {"宝蓝", "#3565c9", 10, L},  {"蔚蓝", "#6fa8dc", 14, G},
    {"湖蓝", "#3b9dc9", 12, F},  {"月白", "#d6e6f2", 18, G},  {"群青", "#4b5cc4", 10, L},
    {"藏青", "#22304f", 8, G},   {"黛蓝", "#3c4f65", 10, F},  {"孔雀蓝", "#1b7f8e", 12, G},
    {"碧色", "#2aa198", 12, L},  {"青碧", "#48a08a", 14, F},  {"竹青", "#5e8c4a", 12, G},
    {"豆绿", "#9ccc8a", 18, L},  {"柳绿", "#7bb661", 14, G},  {"葱绿", "#4f9a3e", 10, F},
    {"松柏绿", "#2f5d3a", 8, G}, {"墨绿", "#254536", 8, L},   {"苍绿", "#5a7d6a", 12, F},
    {"艾绿", "#a4c2a5", 18, G},  {"缃色", "#f0c239", 16, G},  {"杏黄", "#f5b342", 16, L},
    {"鹅黄", "#fbe38c", 20, F},  {"琥珀", "#c47a1b", 10, G},  {"橘红", "#e5653a", 10, L},
    {"橙色", "#f08c2e", 12, G},  {"驼色", "#a8845b", 12, F},  {"赭石", "#8a4b2a", 8, G},
    {"棕褐", "#6b4a34", 8, L},   {"米色", "#e8dcc2", 20, F},  {"象牙", "#f4efe1", 22, G},
    {"茶色", "#8c6e4e", 10, G},  {"丁香", "#b793c8", 14, L},  {"紫罗兰", "#7e57c2", 10, G},
    {"青莲", "#8e44ad", 10, F},  {"绛紫", "#5c2a4c", 8, G},   {"雪青", "#c5b0e0", 18, G},
    {"紫檀", "#4b2c34", 8, L},   {"葡萄紫", "#6a2c70", 8, F}, {"玫瑰红", "#c2185b", 10, G},
    {"珊瑚", "#f37f6a", 12, L},  {"粉红", "#f6b7c5", 18, F},  {"银灰", "#b8bec6", 16, G},
    {"铅灰", "#6b7280", 10, F},  {"石板灰", "#4a5561", 8, G}, {"烟灰", "#8d8d8d", 12, L},
    {"墨色", "#2b2b2b", 6, G},   {"鸦青", "#424c50", 8, F},   {"秋香", "#c9b55a", 14, G},
    {"橄榄", "#7a7a30", 10, L},  {"苔绿", "#6c8c3c", 12, F},  {"薄荷", "#9fe0c4", 18, G},
    {"湖绿", "#5fbfa0", 14, L},  {"水绿", "#8fd1c8", 16, F},  {"天蓝", "#87c3ef", 16, G},
    {"冰蓝", "#cde8f6", 20, L},  {"钴蓝", "#1e56a0", 8, G},   {"樱花", "#f4c7d3", 18, G},
    {"杜鹃", "#d6336c", 10, L},  {"枫红", "#b03a2e", 8, F},   {"金色", "#d4a82a", 14, G},
    {"沙棕", "#d8b68a", 16, L},  {"松石", "#40a6a0", 12, G},  {"海青", "#2e6f8e", 10, F},
    {"暮紫", "#5b4b8a", 10, G},  {"夜蓝", "#1c2a48", 6, L},   {"星灰", "#9aa5b1", 14, F},
    {"晴空", "#5aa9e6", 14, L},  {"瓷青", "#7fb8b0", 14, G},
}};

constexpr int kFirstRepeat = 56;   // the look of position 52
constexpr int kSecondRepeat = 67;  // the look of position 8

// Target with a little room, so that rounding to 8-bit colours never drops below the minimum.
constexpr double kTarget = kSkinMinimumContrast + 0.15;

const SkinRow& RowOf(int position) {
    if (position < 1 || position > kSkinCount) position = kStartupSkin;
    if (position == kFirstRepeat) position = 52;
    if (position == kSecondRepeat) position = kStartupSkin;
    const int index =
        position - 1 - (position > kFirstRepeat ? 1 : 0) - (position > kSecondRepeat ? 1 : 0);
    return kRows[static_cast<std::size_t>(index)];
}

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()));
}

// Moves a background away from its text colour until the pair reads well.
QColor Separate(QColor background, const QColor& text) {
    const QColor away =
        Luminance(text) > Luminance(background) ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step < 60 && Contrast(background, text) < kTarget; ++step)
        background = Mix(background, away, 0.06);
    return background;
}

// The better of white and a near-black of the frame's own hue.
QColor TextFor(const QColor& background, const QColor& dark) {
    return Contrast(background, Qt::white) >= Contrast(background, dark) ? QColor(Qt::white) : dark;
}

// A foreground colour of the skin's hue (titles, links) that reads on the given background.
QColor Darken(QColor colour, const QColor& background) {
    for (int step = 0; step < 60 && Contrast(colour, background) < kTarget; ++step)
        colour = Mix(colour, Qt::black, 0.06);
    return colour;
}

SkinColours Derive(const SkinRow& row) {
    const QColor frame(row.colour);
    const double tint = row.tint / 100.0;
    const QColor dark = Mix(frame, Qt::black, 0.84);
    SkinColours s;

    s.windowText = s.text = s.buttonText = s.headerText = dark;
    s.window = Separate(Mix(Qt::white, frame, tint), dark);
    s.base = Separate(Mix(Qt::white, frame, tint * 0.3), dark);
    s.alternateBase = Separate(Mix(Qt::white, frame, tint * 0.75), dark);

    s.chromeText = TextFor(frame, dark);
    s.chrome = Separate(frame, s.chromeText);
    const double sheen = row.shape == Shape::Flat ? 0.0 : row.shape == Shape::Gradient ? 0.2 : 0.4;
    s.chromeEnd = Separate(Mix(s.chrome, Qt::white, sheen), s.chromeText);

    s.button = Separate(Mix(frame, Qt::white, row.shape == Shape::Flat ? 0.7 : 0.82), dark);
    s.buttonEnd = Separate(Mix(frame, Qt::white, row.shape == Shape::Flat ? 0.7 : 0.6), dark);
    s.header = Separate(Mix(frame, Qt::white, 0.72), dark);
    s.tab = Separate(Mix(frame, Qt::white, 0.55), dark);
    s.tabText = dark;

    s.highlightedText = TextFor(frame, dark);
    s.highlight = Separate(frame, s.highlightedText);
    s.accent = Darken(frame, Luminance(s.window) < Luminance(s.base) ? s.window : s.base);
    s.accent = Darken(s.accent, s.window);
    s.border = Mix(frame, Qt::black, 0.25);
    s.disabledText = Mix(dark, s.window, 0.55);
    s.chromeDisabledText = Mix(s.chromeText, s.chrome, 0.55);
    return s;
}

QString Hex(const QColor& c) { return c.name(QColor::HexRgb); }

// A vertical fill from the lighter top to the frame colour.
QString Fill(const QColor& top, const QColor& bottom, Shape shape) {
    if (shape == Shape::Flat) return Hex(bottom);
    if (shape == Shape::Gradient)
        return QString("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
            .arg(Hex(top), Hex(bottom));
    return QString(
               "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.48 %2, stop:0.52 %3, "
               "stop:1 %3)")
        .arg(Hex(top), Hex(Mix(top, bottom, 0.5)), Hex(bottom));
}

QString StyleSheetFor(const SkinColours& s, Shape shape) {
    const int radius = shape == Shape::Flat ? 2 : shape == Shape::Gradient ? 4 : 7;
    const QString chrome = Fill(s.chromeEnd, s.chrome, shape);
    const QString button =
        Fill(s.button, s.buttonEnd, shape == Shape::Flat ? Shape::Flat : Shape::Gradient);
    QString sheet = R"(
QMenuBar { background: @chrome; color: @chromeText; border-bottom: 1px solid @border; }
QMenuBar::item { background: transparent; color: @chromeText; padding: 4px 10px; }
QMenuBar::item:selected, QMenuBar::item:pressed { background: @window; color: @windowText; border-radius: @radiuspx; }
QMenuBar QLabel { color: @chromeText; }
QMenu { background: @base; color: @text; border: 1px solid @border; padding: 3px 0px; }
QMenu::item { padding: 4px 28px 4px 22px; background: transparent; }
QMenu::item:selected { background: @highlight; color: @highlightedText; }
QMenu::item:disabled { color: @disabledText; }
QMenu::separator { height: 1px; background: @border; margin: 4px 8px; }
QToolBar { background: @chrome; border: none; padding: 1px 2px; spacing: 2px; }
QToolBar QToolButton { color: @chromeText; background: transparent; border: 1px solid transparent;
    border-radius: @radiuspx; padding: 2px 6px; }
QToolBar QToolButton:hover { background: @window; color: @windowText; border-color: @border; }
QToolBar QToolButton:pressed { background: @tab; color: @tabText; }
QToolBar QToolButton:disabled { color: @chromeDisabledText; background: transparent; }
QToolBar::separator { background: @chromeText; width: 1px; margin: 6px 4px; }
QStatusBar { background: @chrome; color: @chromeText; border-top: 1px solid @border; }
QStatusBar QLabel { color: @chromeText; }
QStatusBar::item { border: none; }
QTabWidget::pane { border: 1px solid @border; background: @window; top: -1px; }
QTabBar::tab { background: @tab; color: @tabText; border: 1px solid @border; border-bottom: none;
    padding: 4px 8px; margin-right: 1px; border-top-left-radius: @radiuspx; border-top-right-radius: @radiuspx; }
QTabBar::tab:selected { background: @window; color: @windowText; }
QTabBar::tab:hover:!selected { background: @highlight; color: @highlightedText; }
QHeaderView::section { background: @header; color: @headerText; border: none;
    border-right: 1px solid @border; border-bottom: 1px solid @border; padding: 3px 5px; }
QTableView, QTreeView, QListView { gridline-color: @alternateBase; }
QPushButton { background: @button; color: @buttonText; border: 1px solid @border; border-radius: @radiuspx;
    padding: 4px 12px; }
QPushButton:hover { border-color: @accent; }
QPushButton:pressed { background: @buttonEnd; }
QPushButton:disabled { color: @disabledText; border-color: @disabledText; }
QGroupBox { border: 1px solid @border; border-radius: @radiuspx; margin-top: 9px; padding-top: 4px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0px 3px;
    color: @accent; }
QToolTip { background: @base; color: @text; border: 1px solid @border; }
)";
    std::vector<std::pair<QString, QString>> values = {
        {"@chromeText", Hex(s.chromeText)},
        {"@chrome", chrome},
        {"@button", button},
        {"@buttonEnd", Hex(s.buttonEnd)},
        {"@buttonText", Hex(s.buttonText)},
        {"@windowText", Hex(s.windowText)},
        {"@window", Hex(s.window)},
        {"@alternateBase", Hex(s.alternateBase)},
        {"@base", Hex(s.base)},
        {"@text", Hex(s.text)},
        {"@tabText", Hex(s.tabText)},
        {"@tab", Hex(s.tab)},
        {"@headerText", Hex(s.headerText)},
        {"@header", Hex(s.header)},
        {"@highlightedText", Hex(s.highlightedText)},
        {"@highlight", Hex(s.highlight)},
        {"@accent", Hex(s.accent)},
        {"@border", Hex(s.border)},
        {"@disabledText", Hex(s.disabledText)},
        {"@chromeDisabledText", Hex(s.chromeDisabledText)},
        {"@radius", QString::number(radius)},
    };
    // Longer names first, so "@chromeText" is never taken for "@chrome" followed by "Text".
    std::sort(values.begin(), values.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& [key, value] : values) sheet.replace(key, value);
    return sheet;
}

int appliedSkin = 0;

}  // namespace

std::vector<SkinContrastPair> SkinContrastPairs(const SkinColours& s) {
    return {
        {"page text", s.windowText, s.window},
        {"list text", s.text, s.base},
        {"alternate list row", s.text, s.alternateBase},
        {"button text (top)", s.buttonText, s.button},
        {"button text (bottom)", s.buttonText, s.buttonEnd},
        {"frame text (bottom)", s.chromeText, s.chrome},
        {"frame text (top)", s.chromeText, s.chromeEnd},
        {"page header", s.tabText, s.tab},
        {"list header", s.headerText, s.header},
        {"selection", s.highlightedText, s.highlight},
        {"group title and link on the page", s.accent, s.window},
        {"link in a list or edit box", s.accent, s.base},
        {"menu entry", s.text, s.base},
    };
}

QString SkinName(int position) { return QString::fromUtf8(RowOf(position).name); }

SkinColours SkinColoursAt(int position) { return Derive(RowOf(position)); }

QPalette SkinPalette(int position) {
    const SkinColours s = SkinColoursAt(position);
    QPalette p;
    p.setColor(QPalette::Window, s.window);
    p.setColor(QPalette::WindowText, s.windowText);
    p.setColor(QPalette::Base, s.base);
    p.setColor(QPalette::AlternateBase, s.alternateBase);
    p.setColor(QPalette::Text, s.text);
    p.setColor(QPalette::Button, s.button);
    p.setColor(QPalette::ButtonText, s.buttonText);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, s.highlight);
    p.setColor(QPalette::HighlightedText, s.highlightedText);
    p.setColor(QPalette::ToolTipBase, s.base);
    p.setColor(QPalette::ToolTipText, s.text);
    p.setColor(QPalette::Link, s.accent);
    p.setColor(QPalette::LinkVisited, Mix(s.accent, Qt::black, 0.2));
    p.setColor(QPalette::PlaceholderText, s.disabledText);
    p.setColor(QPalette::Light, Mix(s.button, Qt::white, 0.6));
    p.setColor(QPalette::Midlight, Mix(s.button, Qt::white, 0.3));
    p.setColor(QPalette::Mid, Mix(s.button, s.border, 0.5));
    p.setColor(QPalette::Dark, s.border);
    p.setColor(QPalette::Shadow, Mix(s.border, Qt::black, 0.5));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, s.disabledText);
    p.setColor(QPalette::Disabled, QPalette::Highlight, s.border);
    return p;
}

QString SkinStyleSheet(int position) {
    return StyleSheetFor(SkinColoursAt(position), RowOf(position).shape);
}

bool ApplySkin(int position) {
    if (position < 1 || position > kSkinCount) return false;
    // Fusion follows the palette faithfully on every platform, so each skin looks the same
    // everywhere.
    if (QApplication::style()->name() != "fusion")
        QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(SkinPalette(position));
    qApp->setStyleSheet(SkinStyleSheet(position));
    appliedSkin = position;
    return true;
}

int AppliedSkin() { return appliedSkin; }

void SkinSwitcher::ApplyNextSkin() {
    if (position_ <= kSkinCount) ApplySkin(position_);
    ++position_;  // in every case, so the list does not wrap around
}

}  // namespace lumo::ui
