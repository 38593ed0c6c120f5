// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// inputclasses.cpp - the classes of input that every field and cell is tried with.
#include "inputclasses.h"

const QList<TypedInput>& numberInputs() {
    static const QList<TypedInput> inputs = {
        {"largest", "2147483647", true},
        {"smallest", "-2147483648", true},
        {"grouped by spaces", "4 000", true},
        {"grouped, negative", "-1 000 000", true},
        {"largest, grouped by no-break spaces", QString::fromUtf8("2\u00A0147\u00A0483\u00A0647"),
         true},
        {"grouped by narrow no-break spaces", QString::fromUtf8("12\u202F500"), true},
        {"the minus sign U+2212", QString::fromUtf8("\u22125"), true},
        {"grouped, after the minus sign U+2212", QString::fromUtf8("\u22122 500"), true},
        {"empty", "", false},
        {"a separator elsewhere", "40 00", false},
        {"a group of four", "1 0000", false},
        {"mixed separators", QString::fromUtf8("1 000\u00A0000"), false},
        {"grouped, one past the largest", "2 147 483 648", false},
        {"decimals", "4000.00", false},
        {"currency", "$40", false},
        {"grouped by a tab", "4\t000", false},
        {"grouped by a thin space", QString::fromUtf8("4\u2009000"), false},
        {"minus alone", "-", false},
        {"spaces", "   ", false},
        {"letters", "abc", false},
        {"letter O for zero", "8O", false},
        {"plus sign", "+5", false},
        {"hexadecimal", "0x10", false},
        {"leading blank", " 5", false},
        {"trailing blank", "5 ", false},
        {"minus after", "5-", false},
        {"two minus signs", "--5", false},
        {"an en dash for a minus", QString::fromUtf8("\u20131"), false},
        {"a hyphen for a minus", QString::fromUtf8("\u20101"), false},
        {"non-ASCII digits", QString::fromUtf8("\u0661\u0662"), false},
        {"fullwidth digit", QString::fromUtf8("\uFF15"), false},
        {"markup", "<b>1</b>", false},
        {"one past the largest", "2147483648", false},
        {"one below the smallest", "-2147483649", false},
        {"twenty digits", "99999999999999999999", false},
        {"thirty digits, quoted whole", QString(30, u'9'), false},
        {"a pasted page of digits", QString(10000, u'9'), false},
    };
    return inputs;
}

const QList<TypedInput>& textInputs() {
    static const QList<TypedInput> inputs = {
        {"9 Latin", "abcdefghi", true},
        {"9 Cyrillic", QString::fromUtf8("абвгдеёжз"), true},
        {"markup", "<b>x</b>", true},
        {"a line break in markup", "<br>x", true},
        {"placeholders", "%1%2", true},
        {"ampersands and quotes", "a&&'\"", true},
        {"10 characters", "abcdefghij", false},
        {"ten placeholders", "%1%1%1%1%1", false},
        {"emoji", QString::fromUtf8("hdd\U0001F4BE"), false},
        {"outside the code page", QString::fromUtf8("\u0100ngstr"), false},
        {"embedded NUL", QString("ab") + QChar(0) + "cd", false},
        {"control character", QString("ab\x01") + "cd", false},
        {"DEL", QString("ab\x7f"), false},
        {"C1 control", QString("ab") + QChar(0x85), false},
        {"a pasted page", QString(10000, u'x'), false},
    };
    return inputs;
}
