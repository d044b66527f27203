#include "platform/linux/window/address_list_widget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "platform/linux/window/focus_highlight.h"
#include "platform/linux/window/qt_text.h"

namespace vantrel::platform {

namespace {

constexpr int kColumnCount = 2;

// The in-place editor keeps Enter (confirm) and Esc (cancel) for itself, as the delegate
// handles them; Tab would confirm and jump to another row's cell, so it does nothing.
class FirstCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }
};

}  // namespace

AddressListWidget::AddressListWidget(QWidget* parent, const QList<QPair<QString, int>>& columns)
    : QTreeWidget(parent) {
  setColumnCount(kColumnCount);
  QStringList titles;
  for (const auto& column : columns) titles << column.first;
  setHeaderLabels(titles);
  QHeaderView* head = header();
  head->setStretchLastSection(false);
  head->setSectionsMovable(false);
  head->setSectionResizeMode(QHeaderView::Interactive);
  head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int i = 0; i < columns.size(); ++i) setColumnWidth(i, columns[i].second);

  setSortingEnabled(false);
  head->setSectionsClickable(true);  // pressed like a button, sorting nothing
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  setItemDelegate(new FirstCellDelegate(this));
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  ShowSelectionHighlight(*this, false);
}

void AddressListWidget::DeleteAllRows() { clear(); }

int AddressListWidget::InsertRow() {
  auto* item = new QTreeWidgetItem();  // owned by the list from the next line on
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
  addTopLevelItem(item);
  return indexOfTopLevelItem(item);
}

void AddressListWidget::SetCellText(int row, int column, const Text& text) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (item == nullptr || column < 0 || column >= kColumnCount) return;
  item->setText(column, ToQString(text));
}

int AddressListWidget::GetFirstSelectedRow() {
  for (int row = 0; row < topLevelItemCount(); ++row) {
    if (topLevelItem(row)->isSelected()) return row;
  }
  return -1;
}

Text AddressListWidget::GetCellText(int row, int column) {
  const QTreeWidgetItem* item = topLevelItem(row);
  if (item == nullptr || column < 0 || column >= kColumnCount) return Text();
  return FromQString(item->text(column));
}

bool AddressListWidget::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  return QTreeWidget::edit(index.isValid() ? index.siblingAtColumn(0) : index, trigger, event);
}

void AddressListWidget::mousePressEvent(QMouseEvent* event) {
  leftPressed_ = event->button() == Qt::LeftButton;
  QTreeWidget::mousePressEvent(event);
}

void AddressListWidget::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  emit leftClicked();
}

void AddressListWidget::focusInEvent(QFocusEvent* event) {
  ShowSelectionHighlight(*this, true);
  QTreeWidget::focusInEvent(event);
}

void AddressListWidget::focusOutEvent(QFocusEvent* event) {
  ShowSelectionHighlight(*this, false);
  QTreeWidget::focusOutEvent(event);
}

}  // namespace vantrel::platform
