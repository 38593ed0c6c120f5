// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// listtesting.h - building lists and checking their chain in tests.
#pragma once

#include "list/spisok.h"

#include <QString>
#include <QStringList>

#include <cstdint>

/// An entry with the given fields; texts longer than a field are cut to 9 characters.
vint entry(const char* firma, const char* marka, std::int32_t objom, std::int32_t zena);

/// Appends one entry per name, each with its name as manufacturer and model, capacity 80 and
/// price 100 times its position + 1.
void appendNamed(spisok& list, const QStringList& names);

/// The manufacturers of the list in order.
QStringList firmas(const spisok& list);

/// Empty when head, tail, count and the next links agree; otherwise what is wrong.
QString chainError(const spisok& list);

#define CHECK_CHAIN(list)                                                                          \
    do {                                                                                           \
        const QString error = chainError(list);                                                    \
        QVERIFY2(error.isEmpty(), qPrintable(error));                                              \
    } while (false)
