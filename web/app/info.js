// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The information dialog: the program, its release, copyright and contact.

import { byId } from './page.js';

export function connectInfo() {
  const dialog = byId('dlgInfo');
  byId('cmdInfo').addEventListener('click', () => dialog.showModal());
  byId('cmdInfoOk').addEventListener('click', () => dialog.close());
}
