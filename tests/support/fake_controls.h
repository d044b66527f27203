// Stand-ins for the platform's controls, pinger, shell and clipboard, recording what the
// commands do to them in one shared log so that tests can check the order of the steps.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "speedtest/controls.h"
#include "speedtest/pinger.h"
#include "speedtest/side_commands.h"

namespace vantrel::testing_support {

using Log = std::vector<std::string>;

class FakeEditBox : public PageEditBox {
 public:
  explicit FakeEditBox(Log& log, Text text = "") : log_(log), text_(std::move(text)) {}
  Text ReadText() override {
    log_.push_back("edit.read");
    return text_;
  }
  void SetText(const Text& text) override {
    log_.push_back("edit.set:" + text);
    text_ = text;
  }
  void AppendText(const Text& text) override {
    log_.push_back("edit.append:" + text);
    text_ += text;
  }
  const Text& text() const { return text_; }

 private:
  Log& log_;
  Text text_;
};

class FakeAddressList : public AddressList {
 public:
  explicit FakeAddressList(Log& log) : log_(log) {}
  void DeleteAllRows() override {
    log_.push_back("list.clear");
    rows_.clear();
    selected_ = -1;
  }
  int InsertRow() override {
    log_.push_back("list.insert");
    rows_.push_back({"", ""});
    return static_cast<int>(rows_.size()) - 1;
  }
  void SetCellText(int row, int column, const Text& text) override {
    log_.push_back("list.cell:" + std::to_string(row) + "," + std::to_string(column) + ":" + text);
    rows_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
  }
  int GetFirstSelectedRow() override { return selected_; }
  Text GetCellText(int row, int column) override {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return Text();
    return rows_[static_cast<size_t>(row)].at(static_cast<size_t>(column));
  }

  void Select(int row) { selected_ = row; }
  const std::vector<std::vector<Text>>& rows() const { return rows_; }
  std::vector<Text> Column(size_t column) const {
    std::vector<Text> out;
    for (const auto& row : rows_) out.push_back(row.at(column));
    return out;
  }

 private:
  Log& log_;
  std::vector<std::vector<Text>> rows_;
  int selected_ = -1;
};

// Answers each host with a scripted time (-1 for hosts it does not know).
class FakePinger : public Pinger {
 public:
  explicit FakePinger(Log& log, std::map<Text, int> times = {})
      : log_(log), times_(std::move(times)) {}
  std::vector<Text> hosts;
  std::vector<int> waits;

 protected:
  int Echo(const Text& host, int waitMs) override {
    log_.push_back("ping:" + host);
    hosts.push_back(host);
    waits.push_back(waitMs);
    const auto it = times_.find(host);
    return it == times_.end() ? -1 : it->second;
  }

 private:
  Log& log_;
  std::map<Text, int> times_;
};

class FakeShell : public Shell {
 public:
  std::vector<std::string> calls;
  void OpenWebAddress(const Text& address) override { calls.push_back("web:" + address); }
  void OpenShellItem(const Text& path) override { calls.push_back("item:" + path); }
};

class FakeClipboard : public Clipboard {
 public:
  std::vector<Text> texts;
  bool SetClipboardText(const Text& text) override {
    texts.push_back(text);
    return true;
  }
};

}  // namespace vantrel::testing_support
