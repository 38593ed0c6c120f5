// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// resultphrase.h - the three result labels, read side by side as one phrase.
#pragma once

#include <QRect>
#include <QString>

#include <array>

class QLabel;

/// Shows a search result in three labels that stand side by side. Each label keeps its stored
/// place while the texts before it fit; a longer text pushes the labels after it to the right, a
/// space's width after its end. A phrase that would run past the right edge (where the grid
/// starts) is shortened with "…", the longer of the first two texts first; the third, a number,
/// reads whole. A shortened label's whole text is its tooltip and accessible name.
class ResultPhrase {
public:
    ResultPhrase(const std::array<QLabel*, 3>& labels, int rightEdge);

    void show(const std::array<QString, 3>& texts);

private:
    std::array<QLabel*, 3> labels;
    std::array<QRect, 3> stored;
    int rightEdge;
};
