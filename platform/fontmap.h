// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// fontmap.h - the Windows faces named by the stored layout, mapped to installed ones.
#pragma once

class QWidget;

namespace platform {

/// Gives every widget under `root` (itself included) whose own font names "MS Sans Serif" the
/// metric-compatible "Liberation Sans" at the pixel size that the point size has at 96 DPI
/// (8 pt: 11 px), so that captions measure as the layout's sizes were made for.
void mapWindowsFonts(QWidget* root);

} // namespace platform
