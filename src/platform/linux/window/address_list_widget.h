// The address list (超级列表框1): a two-column report list over a QTreeWidget.
//
// It raises `leftClicked` when the left mouse button is pressed and released inside its rows'
// area, on a row or on empty space, after the press has been applied to the selection; header
// clicks, right clicks and keyboard moves raise nothing. A press on empty space leaves no row
// selected (the view's single selection does that), as in the Windows list view.
#pragma once

#include <QTreeWidget>

#include "speedtest/controls.h"

namespace vantrel::platform {

class AddressListWidget : public QTreeWidget, public AddressList {
  Q_OBJECT

 public:
  // `columns` gives each column's title and width in pixels.
  AddressListWidget(QWidget* parent, const QList<QPair<QString, int>>& columns);

  void DeleteAllRows() override;
  int InsertRow() override;
  void SetCellText(int row, int column, const Text& text) override;
  int GetFirstSelectedRow() override;
  Text GetCellText(int row, int column) override;

 signals:
  void leftClicked();

 protected:
  // Editing in place always edits the row's first cell, whichever cell was asked for.
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool leftPressed_ = false;
};

}  // namespace vantrel::platform
