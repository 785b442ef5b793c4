// Differential fuzzing: long random sessions of clicks, clock ticks, resizes, typing and
// repaints on the real window, checked against the replay runner's core after every step.
// VORTALIN_FUZZ_SEED picks the session (printed on failure), VORTALIN_FUZZ_STEPS its length.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "form/design_state.h"
#include "qt/colours.h"
#include "qt/qt_geometry.h"
#include "tools/replay/replay_session.h"
#include "tools/replay/script.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

constexpr std::uint64_t defaultSeed = 20261208;
constexpr int defaultSteps = 5000;
constexpr int maxTickBurst = 40;
constexpr std::int16_t counterLimit = 32767;

enum class StepKind { Click, Tick, Resize, Type, Paint, Nudge };

/// One thing done to the window. Clicks and ticks reach the core too; the rest is the
/// window's alone. `Nudge` moves the player's car behind the core's back and is never
/// generated: it proves a difference is caught.
struct Step {
  StepKind kind = StepKind::Tick;
  int button = 0;        // Click: 0..3 for Command1..Command4
  int periods = 1;       // Tick
  QSize size;            // Resize
  int textBox = 0;       // Type: 0 Text1, 1 Text2
  bool replace = false;  // Type: select all first
  QString keys;          // Type
};

constexpr const char* buttonNames[] = {"Command1", "Command2", "Command3", "Command4"};
constexpr const char* buttonWords[] = {"start", "left", "right", "stop"};
constexpr const char* textBoxNames[] = {"Text1", "Text2"};
constexpr replay::Action buttonActions[] = {replay::Action::Start, replay::Action::Left,
                                            replay::Action::Right, replay::Action::Stop};

std::int64_t envNumber(const char* name, std::int64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (*end != '\0' || value < 0) {
    std::cerr << name << " must be a non-negative whole number, not \"" << text << "\"\n";
    std::exit(2);
  }
  return value;
}

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : random_(seed) {}

  std::vector<Step> steps(int count) {
    std::vector<Step> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) result.push_back(step());
    return result;
  }

 private:
  int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

  Step step() {
    const int roll = below(100);
    Step s;
    if (roll < 55) {
      s.kind = StepKind::Tick;
      s.periods = 1 + below(maxTickBurst);
    } else if (roll < 80) {
      s.kind = StepKind::Click;
      // START and the steering buttons more often than STOP, so races run long.
      const int pick = below(10);
      s.button = pick < 3 ? 0 : pick < 6 ? 1 : pick < 9 ? 2 : 3;
    } else if (roll < 93) {
      s.kind = StepKind::Type;
      s.textBox = below(2);
      s.replace = below(2) == 0;
      s.keys = keys();
    } else if (roll < 98) {
      s.kind = StepKind::Resize;
      s.size = QSize(1 + below(1200), 1 + below(900));
    } else {
      s.kind = StepKind::Paint;
    }
    return s;
  }

  QString keys() {
    static const QString alphabet =
        QStringLiteral("0123456789-+.,eE abcxyz距離\u00e9\U0001F697\t\b");
    QString text;
    const int length = below(12);
    for (int i = 0; i < length; ++i) {
      const int at = below(static_cast<int>(alphabet.size()));
      // Keep surrogate pairs whole.
      if (alphabet[at].isLowSurrogate()) {
        text += alphabet.mid(at - 1, 2);
      } else if (alphabet[at].isHighSurrogate()) {
        text += alphabet.mid(at, 2);
      } else {
        text += alphabet[at];
      }
    }
    return text;
  }

  std::mt19937_64 random_;
};

/// Key presses as a keyboard sends them; QTest's own typing knows only ASCII.
void typeInto(QWidget& widget, const QString& keys) {
  for (qsizetype i = 0; i < keys.size(); ++i) {
    const qsizetype length = keys[i].isHighSurrogate() ? 2 : 1;
    const QString text = keys.mid(i, length);
    i += length - 1;
    const int key = text == QStringLiteral("\t")   ? Qt::Key_Tab
                    : text == QStringLiteral("\b") ? Qt::Key_Backspace
                    : text.size() == 1 && text[0].unicode() < 128
                        ? static_cast<int>(text[0].toUpper().unicode())
                        : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
  }
}

std::string escaped(const QString& keys) {
  QString text = keys;
  text.replace(QStringLiteral("\t"), QStringLiteral("\\t"));
  text.replace(QStringLiteral("\b"), QStringLiteral("\\b"));
  return text.toStdString();
}

/// The steps as a replay script: what reaches the core as commands, the rest as comments.
std::string asScript(const std::vector<Step>& steps) {
  std::ostringstream out;
  out << "# window: the counter-full message, when shown, is closed before each click\n";
  for (const Step& s : steps) {
    switch (s.kind) {
      case StepKind::Click: out << buttonWords[s.button] << '\n'; break;
      case StepKind::Tick: out << "tick " << s.periods << '\n'; break;
      case StepKind::Resize:
        out << "# window: resize to " << s.size.width() << 'x' << s.size.height() << '\n';
        break;
      case StepKind::Type:
        out << "# window: type into " << textBoxNames[s.textBox]
            << (s.replace ? " over all its text: \"" : ": \"") << escaped(s.keys) << "\"\n";
        break;
      case StepKind::Paint: out << "# window: repaint\n"; break;
      case StepKind::Nudge: out << "# window: move the player's car one twip right\n"; break;
    }
  }
  return out.str();
}

class NullBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

struct Divergence {
  std::size_t step = 0;
  std::string what;
};

struct RunStats {
  std::int64_t ticks = 0;
};

/// The window and a replay session fed the same steps, compared after each.
class Differential {
 public:
  Differential() : sink_(&nullBuffer_), session_(sink_) {
    window_.show();
    exposed_ = QTest::qWaitForWindowExposed(&window_);
  }

  std::optional<Divergence> run(const std::vector<Step>& steps, RunStats* stats = nullptr) {
    if (!exposed_) return Divergence{0, "the window was never shown"};
    for (std::size_t i = 0; i < steps.size(); ++i) {
      if (auto what = apply(steps[i], stats)) return Divergence{i, *what};
    }
    return std::nullopt;
  }

 private:
  std::optional<std::string> apply(const Step& s, RunStats* stats) {
    switch (s.kind) {
      case StepKind::Click:
        // The counter-full message holds the window's input until the player closes it.
        if (auto* message = window_.findChild<QMessageBox*>();
            message != nullptr && message->isVisible()) {
          QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
        }
        click(window_, buttonNames[s.button]);
        session_.execute(replay::Command{.action = buttonActions[s.button]});
        break;
      case StepKind::Tick:
        for (int p = 0; p < s.periods; ++p) {
          // The clock only fires while it runs, on either side.
          const bool windowTicks = clock(window_).isActive();
          // A tick at the full counter does nothing, so typed text stays.
          const bool rewritesTexts = windowTicks && window_.controller().race().distance() != counterLimit;
          if (windowTicks) test::tick(window_);
          session_.execute(replay::Command{.action = replay::Action::Tick, .periods = 1});
          if (auto what = compare(rewritesTexts)) return what;
          if (stats != nullptr && windowTicks) ++stats->ticks;
        }
        return std::nullopt;
      case StepKind::Resize: window_.resize(s.size); break;
      case StepKind::Type: {
        DigitsDisplay& display = textBox(window_, textBoxNames[s.textBox]);
        display.setFocus();
        QLineEdit& box = display.editor();
        if (!box.hasFocus())
          return "the line edit of " + std::string(textBoxNames[s.textBox]) +
                 " did not take the focus";
        if (s.replace) box.selectAll();
        typeInto(box, s.keys);
        break;
      }
      case StepKind::Paint:
        // Posted events only: the window's clock must not tick behind the core's back.
        QCoreApplication::sendPostedEvents();
        (void)window_.grab();
        break;
      case StepKind::Nudge: {
        RaceView& view = writableRaceView(window_);
        view.setLeft(Box::Player, view.left(Box::Player) + 1);
        break;
      }
    }
    return compare(false);
  }

  // Texts are compared only right after a tick: typing changes them until then.
  std::optional<std::string> compare(bool withTexts) {
    std::ostringstream out;
    const RaceView& view = window_.controller().view();
    const game::ShownRaceView& model = session_.view();
    for (int i = 0; i < boxCount; ++i) {
      const Box box = static_cast<Box>(i);
      const auto& key = form::boxControls[i];
      if (view.left(box) != model.left(box) || view.top(box) != model.top(box)) {
        out << key.name << '(' << key.index << ") at " << view.left(box) << ',' << view.top(box)
            << " twips, core has " << model.left(box) << ',' << model.top(box);
        return out.str();
      }
      const QPoint pixels = window_.controls().widget(key.name, key.index)->pos();
      if (pixels != twipsToPixels(view.left(box), view.top(box))) {
        out << key.name << '(' << key.index << ") widget at " << pixels.x() << ',' << pixels.y()
            << " px, binding holds " << view.left(box) << ',' << view.top(box) << " twips";
        return out.str();
      }
    }
    if (view.clockEnabled() != model.clockEnabled() ||
        clock(window_).isActive() != model.clockEnabled()) {
      out << "clock " << clock(window_).isActive() << ", core has " << model.clockEnabled();
      return out.str();
    }
    if (view.backgroundColour() != model.backgroundColour() ||
        window_.palette().color(QPalette::Window) != toQColor(model.backgroundColour())) {
      out << "background " << view.backgroundColour() << ", core has " << model.backgroundColour();
      return out.str();
    }
    if (!withTexts) return std::nullopt;
    const QString energy = textBox(window_, "Text1").text();
    const QString distance = textBox(window_, "Text2").text();
    if (energy.toStdString() != model.state().energyText ||
        distance.toStdString() != model.state().distanceText) {
      out << "texts \"" << energy.toStdString() << "\" / \"" << distance.toStdString()
          << "\", core has \"" << model.state().energyText << "\" / \""
          << model.state().distanceText << '"';
      return out.str();
    }
    return std::nullopt;
  }

  MainWindow window_{timeStandsStill};
  bool exposed_ = false;
  NullBuffer nullBuffer_;
  std::ostream sink_;
  replay::ReplaySession session_;
};

bool diverges(const std::vector<Step>& steps) {
  Differential differential;
  return differential.run(steps).has_value();
}

/// Adjacent tick bursts as one: the same periods, fewer steps to try removing.
std::vector<Step> mergedTicks(const std::vector<Step>& steps) {
  std::vector<Step> merged;
  for (const Step& s : steps) {
    if (s.kind == StepKind::Tick && !merged.empty() && merged.back().kind == StepKind::Tick) {
      merged.back().periods += s.periods;
    } else {
      merged.push_back(s);
    }
  }
  return merged;
}

/// A shorter sequence that still fails: drop ever smaller runs of steps, then shorten
/// each tick burst, while the failure stays. Stops early when the time budget is spent.
std::vector<Step> shrink(std::vector<Step> steps,
                         const std::function<bool(const std::vector<Step>&)>& fails,
                         std::chrono::seconds budget = std::chrono::seconds(120)) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  const auto inTime = [&] { return std::chrono::steady_clock::now() < deadline; };
  steps = mergedTicks(steps);
  for (std::size_t chunk = steps.size() / 2; chunk >= 1 && inTime(); chunk /= 2) {
    for (std::size_t at = 0; at + chunk <= steps.size() && inTime();) {
      std::vector<Step> candidate = steps;
      candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(at),
                      candidate.begin() + static_cast<std::ptrdiff_t>(at + chunk));
      if (fails(candidate)) {
        steps = mergedTicks(candidate);
      } else {
        at += chunk;
      }
    }
  }
  for (Step& s : steps) {
    if (s.kind != StepKind::Tick) continue;
    // The fewest periods that still fail, by halving the range.
    int low = 1;
    while (low < s.periods && inTime()) {
      const int full = s.periods;
      s.periods = low + (full - low) / 2;
      if (fails(steps)) continue;
      low = s.periods + 1;
      s.periods = full;
    }
  }
  return steps;
}

std::vector<Step> failingPrefix(const std::vector<Step>& steps, std::size_t failingStep) {
  return {steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(failingStep + 1)};
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform remarks on every resize; thousands of those hide what matters.
void dropSizeHintNotices(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

class WindowFuzzTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    prepareApplication();
    previousHandler = qInstallMessageHandler(dropSizeHintNotices);
  }
  void windowAgreesWithTheCoreOverARandomSession();
  // A difference made behind the core's back is caught and shrunk to the one step.
  void divergenceIsFoundAndShrunkToAReplayableScript();
};

void WindowFuzzTest::windowAgreesWithTheCoreOverARandomSession() {
  const auto seed = static_cast<std::uint64_t>(envNumber("VORTALIN_FUZZ_SEED", defaultSeed));
  const int count = static_cast<int>(envNumber("VORTALIN_FUZZ_STEPS", defaultSteps));
  const std::vector<Step> steps = Generator(seed).steps(count);

  RunStats stats;
  std::optional<Divergence> divergence;
  {
    Differential differential;
    divergence = differential.run(steps, &stats);
  }
  std::cout << "fuzz seed " << seed << ": " << count << " steps, " << stats.ticks
            << " ticks compared\n";
  if (divergence) {
    std::cout << "shrinking...\n" << std::flush;
    const std::vector<Step> minimal = shrink(failingPrefix(steps, divergence->step), diverges);
    Differential again;
    const auto last = again.run(minimal);
    std::cout << "window and core differ at step " << divergence->step << " (seed " << seed
              << "): " << divergence->what << "\nshortest failing sequence (" << minimal.size()
              << " steps), fails with: " << (last ? last->what : "?") << '\n'
              << asScript(minimal);
    QFAIL("the window differs from the core; rerun with VORTALIN_FUZZ_SEED printed above");
  }
  // The session must reach far enough to mean something.
  QVERIFY(stats.ticks > count / 2);
}

void WindowFuzzTest::divergenceIsFoundAndShrunkToAReplayableScript() {
  std::vector<Step> steps = Generator(7).steps(300);
  Step nudge;
  nudge.kind = StepKind::Nudge;
  steps.insert(steps.begin() + 150, nudge);

  Differential differential;
  const auto divergence = differential.run(steps);
  QVERIFY(divergence.has_value());
  QCOMPARE(divergence->step, std::size_t{150});
  QVERIFY(divergence->what.find("core has") != std::string::npos);

  const std::vector<Step> minimal = shrink(failingPrefix(steps, divergence->step), diverges);
  QCOMPARE(minimal.size(), std::size_t{1});
  QVERIFY(minimal[0].kind == StepKind::Nudge);

  // The printed form of a whole session is a script the replay tool accepts.
  const std::string script = asScript(steps);
  const auto parsed = replay::parseScript(script);
  QVERIFY(std::holds_alternative<std::vector<replay::Command>>(parsed));
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::WindowFuzzTest)
#include "window_fuzz_test.moc"
