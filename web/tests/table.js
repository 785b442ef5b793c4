// What the tests know of the control table and the race rules, from the manifest the build
// writes from the C++ table itself, so the page is checked against the source of truth and
// not against what it was told.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { pagePath } from './browser.js';

const manifestPath = process.env.VORTALIN_MANIFEST
  || join(dirname(pagePath), 'page-manifest.json');
export const manifest = JSON.parse(readFileSync(manifestPath, 'utf8'));

export const formControls = () => manifest.controls;

/// Twips to whole pixels at a density, as the window rounds them.
export const twipsToPixels = (twips, dotsPerInch) => Math.round(
  (twips * dotsPerInch) / manifest.twipsPerInch);

/// The density of a device pixel ratio.
export const dotsPerInchAt = (ratio) => Math.round(manifest.designDotsPerInch * ratio);

/// The controls the keyboard visits, in tab order.
export const tabOrder = () => manifest.tabOrder;

export const collisionBox = () => manifest.collisionBox;
