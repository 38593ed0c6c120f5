// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// resultphrase.cpp - the three result labels, read side by side as one phrase.
#include "resultphrase.h"

#include "platform/labeltext.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

ResultPhrase::ResultPhrase(const std::array<QLabel*, 3>& labels, int rightEdge)
    : labels(labels), rightEdge(rightEdge) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        stored[i] = labels[i]->geometry();
}

void ResultPhrase::show(const std::array<QString, 3>& texts) {
    const QFontMetrics metrics(labels[0]->font());
    const int space = metrics.horizontalAdvance(u' ');
    // A shortened text keeps at least a letter and "…", so that each still shows.
    const int least = metrics.horizontalAdvance(QStringLiteral("W…"));
    std::array<int, 3> room = {rightEdge, rightEdge, rightEdge};
    std::array<int, 3> x{};
    std::array<int, 3> end{};
    const auto fits = [&] {
        int after = stored[0].x();
        for (std::size_t i = 0; i < labels.size(); ++i) {
            x[i] = std::max(stored[i].x(), after);
            end[i] = x[i] + metrics.horizontalAdvance(
                                metrics.elidedText(texts[i], Qt::ElideRight, room[i]));
            after = end[i] + space;
        }
        return end.back() <= rightEdge;
    };
    // A text can give way when it pushes the next label from its stored place.
    const auto canGiveWay = [&](std::size_t i) {
        return end[i] + space > stored[i + 1].x() && end[i] - x[i] > least;
    };
    // Until the phrase ends before the right edge, the wider of the first two texts that can
    // gives way, a pixel at a time; the third, the capacity, only when neither can.
    while (!fits()) {
        std::size_t narrowed = room[0] >= room[1] ? 0 : 1;
        if (!canGiveWay(narrowed))
            narrowed = 1 - narrowed;
        if (!canGiveWay(narrowed))
            narrowed = 2;
        const int shown = end[narrowed] - x[narrowed];
        if (shown <= 1)
            break;
        room[narrowed] = std::min(room[narrowed], shown) - 1;
    }
    // Each label is as wide as its stored size or its text, and ends before the next begins.
    for (std::size_t i = 0; i < labels.size(); ++i) {
        platform::SetText(labels[i], texts[i], room[i]);
        const int limit = i + 1 < labels.size() ? x[i + 1] : rightEdge;
        const int width = std::min(std::max(stored[i].width(), end[i] - x[i]), limit - x[i]);
        labels[i]->setGeometry(x[i], stored[i].y(), std::max(width, 1), stored[i].height());
    }
}
