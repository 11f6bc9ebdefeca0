#include "ui/TextTableModel.h"

#include <algorithm>

namespace lumo::ui {

TextTableModel::TextTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const QStringList& row = rows_[static_cast<std::size_t>(index.row())];
    if (index.column() >= row.size()) return QString();
    // The kept lists hold family name, CR LF and given name in one cell; on screen the name reads
    // as one word.
    QString text = row[index.column()];
    return text.contains("\r\n") ? text.remove("\r\n") : text;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return section < headers_.size() ? headers_[section] : QVariant();
    return {};
}

void TextTableModel::Clear() {
    if (rows_.empty()) return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void TextTableModel::AppendRows(std::vector<QStringList> rows) {
    if (rows.empty()) return;
    int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (auto& r : rows) rows_.push_back(std::move(r));
    endInsertRows();
}

void TextTableModel::ReplaceAll(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TextTableModel::RemoveRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void TextTableModel::Renumber() {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (!rows_[i].isEmpty()) rows_[i][0] = QString::number(i + 1);
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, 0));
}

void TextTableModel::SortByIntDescending(int column) {
    // Keys are parsed once: a comparison that parsed both cells would parse each cell about
    // 2 log n times, which is noticeable on a list of 100,000 names.
    std::vector<std::pair<int, std::size_t>> keys(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) keys[i] = {rows_[i].value(column).toInt(), i};
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<QStringList> sorted;
    sorted.reserve(rows_.size());
    for (const auto& k : keys) sorted.push_back(std::move(rows_[k.second]));
    emit layoutAboutToBeChanged();
    rows_ = std::move(sorted);
    emit layoutChanged();
}

}  // namespace lumo::ui
