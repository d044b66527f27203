// Runs one speed test on the real Linux main window, as a process of its own, under a fault the
// caller picks, and prints what the window shows afterwards.
//
//   faults_speed_test_driver [--own-network] [--no-icmp-privilege] [--filler-bytes N]
//                            [--address-space-headroom-mb N] ADDRESS...
//
// The page holds one table row for each ADDRESS (the system's RegExp object and pinger do the
// work). --own-network moves the process into a new network namespace with only loopback up and
// no group allowed ping sockets; --no-icmp-privilege (implies it) also drops to user and group
// nobody, which leaves no capability. --filler-bytes puts that much text before the table, and
// --address-space-headroom-mb then limits the address space to what the process has mapped plus
// that much, after the page is in the edit box and before the start button is clicked.
//
// Output lines: "icmp <kinds the process may open>", then either "row <ip> <time>" for every row
// and "edit <length of the edit box's text>", or, when the program ends itself, "box <title>
// <text>" for the modal message box it shows (which the driver then confirms). Fields are TAB
// separated; cells are code page 936 bytes.
#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ping_socket.h"
#include "platform/linux/window/main_window.h"
#include "platform/linux/window/qt_text.h"
#include "platform/system.h"
#include "support/fake_controls.h"
#include "support/results_page.h"

namespace {

using namespace vantrel;

constexpr uid_t kNobody = 65534;
constexpr const char* kStartTestCaption = "\xBF\xAA\xCA\xBC\xB2\xE2\xCB\xD9";  // 开始测速

struct Options {
  bool ownNetwork = false;
  bool noIcmpPrivilege = false;
  std::size_t fillerBytes = 0;
  long headroomMb = -1;
  std::vector<Text> addresses;
};

// Written and flushed at once: the process may end with _exit, which flushes nothing.
void PrintLine(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "faults_speed_test_driver: %s (%s)\n", why.c_str(), std::strerror(errno));
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--own-network") {
      options.ownNetwork = true;
    } else if (argument == "--no-icmp-privilege") {
      options.ownNetwork = options.noIcmpPrivilege = true;
    } else if (argument == "--filler-bytes" && i + 1 < argc) {
      options.fillerBytes = std::stoul(argv[++i]);
    } else if (argument == "--address-space-headroom-mb" && i + 1 < argc) {
      options.headroomMb = std::stol(argv[++i]);
    } else {
      options.addresses.push_back(argument);
    }
  }
  return options;
}

void BringLoopbackUp() {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) Fail("socket");
  ifreq request{};
  std::strcpy(request.ifr_name, "lo");
  if (ioctl(fd, SIOCGIFFLAGS, &request) != 0) Fail("SIOCGIFFLAGS");
  request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP | IFF_RUNNING);
  if (ioctl(fd, SIOCSIFFLAGS, &request) != 0) Fail("SIOCSIFFLAGS");
  close(fd);
}

void EnterOwnNetwork() {
  if (unshare(CLONE_NEWNET) != 0) Fail("unshare(CLONE_NEWNET)");
  BringLoopbackUp();
  std::ofstream range("/proc/sys/net/ipv4/ping_group_range");
  range << "1 0\n";  // no group may open a ping socket
  range.close();
  if (!range) Fail("ping_group_range");
}

void DropToNobody() {
  if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
    Fail("dropping to nobody");
  }
}

std::string IcmpKindsGranted() {
  using platform::IcmpSocket;
  using platform::IcmpSocketKind;
  std::string kinds;
  if (IcmpSocket::Open(IcmpSocketKind::kDatagram)) kinds += "datagram ";
  if (IcmpSocket::Open(IcmpSocketKind::kRaw)) kinds += "raw ";
  return kinds.empty() ? "none" : kinds.substr(0, kinds.size() - 1);
}

Text MakePage(const Options& options) {
  std::vector<testing_support::ResultRow> rows;
  for (size_t i = 0; i < options.addresses.size(); ++i) {
    rows.push_back({std::to_string(i + 1), options.addresses[i], "place"});
  }
  // Filler of whole lines, as a pasted page has them: the pattern finds nothing in it.
  Text filler;
  filler.reserve(options.fillerBytes);
  const Text fillerLine = "<p>" + Text(60, 'x') + "</p>\r\n";
  while (filler.size() + fillerLine.size() <= options.fillerBytes) filler += fillerLine;
  return filler + testing_support::MakeResultsPage(rows);
}

// The bytes of address space the process has mapped now.
long MappedBytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7)) * 1024;
  }
  Fail("VmSize");
}

void LimitAddressSpace(long headroomMb) {
  const rlim_t limit = static_cast<rlim_t>(MappedBytes() + headroomMb * (1L << 20));
  const rlimit value{limit, limit};
  if (setrlimit(RLIMIT_AS, &value) != 0) Fail("setrlimit");
}

// Reports a message box once one is open, and confirms it. The check runs from the box's own
// event loop, since the click runs to its end before any timer of the main loop fires.
void WatchForMessageBox(QTimer& timer) {
  QObject::connect(&timer, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    PrintLine("box\t" + box->windowTitle().toStdString() + "\t" + box->text().toStdString());
    box->accept();
  });
  timer.start(50);
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (options.ownNetwork) EnterOwnNetwork();
  if (options.noIcmpPrivilege) DropToNobody();
  PrintLine("icmp\t" + IcmpKindsGranted());

  QApplication application(argc, argv);
  const auto automation = platform::MakeSystemAutomation();
  const auto pinger = platform::MakeSystemPinger();
  testing_support::FakeShell shell;
  const auto clipboard = platform::MakeSystemClipboard();
  platform::MainWindow window(
      WindowServices{*automation, *pinger, shell, *clipboard, platform::HostsFolderPath()});
  window.show();
  window.editBox().SetText(MakePage(options));

  QPushButton* start = nullptr;
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == platform::ToQString(kStartTestCaption)) start = button;
  }
  if (!start) Fail("no start button");
  QTimer boxWatch;
  WatchForMessageBox(boxWatch);
  if (options.headroomMb >= 0) LimitAddressSpace(options.headroomMb);

  start->click();

  platform::AddressListWidget& list = window.addressList();
  for (int row = 0; row < list.topLevelItemCount(); ++row) {
    PrintLine("row\t" + list.GetCellText(row, 0) + "\t" + list.GetCellText(row, 1));
  }
  PrintLine("edit\t" + std::to_string(window.editBox().ReadText().size()));
  return 0;
}
