#include "bench/first_frame.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace rt::bench {
namespace {

using Clock = std::chrono::steady_clock;

long PeakResidentKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

pid_t Spawn(const std::vector<std::string>& command) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

// One connection for all measurements: an X server resets when its last
// client leaves, and refuses connections while it does.
Display* SharedDisplay() {
  static Display* const display = XOpenDisplay(nullptr);
  if (display == nullptr) throw std::runtime_error("no X display (run under xvfb-run)");
  return display;
}

}  // namespace

StartupSample MeasureStartup(const std::vector<std::string>& command) {
  Display* display = SharedDisplay();
  int damage_event = 0;
  int damage_error = 0;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
    throw std::runtime_error("the X server has no DAMAGE extension");
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t pid = Spawn(command);
  StartupSample sample;
  for (bool drawn = false; !drawn;) {
    if (XPending(display) == 0) {
      // Nothing from the server yet: give up on a program that ended or hangs.
      if (waitpid(pid, nullptr, WNOHANG) == pid) throw std::runtime_error("the program ended before drawing");
      if (Clock::now() - start > std::chrono::seconds(30)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        throw std::runtime_error("no frame within 30 seconds");
      }
      pollfd connection{ConnectionNumber(display), POLLIN, 0};
      poll(&connection, 1, 20);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.event == root) {
      // A top-level window appeared: watch what is drawn into it.
      XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty);
      XSync(display, False);
    } else if (event.type == damage_event + XDamageNotify) {
      drawn = true;
    }
  }
  sample.millisecondsToFirstFrame = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  // Whatever the first frame needed is resident by now; give late start-up
  // work a moment to show in the peak.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  sample.peakResidentKib = PeakResidentKib(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XSelectInput(display, root, NoEventMask);
  XSync(display, True);  // drop what the stopped program's windows still reported
  return sample;
}

}  // namespace rt::bench
