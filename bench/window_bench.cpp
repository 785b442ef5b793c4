// Measures the game window against a bare Qt program doing the least the same job needs, and
// against the reference window (the same window done the plain Qt way). One mode per run,
// chosen by the first argument, with "bare-" or "reference-" in front for those subjects;
// figures are printed as "key value" lines.
//
//   pace              a whole course on the real event loop and the real timer; with
//                     VORTALIN_BENCH_XSERVER_PID set, also the X server's CPU over it
//   tick-cost         one timer event with the repaint it causes, many times over
//   spaced-tick-cost  the same, idle for one clock period between samples
//   startup           process start to the first frame of the shown window
//   info              Qt version and platform plugin

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>

#include "core/race_rules.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "qt/application_setup.h"
#include "qt/main_window.h"
#include "qt/picture_resources.h"
#include "reference_window.h"

namespace {

using vortalin::qt::MainWindow;

constexpr std::size_t courseTicks = vortalin::rules::ticksPerCourse;
constexpr int tickIntervalMs = 10;
constexpr qint64 lostIntervalNs = 15'000'000;
constexpr int tickCostSamples = 3000;
constexpr int spacedTickCostSamples = 500;
constexpr const char* startEnvironment = "VORTALIN_BENCH_T0_NS";
constexpr const char* xServerEnvironment = "VORTALIN_BENCH_XSERVER_PID";

enum class Kind { Game, Bare, Reference };

qint64 monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return qint64{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

struct Usage {
  double cpuSeconds;
  long maxResidentKiB;
};

Usage processUsage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
}

// CPU time the X server named in the environment has run, in seconds, summed over its threads
// (the scheduler's nanosecond count); negative without one.
double xServerCpuSeconds() {
  const char* pid = std::getenv(xServerEnvironment);
  if (pid == nullptr) return -1;
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(QString::fromLatin1(pid)));
  double seconds = 0;
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const QByteArray line = stat.readLine();
    long long ns = 0;
    std::from_chars(line.constData(), line.constData() + line.size(), ns);
    seconds += double(ns) / 1e9;
  }
  return seconds;
}

void print(const char* key, double value) { std::printf("%s %.6g\n", key, value); }

// The value below which `fraction` of the sorted samples lie (nearest rank).
qint64 percentile(std::vector<qint64> samples, double fraction) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const auto rank = static_cast<size_t>(fraction * double(samples.size() - 1) + 0.5);
  return samples[std::min(rank, samples.size() - 1)];
}

void printDistribution(const char* prefix, const std::vector<qint64>& ns, double unit) {
  const std::string p(prefix);
  print((p + "_median").c_str(), double(percentile(ns, 0.5)) / unit);
  print((p + "_p99").c_str(), double(percentile(ns, 0.99)) / unit);
  print((p + "_max").c_str(), double(percentile(ns, 1.0)) / unit);
}

// What a mode runs: a shown window with a 10 ms clock, and how to set the clock going.
struct Subject {
  std::unique_ptr<QWidget> window;
  QTimer* clock = nullptr;
  std::function<void()> start;
  bool stopsByItself = false;  // the game's clock stops on the course's last tick
  // One clock period as the subject's timer runs it; by default the timer's event.
  std::function<void()> period;
  // Periods run so far, where one wake-up of the timer may run several; by default one each.
  std::function<std::size_t()> periodsRun;
};

Subject gameSubject() {
  vortalin::qt::initPictureResources();
  const QString icon = vortalin::qt::pictureResourcePath("vortalin.png");
  if (QFile::exists(icon)) QApplication::setWindowIcon(QIcon(icon));
  auto window = std::make_unique<MainWindow>();
  Subject subject;
  subject.clock = window->controls().timer(vortalin::form::clockControl);
  auto* startButton = window->controls().get<QPushButton>("Command1");
  subject.start = [startButton] { startButton->click(); };
  subject.stopsByItself = true;
  subject.period = [game = window.get()] { game->controller().clockPeriod(); };
  subject.periodsRun = [game = window.get()] {
    return std::size_t(game->controller().race().distance());
  };
  subject.window = std::move(window);
  return subject;
}

Subject referenceSubject() {
  auto window = std::make_unique<vortalin::bench::ReferenceWindow>();
  Subject subject;
  subject.clock = window->clock();
  subject.start = [button = window->startButton()] { button->click(); };
  subject.stopsByItself = true;
  subject.window = std::move(window);
  return subject;
}

// An empty window of the game window's size and a precise 10 ms timer with an empty handler.
Subject bareSubject() {
  Subject subject;
  subject.window = std::make_unique<QWidget>();
  const auto& form = vortalin::form::formTable.front();
  subject.window->resize(form.width / vortalin::form::twipsPerPixel,
                         form.height / vortalin::form::twipsPerPixel);
  subject.clock = new QTimer(subject.window.get());
  subject.clock->setTimerType(Qt::PreciseTimer);
  subject.clock->setInterval(tickIntervalMs);
  QObject::connect(subject.clock, &QTimer::timeout, subject.window.get(), [] {});
  subject.start = [clock = subject.clock] { clock->start(); };
  return subject;
}

Subject makeSubject(Kind kind) {
  switch (kind) {
    case Kind::Bare: return bareSubject();
    case Kind::Reference: return referenceSubject();
    case Kind::Game: break;
  }
  return gameSubject();
}

void showAndWaitForExposure(QWidget& window) {
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
    if (waited.elapsed() > 10'000) {
      std::fprintf(stderr, "window_bench: the window was not exposed within 10 s\n");
      std::exit(1);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QCoreApplication::processEvents();
}

// A whole course on the event loop: time stamps after each tick's handler.
int runPace(Kind kind) {
  Subject subject = makeSubject(kind);
  showAndWaitForExposure(*subject.window);
  std::vector<qint64> stamps;
  stamps.reserve(courseTicks + 16);
  QElapsedTimer clock;
  QObject::connect(subject.clock, &QTimer::timeout, subject.window.get(), [&] {
    stamps.push_back(clock.nsecsElapsed());
    if (!subject.stopsByItself && stamps.size() == courseTicks) subject.clock->stop();
    if (!subject.clock->isActive()) QCoreApplication::quit();
  });
  const Usage before = processUsage();
  const double xBefore = xServerCpuSeconds();
  clock.start();
  subject.start();
  QApplication::exec();
  const Usage after = processUsage();
  const double xAfter = xServerCpuSeconds();

  std::vector<qint64> intervals;
  qint64 previous = 0;
  for (qint64 stamp : stamps) {
    intervals.push_back(stamp - previous);
    previous = stamp;
  }
  const double wall = double(stamps.back()) / 1e9;
  const double ideal = double(courseTicks) * tickIntervalMs / 1e3;
  const std::size_t ticks = subject.periodsRun ? subject.periodsRun() : stamps.size();
  print("ticks", double(ticks));
  print("wake_ups", double(stamps.size()));
  print("wall_s", wall);
  print("wall_ratio", wall / ideal);
  printDistribution("interval_ms", intervals, 1e6);
  print("intervals_over_15ms", double(std::count_if(intervals.begin(), intervals.end(),
                                                    [](qint64 i) { return i > lostIntervalNs; })));
  print("lost_ticks", double(qRound64(wall * 1e3 / tickIntervalMs) - qint64(ticks)));
  print("course_cpu_s", after.cpuSeconds - before.cpuSeconds);
  print("course_cpu_percent", 100.0 * (after.cpuSeconds - before.cpuSeconds) / wall);
  if (xBefore >= 0) {
    const double xCpu = xAfter - xBefore;
    print("xserver_cpu_s", xCpu);
    print("cpu_per_tick_us", 1e6 * (after.cpuSeconds - before.cpuSeconds + xCpu) / double(ticks));
  }
  print("process_cpu_s", after.cpuSeconds);
  print("maxrss_kib", double(after.maxResidentKiB));
  return 0;
}

// One tick as the event loop delivers it (the timer event of the running clock), then the
// repaint it asked for, flushed to the backing store. Ticks the loop runs in between are not
// measured; when the course ends the clock is started again outside the measurement.
// Spaced samples sleep for one clock period first, as the game does between ticks, so they
// show the cost of a tick that finds its caches cold.
int runTickCost(Kind kind, bool spaced) {
  Subject subject = makeSubject(kind);
  showAndWaitForExposure(*subject.window);
  subject.start();
  std::vector<qint64> samples;
  const size_t count = spaced ? spacedTickCostSamples : tickCostSamples;
  samples.reserve(count);
  QElapsedTimer clock;
  clock.start();
  while (samples.size() < count) {
    QCoreApplication::processEvents();
    if (spaced) usleep(tickIntervalMs * 1000);
    if (!subject.clock->isActive()) subject.start();
    QTimerEvent tick(subject.clock->timerId());
    const qint64 t0 = clock.nsecsElapsed();
    if (subject.period) {
      subject.period();
    } else {
      QCoreApplication::sendEvent(subject.clock, &tick);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    samples.push_back(clock.nsecsElapsed() - t0);
  }
  print("samples", double(samples.size()));
  print("device_pixel_ratio", subject.window->devicePixelRatioF());
  printDistribution("tick_us", samples, 1e3);
  return 0;
}

// Stamps the end of the window's first exposure, which paints and flushes the first frame.
class FirstFrameWatch final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Expose || frameNs_ != 0) return false;
    auto* window = static_cast<QWindow*>(watched);
    static_cast<QObject*>(window)->event(event);
    if (window->isExposed()) {
      frameNs_ = monotonicNs();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return true;
  }
  qint64 frameNs() const { return frameNs_; }

 private:
  qint64 frameNs_ = 0;
};

// Re-executes this program with the time of the exec in the environment, so that loading
// the program and its libraries counts as start-up.
[[noreturn]] void execWithStartTime(char* argv[]) {
  const std::string start = std::to_string(monotonicNs());
  setenv(startEnvironment, start.c_str(), 1);
  execv("/proc/self/exe", argv);
  std::perror("window_bench: exec");
  std::exit(1);
}

int runStartup(Kind kind, qint64 startNs) {
  Subject subject = makeSubject(kind);
  FirstFrameWatch watch;
  subject.window->winId();  // creates the QWindow to watch
  subject.window->windowHandle()->installEventFilter(&watch);
  subject.window->show();
  QApplication::exec();
  print("first_frame_ms", double(watch.frameNs() - startNs) / 1e6);
  print("maxrss_kib", double(processUsage().maxResidentKiB));
  return 0;
}

int runInfo() {
  std::printf("qt_version %s\nplatform %s\n", qVersion(),
              qPrintable(QGuiApplication::platformName()));
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: window_bench MODE\n"
               "MODE: pace, tick-cost, spaced-tick-cost, startup (each also with bare- or\n"
               "      reference- in front), info\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) return usage();
  const std::string mode = argv[1];
  Kind kind = Kind::Game;
  std::string task = mode;
  for (const auto& [prefix, prefixed] :
       {std::pair{"bare-", Kind::Bare}, std::pair{"reference-", Kind::Reference}}) {
    if (mode.starts_with(prefix)) {
      kind = prefixed;
      task = mode.substr(std::string_view(prefix).size());
    }
  }
  if (task != "pace" && task != "tick-cost" && task != "spaced-tick-cost" && task != "startup" &&
      mode != "info") {
    std::fprintf(stderr, "window_bench: unknown mode '%s'\n", mode.c_str());
    return usage();
  }
  const char* start = std::getenv(startEnvironment);
  if (task == "startup" && start == nullptr) execWithStartTime(argv);

  QApplication application(argc, argv);
  if (kind != Kind::Bare) vortalin::qt::prepareApplication();
  // The yardstick keeps the classic style it has always been measured with; the game paints
  // its own look under whatever style Qt picks.
  if (kind == Kind::Reference) QApplication::setStyle(QStringLiteral("Windows"));
  if (task == "pace") return runPace(kind);
  if (task == "tick-cost") return runTickCost(kind, false);
  if (task == "spaced-tick-cost") return runTickCost(kind, true);
  if (task == "startup") return runStartup(kind, std::stoll(start));
  return runInfo();
}
