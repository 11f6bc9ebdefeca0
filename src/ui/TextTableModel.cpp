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
    return index.column() < row.size() ? row[index.column()] : QString();
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
    emit layoutAboutToBeChanged();
    std::stable_sort(rows_.begin(), rows_.end(), [column](const QStringList& a, const QStringList& b) {
        return a.value(column).toInt() > b.value(column).toInt();
    });
    emit layoutChanged();
}

}  // namespace lumo::ui
