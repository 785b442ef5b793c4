// Only for a page opened with "?test": a read-only view of the race, with every tick's state
// since the page opened and the clicks between them, and a way to run clock periods at once.
export function installTestHook(game, loop) {
  if (!new URLSearchParams(location.search).has('test')) return;
  const trace = [];
  const runPeriods = game.runPeriods;
  game.runPeriods = (count) => {
    let run = 0;
    while (run < count && runPeriods(1) === 1) {
      run += 1;
      trace.push(game.state());
    }
    return run;
  };
  const click = game.click;
  game.click = (controlId, now) => {
    const handled = click(controlId, now);
    trace.push({ click: controlId, handled: handled === 1 });
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
