#include "app/form.h"

#include "app/sample_results_page.h"

namespace vantrel {

namespace {

// The texts are code page 936 bytes, written as escapes so that the source file's own
// encoding cannot change them.
FormDescription BuildMainWindowForm() {
  FormDescription form;
  form.caption = "Vantrel";
  form.width = 477;
  form.height = 237;
  form.storedPosition = {50, 50, 477, 237};
  form.controlFont = {"\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA" /* 微软雅黑 */, -12, 400};
  form.controls = {
      {"\xB0\xB4\xC5\xA5\x32" /* 按钮2 */,
       ControlKind::kButton,
       {288, 165, 80, 35},
       "\xB4\xF2\xBF\xAAHOSTS" /* 打开HOSTS */,
       EventBinding::kOpenHosts},
      {"\xB0\xB4\xC5\xA5\x31" /* 按钮1 */,
       ControlKind::kButton,
       {384, 165, 80, 35},
       "\xB4\xF2\xBF\xAA\x31\x37\x45" /* 打开17E */,
       EventBinding::kOpenService},
      {"\xB0\xB4\xC5\xA5\x33" /* 按钮3 */,
       ControlKind::kButton,
       {192, 165, 80, 35},
       "\xBF\xAA\xCA\xBC\xB2\xE2\xCB\xD9" /* 开始测速 */,
       EventBinding::kStartTest},
      {"\xB1\xE0\xBC\xAD\xBF\xF2\x31" /* 编辑框1 */,
       ControlKind::kEditBox,
       {192, 8, 272, 151},
       Text(SampleResultsPage()),
       EventBinding::kNone},
      {"\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED\xBF\xF2\x31" /* 超级列表框1 */,
       ControlKind::kListView,
       {8, 8, 176, 192},
       "",
       EventBinding::kAddressListClick},
  };
  form.listColumns = {{"IP", 120}, {"\xD1\xD3\xB3\xD9" /* 延迟 */, 50}};
  return form;
}

}  // namespace

const FormDescription& MainWindowForm() {
  static const FormDescription form = BuildMainWindowForm();
  return form;
}

const ControlDescription& FindControl(const FormDescription& form, EventBinding binding) {
  for (const ControlDescription& control : form.controls) {
    if (control.binding == binding) return control;
  }
  return form.controls.front();
}

Point CenteredPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace vantrel
