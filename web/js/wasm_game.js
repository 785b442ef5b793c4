// The game in WebAssembly, behind plain functions.
export async function loadGame() {
  // The loader emscripten writes, a script of its own before this one.
  const wasm = await globalThis.createVortalin();
  const fn = (name, returns, args = []) => wasm.cwrap(`vortalin_${name}`, returns, args);
  const layout = fn('layout', 'string', ['number']);
  return {
    designDotsPerInch: fn('design_dots_per_inch', 'number')(),
    open: fn('open', null, ['number']),
    layout: (dotsPerInch) => JSON.parse(layout(dotsPerInch)),
    setDotsPerInch: fn('set_dots_per_inch', null, ['number']),
    woke: fn('woke', 'number', ['number', 'number']),
    runPeriods: fn('run_periods', 'number', ['number']),
    click: fn('click', 'number', ['string', 'number']),
    takeChanges: fn('take_changes', 'number'),
    boxX: fn('box_x', 'number', ['number']),
    boxY: fn('box_y', 'number', ['number']),
    clockRunning: fn('clock_running', 'number'),
    windowColour: fn('window_colour', 'string'),
    displayText: fn('display_text', 'string', ['number']),
    typed: fn('typed', null, ['number', 'string']),
    notice: fn('notice', 'string'),
  };
}
