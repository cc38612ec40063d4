#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace kb {

// Layout attribute values as the controls read them.

// Decimal, or hexadecimal with a "0x" prefix, with an optional sign; text that is no
// number reads as 0 (a leading number is taken, as the C library would).
int parseIntAttribute(const QString& text);
// "x,y" (spaces allowed); nullopt when it does not hold two numbers.
std::optional<QPoint> parsePointAttribute(const QString& text);
// Comma-separated integers (decimal or 0x hexadecimal).
QList<int> parseIntList(const QString& text);

}  // namespace kb
