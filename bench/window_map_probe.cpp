// Starts a program and watches the X server, from outside, for the moment a
// top-level window with the given title is mapped. Prints, on one line, the
// time from start to that moment in milliseconds, the program's peak
// resident memory then (VmHWM) in KiB, and the processor time its threads
// had taken by then in milliseconds, and ends the program. The processor time
// shows the program's own cost where other work on the machine blurs the
// elapsed time.
//
//   window_map_probe TITLE PROGRAM [ARGUMENT...]
//
// The watch is event-driven: the root window's substructure events report
// each map as it happens, with no polling interval to blur the time.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include <xcb/xcb.h>

namespace {

constexpr int kTimeoutMilliseconds = 30000;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "window_map_probe: %s\n", message.c_str());
  std::exit(1);
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const ReplyPointer<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window's title: the toolkit's UTF-8 name where set, else the plain one.
std::string Title(xcb_connection_t* connection, xcb_window_t window) {
  for (const xcb_atom_t property : {Atom(connection, "_NET_WM_NAME"), xcb_atom_t{XCB_ATOM_WM_NAME}}) {
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                               nullptr),
        &std::free);
    if (reply && xcb_get_property_value_length(reply.get()) > 0) {
      return {static_cast<const char*>(xcb_get_property_value(reply.get())),
              static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }
  }
  return {};
}

std::optional<long> PeakResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string field;
  while (status >> field) {
    if (field == "VmHWM:") {
      long kib = 0;
      if (status >> kib) return kib;
    }
  }
  return std::nullopt;
}

// Time on a processor so far of the program's live threads, from the
// scheduler's nanosecond counts.
double ProcessorMilliseconds(pid_t pid) {
  double nanoseconds = 0;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double onProcessor = 0;
    if (schedstat >> onProcessor) nanoseconds += onProcessor;
  }
  return nanoseconds / 1e6;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) Fail("usage: window_map_probe TITLE PROGRAM [ARGUMENT...]");
  const std::string title = argv[1];

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) Fail("cannot connect to the X server named by DISPLAY");
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  const xcb_void_cookie_t watch = xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &events);
  if (const ReplyPointer<xcb_generic_error_t> error(xcb_request_check(connection, watch), &std::free); error) {
    Fail("cannot watch the root window");
  }

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) Fail("cannot start a process");
  if (pid == 0) {
    execv(argv[2], argv + 2);
    std::perror(argv[2]);
    _exit(127);
  }

  pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
  while (true) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
      if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
      // Taken before anything else, at the moment the map is reported.
      const double milliseconds =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      const std::optional<long> peak = PeakResidentKiB(pid);
      const double processorMilliseconds = ProcessorMilliseconds(pid);
      const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
      if (Title(connection, map->window) != title) continue;
      Stop(pid);
      if (!peak) Fail("the program ended as its window was mapped");
      std::printf("%.3f %ld %.3f\n", milliseconds, *peak, processorMilliseconds);
      return 0;
    }
    if (xcb_connection_has_error(connection)) {
      Stop(pid);
      Fail("the X server closed the connection");
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      Fail(std::string(argv[2]) + " ended without mapping a window titled " + title);
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    if (waited > std::chrono::milliseconds(kTimeoutMilliseconds)) {
      Stop(pid);
      Fail("no window titled " + title + " was mapped within " + std::to_string(kTimeoutMilliseconds / 1000) + " s");
    }
    poll(&watched, 1, 100);
  }
}
