// The game clock on the page. The periods that have fallen due run at the start of each
// animation frame and before a click is handled; the page then draws once. Frames are asked
// for only while something changes. In a hidden tab, where no frames come, a timer makes up
// the periods.
export class GameLoop {
  constructor(game, show, periodMs) {
    this.game = game;
    this.show = show;
    this.periodMs = periodMs;
    this.frame = 0;
    this.hiddenTimer = 0;
    document.addEventListener('visibilitychange', () => this.visibilityChanged());
  }

  runDue(hidden) {
    const due = this.game.takeDue(performance.now(), hidden ? 1 : 0);
    if (due > 0) this.game.runPeriods(due);
  }

  click(controlId) {
    this.runDue(document.hidden);
    this.game.click(controlId, performance.now());
    this.requestFrame();
  }

  requestFrame() {
    if (document.hidden) {
      this.keepTimeWhileHidden();
    } else if (!this.frame) {
      this.frame = requestAnimationFrame(() => this.onFrame());
    }
  }

  onFrame() {
    this.frame = 0;
    this.runDue(false);
    this.show();
    if (this.game.clockRunning()) this.requestFrame();
  }

  visibilityChanged() {
    if (document.hidden) {
      this.keepTimeWhileHidden();
      return;
    }
    this.stopHiddenTimer();
    this.runDue(true);
    this.requestFrame();
  }

  keepTimeWhileHidden() {
    if (this.hiddenTimer || !this.game.clockRunning()) return;
    this.hiddenTimer = setInterval(() => {
      this.runDue(true);
      if (!this.game.clockRunning()) this.stopHiddenTimer();
    }, this.periodMs);
  }

  stopHiddenTimer() {
    clearInterval(this.hiddenTimer);
    this.hiddenTimer = 0;
  }
}
