// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// counted.cpp - a number of things in words, as a person counts them.
#include "counted.h"

#include <QCoreApplication>

namespace platform {

QString counted(const char* context, qsizetype n, const char* one, const char* many) {
    return n == 1 ? QCoreApplication::translate(context, one)
                  : QCoreApplication::translate(context, many, nullptr, int(n));
}

} // namespace platform
