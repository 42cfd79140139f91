#pragma once
// How the program writes numbers into labels, and how it reads typed text.

#include <QString>

QString B(long long x);    // ' 7', ' 58': the figures after one blank for the sign
QString G(long long x);    // "### ###": ' 523', '4 071'
QString G9(long long x);   // "### ### ##0": '  5', '  523', ' 1 234'
// The given numbers and their complements of the making-10 screens, laid out
// on the same nine-place pattern: for 0 to 20 two blanks, then the figures.
QString F(long long x);

// Typed answers: keep only the digits 0-9 of the text and read them as a
// decimal number; no digit at all reads 0. Values too large for the answer
// field saturate instead of overflowing.
long long readDigits(const QString &text);

// The leading number of a text: blanks anywhere are ignored, then an optional
// sign and the leading run of digits (with at most one full stop) are read;
// a text that does not begin with a number reads 0.
double readLeadingNumber(const QString &text);
