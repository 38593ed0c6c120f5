// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// enterkey.h - Enter presses a focused button, as on the Linux desktop.
#pragma once

class QAbstractButton;

namespace platform {

/// Makes Enter and the keypad's Enter click `button` while it has the focus, as Space does. The
/// button keeps its look: it does not become a default button.
void pressOnEnter(QAbstractButton* button);

} // namespace platform
