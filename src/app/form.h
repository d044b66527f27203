// The form description of the main window: every control with its geometry, caption, settings
// and event binding, as data. Each platform realises it with its own widgets.
#pragma once

#include <string_view>
#include <vector>

#include "pattern/text.h"

namespace vantrel {

enum class ControlKind { kButton, kEditBox, kListView };

// What a control's event runs. The window's own events are bound to nothing.
enum class EventBinding { kNone, kStartTest, kOpenHosts, kOpenService, kAddressListClick };

struct Rect {
  int left;
  int top;
  int width;
  int height;
};

struct ControlDescription {
  Text name;  // kind and running number, as the form names it ("按钮3")
  ControlKind kind;
  Rect rect;  // in the window's client area
  Text text;  // caption or initial text; the edit box's is the sample page
  EventBinding binding;
};

struct ColumnDescription {
  Text title;
  int width;
};

struct FontDescription {
  Text face;
  int height;  // negative: a character height in logical units
  int weight;
};

struct FormDescription {
  Text caption;
  int width;  // outer window rectangle, frame and caption bar included
  int height;
  Rect storedPosition;  // kept by the form, not used: the window opens centred
  FontDescription controlFont;
  std::vector<ControlDescription> controls;  // in creation order
  std::vector<ColumnDescription> listColumns;
};

const FormDescription& MainWindowForm();
const ControlDescription& FindControl(const FormDescription& form, EventBinding binding);

// Top left corner of a window of the given size centred on a screen, by integer division.
// A screen smaller than the window gives negative coordinates, used as they come.
struct Point {
  int x;
  int y;
};
Point CenteredPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace vantrel
