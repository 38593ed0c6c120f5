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
    // A text after a shortened one keeps at least a letter and "…", so each still shows.
    const auto least = [&metrics](const QString& text) {
        return std::min(metrics.horizontalAdvance(text),
                        metrics.horizontalAdvance(QStringLiteral("W…")));
    };
    std::array<int, 3> x{};
    std::array<int, 3> end{};
    int after = stored[0].x();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        x[i] = std::max(stored[i].x(), after);
        int reserved = 0;
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            reserved += space + least(texts[j]);
        const int room = std::max(rightEdge - x[i] - reserved, 1);
        platform::SetText(labels[i], texts[i], room);
        end[i] = x[i] + std::min(metrics.horizontalAdvance(labels[i]->text()), room);
        after = end[i] + space;
    }
    // Each label is as wide as its stored size or its text, and ends before the next begins.
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int limit = i + 1 < labels.size() ? x[i + 1] : rightEdge;
        const int width = std::min(std::max(stored[i].width(), end[i] - x[i]), limit - x[i]);
        labels[i]->setGeometry(x[i], stored[i].y(), std::max(width, 1), stored[i].height());
    }
}
