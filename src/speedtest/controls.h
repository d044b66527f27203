// The two controls the speed test works on, as narrow interfaces that each platform
// implements over its own widgets (and a test can stand in for).
#pragma once

#include "pattern/text.h"

namespace vantrel {

// The multi-line edit box that holds the pasted page and stages the addresses.
// Its texts use CR LF line breaks on every platform.
class PageEditBox {
 public:
  virtual ~PageEditBox() = default;
  virtual Text ReadText() = 0;
  virtual void SetText(const Text& text) = 0;
  // Puts the caret at the end, scrolls it into view and inserts `text` there, without undo.
  virtual void AppendText(const Text& text) = 0;
};

// The two-column report list: column 0 "IP", column 1 "延迟". Rows are numbered from 0.
class AddressList {
 public:
  virtual ~AddressList() = default;
  virtual void DeleteAllRows() = 0;
  // Adds a row after the last one, with an empty first cell; gives its index.
  virtual int InsertRow() = 0;
  virtual void SetCellText(int row, int column, const Text& text) = 0;
  // The first selected row, or -1 when none is selected.
  virtual int GetFirstSelectedRow() = 0;
  // The whole text of a cell, however long; the empty text for a row that does not exist.
  virtual Text GetCellText(int row, int column) = 0;
};

}  // namespace vantrel
