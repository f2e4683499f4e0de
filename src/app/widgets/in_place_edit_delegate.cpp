// The in-place editor of the lists.
#include "app/widgets/in_place_edit_delegate.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace quillon::app {

namespace {
constexpr const char* kIndexProperty = "quillonEditIndex";
}  // namespace

InPlaceEditDelegate::InPlaceEditDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* InPlaceEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName("inPlaceEditor");
    edit->setFrame(false);
    if (index.data(kOrdinalRole).toBool()) {
        edit->setMaxLength(kOrdinalDigits);
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,20}")), edit));
    }
    edit->setProperty(kIndexProperty, QVariant::fromValue(QPersistentModelIndex(index)));
    (void)option;
    return edit;
}

void InPlaceEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(index.data(Qt::EditRole).toString());
}

void InPlaceEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const
{
    // Reached when the view closes the field for its own reasons (focus moved elsewhere).
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (edit == nullptr || m_storing)
        return;
    if (edit->text() == index.data(Qt::EditRole).toString())
        return;
    m_storing = true;
    (void)model->setData(index, edit->text(), Qt::EditRole);
    m_storing = false;
}

bool InPlaceEditDelegate::store(QWidget* editor)
{
    auto* edit = qobject_cast<QLineEdit*>(editor);
    const auto index = editor->property(kIndexProperty).value<QPersistentModelIndex>();
    if (edit == nullptr || !index.isValid())
        return true;
    auto* model = const_cast<QAbstractItemModel*>(index.model());
    if (edit->text() == index.data(Qt::EditRole).toString())
        return true;
    m_storing = true;
    const bool stored = model->setData(index, edit->text(), Qt::EditRole);
    m_storing = false;
    if (!stored) {
        edit->setText(index.data(Qt::EditRole).toString());
        edit->selectAll();
        edit->setFocus();
    }
    return stored;
}

bool InPlaceEditDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor == nullptr)
        return QStyledItemDelegate::eventFilter(object, event);
    if (event->type() == QEvent::FocusOut && m_storing)
        return true;
    // While a field is open, plain keys (Insert, F7...) type or move in it instead of running
    // the list's commands.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto mods =
            static_cast<QKeyEvent*>(event)->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        if (mods == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (store(editor)) {
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
            return true;
        }
        if (key == Qt::Key_Escape) {
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

InPlaceEditKey::InPlaceEditKey(QAbstractItemView* view, int nameColumn)
    : QObject(view), m_view(view), m_nameColumn(nameColumn)
{
    view->installEventFilter(this);
}

bool InPlaceEditKey::eventFilter(QObject* watched, QEvent* event)
{
    // With an editor open the key belongs to the editor, which has the focus.
    if (watched != m_view || event->type() != QEvent::KeyPress || !m_view->hasFocus())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_F2 || key->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    QModelIndex index = m_view->currentIndex();
    if (!index.isValid())
        return true;
    if (!(index.flags() & Qt::ItemIsEditable))
        index = index.siblingAtColumn(m_nameColumn);
    if (index.flags() & Qt::ItemIsEditable)
        m_view->edit(index);
    return true;
}

}  // namespace quillon::app
