// The system clipboard as the address-list click fills it.
#include "clipboard_win32.h"

#include <gtest/gtest.h>

#include <thread>

#include "clipboard_contents.h"
#include "platform/system.h"

namespace vantrel::win32 {
namespace {

using testing::ClipboardHeldElsewhere;
using testing::ClipboardText;
using testing::PutClipboardText;

TEST(SystemClipboard, ReplacesTheContentWithTheTextBytes) {
  const std::unique_ptr<Clipboard> clipboard = platform::MakeSystemClipboard();
  PutClipboardText("old");
  for (const Text& text :
       {Text("10.0.0.1"), Text("\xB2\xE2\xCA\xD4.example"), Text(""), Text(700, 'a')}) {
    EXPECT_TRUE(clipboard->SetClipboardText(text));
    EXPECT_EQ(ClipboardText(), text);
  }
  // A text ends at its first NUL when it reaches the system.
  EXPECT_TRUE(clipboard->SetClipboardText(Text("ab\0cd", 5)));
  EXPECT_EQ(ClipboardText(), "ab");
}

TEST(SystemClipboard, TextIsTheOnlyFormatLeft) {
  PutClipboardText("old");
  ASSERT_TRUE(platform::MakeSystemClipboard()->SetClipboardText("10.0.0.1"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  // Formats the system derives from CF_TEXT may be listed too; nothing of another kind is.
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    EXPECT_TRUE(format == CF_TEXT || format == CF_UNICODETEXT || format == CF_OEMTEXT ||
                format == CF_LOCALE)
        << format;
  }
  CloseClipboard();
}

TEST(SystemClipboard, HeldByAnotherThreadNothingChanges) {
  PutClipboardText("theirs");
  {
    const ClipboardHeldElsewhere held;
    EXPECT_FALSE(platform::MakeSystemClipboard()->SetClipboardText("mine"));
  }
  EXPECT_EQ(ClipboardText(), "theirs");
}

TEST(SystemClipboard, FailedAllocationLeavesTheUsersContent) {
  PutClipboardText("theirs");
  SIZE_T asked = 0;
  UINT flags = 0;
  Win32Clipboard clipboard([&](UINT f, SIZE_T bytes) -> HGLOBAL {
    flags = f;
    asked = bytes;
    return nullptr;
  });
  EXPECT_FALSE(clipboard.SetClipboardText("12345"));
  EXPECT_EQ(asked, 6u);
  EXPECT_EQ(flags, static_cast<UINT>(GMEM_MOVEABLE | GMEM_ZEROINIT));
  EXPECT_EQ(ClipboardText(), "theirs");
  // And the clipboard was closed again: it can be opened.
  ASSERT_TRUE(OpenClipboard(nullptr));
  CloseClipboard();
}

}  // namespace
}  // namespace vantrel::win32
