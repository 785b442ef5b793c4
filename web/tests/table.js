// The control table and the race's collision box, read from the C++ headers themselves, so
// the page is checked against the source of truth and not against what it was told.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { sourceRoot } from './browser.js';

const header = (path) => readFileSync(join(sourceRoot, path), 'utf8');

function field(record, name) {
  const match = record.match(new RegExp(`\\.${name} = ([^,}]+)`));
  return match ? match[1].trim() : undefined;
}

export function formControls() {
  const records = header('form/form_table.h').split('ControlRecord{').slice(1);
  return records.map((record) => {
    const index = field(record, 'index');
    const name = field(record, 'name').replaceAll('"', '');
    const number = (key) => Number(field(record, key) ?? 0);
    return {
      id: index === undefined ? name : `${name}(${index})`,
      kind: field(record, 'kind').replace('ControlKind::', ''),
      container: (field(record, 'container') ?? '').replaceAll('"', ''),
      left: number('left'), top: number('top'), width: number('width'), height: number('height'),
      tabIndex: field(record, 'tabIndex') === undefined ? -1 : number('tabIndex'),
    };
  });
}

/// Twips to whole pixels at a density, as the window rounds them.
export const twipsToPixels = (twips, dotsPerInch) => Math.round((twips * dotsPerInch) / 1440);

/// The controls the keyboard visits, in tab order.
export function tabOrder() {
  return formControls()
    .filter((control) => control.kind === 'CommandButton' || control.kind === 'TextBox')
    .sort((a, b) => a.tabIndex - b.tabIndex)
    .map((control) => control.id);
}

export function collisionBox() {
  const rules = header('core/race_rules.h');
  const value = (name) => Number(rules.match(new RegExp(`${name} = ([0-9.]+)`))[1]);
  return { halfWidth: value('collisionHalfWidth'), halfHeight: value('collisionHalfHeight') };
}
