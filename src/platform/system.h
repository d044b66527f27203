// What each platform provides to the portable core, beside its code page converter
// (code_page.h) and its window: src/platform/win32 and src/platform/linux each define these.
#pragma once

#include <memory>
#include <string_view>

#include "pattern/automation.h"
#include "speedtest/pinger.h"
#include "speedtest/side_commands.h"

namespace vantrel::platform {

// COM late binding on Windows; our own object model with a VBScript.RegExp on Linux.
std::unique_ptr<AutomationLayer> MakeSystemAutomation();
// icmp.dll on Windows; a ping or raw socket on Linux.
std::unique_ptr<Pinger> MakeSystemPinger();
// ShellExecuteA on Windows; xdg-open on Linux.
std::unique_ptr<Shell> MakeSystemShell();
// The system clipboard, as CF_TEXT on Windows and UTF-8 text on Linux.
std::unique_ptr<Clipboard> MakeSystemClipboard();
// Where this platform keeps its hosts file.
std::string_view HostsFolderPath();

}  // namespace vantrel::platform
