// Stand-ins for the edit box, the list and the pinger that keep only what a check needs, so that
// a run over a page of a million rows does not also log five million steps.
#pragma once

#include <array>
#include <vector>

#include "speedtest/controls.h"
#include "speedtest/pinger.h"

namespace vantrel::testing_support {

class StagingEditBox : public PageEditBox {
 public:
  explicit StagingEditBox(Text text) : text_(std::move(text)) {}
  Text ReadText() override { return text_; }
  void SetText(const Text& text) override { text_ = text; }
  void AppendText(const Text& text) override { text_ += text; }
  const Text& text() const { return text_; }

 private:
  Text text_;
};

// Rows of two cells; a cell that was never set reads as "<unset>", so a half-filled row shows.
class RowList : public AddressList {
 public:
  static constexpr const char* kUnset = "<unset>";

  void DeleteAllRows() override { rows_.clear(); }
  int InsertRow() override {
    rows_.push_back({kUnset, kUnset});
    return static_cast<int>(rows_.size()) - 1;
  }
  void SetCellText(int row, int column, const Text& text) override {
    rows_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
  }
  int GetFirstSelectedRow() override { return -1; }
  Text GetCellText(int row, int column) override {
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return Text();
    return rows_[static_cast<size_t>(row)].at(static_cast<size_t>(column));
  }
  std::vector<Text> Column(size_t column) const {
    std::vector<Text> cells;
    cells.reserve(rows_.size());
    for (const auto& row : rows_) cells.push_back(row.at(column));
    return cells;
  }
  size_t size() const { return rows_.size(); }

 private:
  std::vector<std::array<Text, 2>> rows_;
};

// Answers at once, each echo with a result of its own (-1, 0, 1, ... 5, then again), so that a
// check can tell which result went into which row.
class InstantPinger : public Pinger {
 public:
  static int ResultFor(size_t echo) { return static_cast<int>(echo % 7) - 1; }
  std::vector<Text> hosts;

 protected:
  int Echo(const Text& host, int) override {
    hosts.push_back(host);
    return ResultFor(hosts.size() - 1);
  }
};

}  // namespace vantrel::testing_support
