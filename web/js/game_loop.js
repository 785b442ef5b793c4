// The game clock on the page: it wakes the game, which runs the periods that have fallen due,
// at the start of each animation frame; the page then draws once. The game runs them before
// a click too. Frames are asked for only while something changes. In a hidden tab, where no
// frames come, a timer wakes the game.
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
    this.game.woke(performance.now(), hidden ? 1 : 0);
  }

  click(controlId) {
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
