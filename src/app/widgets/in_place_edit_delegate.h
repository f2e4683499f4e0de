// InPlaceEditDelegate: editing a list's cells in place, with refused edits kept open; and F2 on
// a list whose first column is not edited.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace quillon::app {

/// The editor of any list whose model stores an edit in `setData` (Qt::EditRole) and returns
/// false when the edit is refused (having told the user why and left the row as it was).
/// Enter stores; a refused edit brings the row's value back into the field, which keeps the
/// focus; Escape cancels. Leaving the field stores like Enter but closes in either case.
/// Cells whose model data carries `kOrdinalRole` true get a digits-only field of at most 20
/// digits. Any list (the library, the extracted functions, the disk-compare list) adopts it
/// with `view->setItemDelegate(new InPlaceEditDelegate(view))`.
class InPlaceEditDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// Role telling that a cell holds an ordinal number.
    static constexpr int kOrdinalRole = Qt::UserRole + 40;
    /// The most digits an ordinal field takes.
    static constexpr int kOrdinalDigits = 20;

    explicit InPlaceEditDelegate(QObject* parent = nullptr);

    [[nodiscard]] QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    /// Stores the field; false when the model refused it.
    bool store(QWidget* editor);

    /// Set while a store runs, so that the message box taking the focus stores nothing more.
    mutable bool m_storing = false;
};

/// F2 on `view` edits the current cell, or the cell of `nameColumn` in the current row when the
/// current cell is not edited (a row-wise list whose first column is not editable). Owned by
/// `view`.
class InPlaceEditKey final : public QObject {
    Q_OBJECT
public:
    InPlaceEditKey(QAbstractItemView* view, int nameColumn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;
    int m_nameColumn;
};

}  // namespace quillon::app
