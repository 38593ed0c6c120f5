// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// refusedcells.h - the cells that one accept refuses, named in one message.
#pragma once

#include "platform/exception.h"

#include <QStringList>

#include <functional>

/// Collects the refusals of the cells that one accept reads, and of its wholly blank rows, and
/// raises them as one platform::Exception: a single refusal as it is, several under a line that
/// counts the cells and the rows, the first twenty named and the rest counted. It leads back to
/// the first refused place.
class RefusedCells {
public:
    static constexpr int kNamed = 20;

    void add(const platform::Exception& refusal);
    /// A row refused as a whole, since it is blank.
    void addBlankRow(const platform::Exception& refusal);
    bool empty() const { return count == 0; }
    /// Throws the message of every refusal added, when there is any.
    void throwIfAny() const;

private:
    QStringList messages;
    int count = 0;
    int blankRows = 0;
    std::function<void()> leadBack;
};
