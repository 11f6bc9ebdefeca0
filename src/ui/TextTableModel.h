#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace lumo::ui {

// Rows of text cells behind a list view. Large result lists arrive in batches, so rows are
// appended and replaced in blocks rather than one notification per row.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Clear();
    void AppendRows(std::vector<QStringList> rows);
    void ReplaceAll(std::vector<QStringList> rows);
    void RemoveRow(int row);
    // Writes 1..n into column 0.
    void Renumber();
    // Highest integer value of `column` first; equal values keep their order.
    void SortByIntDescending(int column);
    const QStringList& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const std::vector<QStringList>& Rows() const { return rows_; }

private:
    QStringList headers_;
    std::vector<QStringList> rows_;
};

}  // namespace lumo::ui
