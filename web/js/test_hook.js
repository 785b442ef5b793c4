// Only for a page opened with "?test": a read-only view of the race, with the state after
// every wake-up that ran periods since the page opened and the clicks between them (each
// with the distance counter after it: the ticks run before it), and a way to run clock
// periods at once.
export function installTestHook(game, loop) {
  if (!new URLSearchParams(location.search).has('test')) return;
  const trace = [];
  const woke = game.woke;
  game.woke = (now, hidden) => {
    const run = woke(now, hidden);
    if (run > 0) trace.push(game.state());
    return run;
  };
  const click = game.click;
  game.click = (controlId, now) => {
    const handled = click(controlId, now);
    trace.push({ click: controlId, handled: handled === 1, distance: game.state().distance });
    return handled;
  };
  window.vortalinTest = Object.freeze({
    state: () => game.state(),
    trace: () => trace.slice(),
    runPeriods: (count) => {
      const run = game.runPeriods(count);
      loop.requestFrame();
      return run;
    },
  });
}
