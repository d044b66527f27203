#include "app/form.h"

#include <gtest/gtest.h>

#include "app/sample_results_page.h"
#include "pattern/text_conversions.h"
#include "speedtest/split_text.h"

namespace vantrel {
namespace {

TEST(MainWindowForm, ButtonsStandInARowAlignedWithTheList) {
  const FormDescription& form = MainWindowForm();
  const Rect start = FindControl(form, EventBinding::kStartTest).rect;
  const Rect hosts = FindControl(form, EventBinding::kOpenHosts).rect;
  const Rect service = FindControl(form, EventBinding::kOpenService).rect;
  const Rect list = FindControl(form, EventBinding::kAddressListClick).rect;
  EXPECT_EQ(hosts.left - (start.left + start.width), 16);
  EXPECT_EQ(service.left - (hosts.left + hosts.width), 16);
  for (const Rect& r : {start, hosts, service, list}) EXPECT_EQ(r.top + r.height, 200);
  EXPECT_EQ(form.controls.size(), 5u);
  EXPECT_EQ(form.controls[3].kind, ControlKind::kEditBox);
  EXPECT_EQ(form.controls[3].text, SampleResultsPage());
}

TEST(MainWindowForm, TextsAreTheCodePage936FormsOfTheCaptions) {
  const FormDescription& form = MainWindowForm();
  const std::u16string names[] = {u"按钮2", u"按钮1", u"按钮3", u"编辑框1", u"超级列表框1"};
  for (size_t i = 0; i < form.controls.size(); ++i) {
    EXPECT_EQ(TextToUtf16(form.controls[i].name), names[i]);
  }
  EXPECT_EQ(TextToUtf16(FindControl(form, EventBinding::kStartTest).text), u"开始测速");
  EXPECT_EQ(TextToUtf16(FindControl(form, EventBinding::kOpenHosts).text), u"打开HOSTS");
  EXPECT_EQ(TextToUtf16(FindControl(form, EventBinding::kOpenService).text), u"打开17E");
  EXPECT_EQ(TextToUtf16(form.listColumns.at(1).title), u"延迟");
  EXPECT_EQ(TextToUtf16(form.controlFont.face), u"微软雅黑");
}

TEST(MainWindowForm, CentresByIntegerDivision) {
  EXPECT_EQ(CenteredPosition(1024, 768, 477, 237).x, 273);
  EXPECT_EQ(CenteredPosition(1024, 768, 477, 237).y, 265);
  // A screen smaller than the window gives negative coordinates, truncated toward zero.
  EXPECT_EQ(CenteredPosition(400, 200, 477, 237).x, -38);
  EXPECT_EQ(CenteredPosition(400, 200, 477, 237).y, -18);
}

TEST(SampleResultsPage, IsACrLfPageWithTheTableOnly) {
  const std::string_view page = SampleResultsPage();
  EXPECT_GT(page.size(), 12000u);
  EXPECT_EQ(page.substr(0, 2), "\r\n");             // the first line is empty
  EXPECT_EQ(page.substr(page.size() - 2), "\r\n");  // every line ends with CR LF
  const std::vector<Text> lines = SplitText(page, "\r\n");
  for (const Text& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos);
  size_t cells = 0;
  for (size_t pos = page.find("<td>"); pos != std::string_view::npos;
       pos = page.find("<td>", pos + 1)) {
    ++cells;
  }
  EXPECT_EQ(cells, 30u);  // three cells in each of ten rows, and nowhere else
}

}  // namespace
}  // namespace vantrel
