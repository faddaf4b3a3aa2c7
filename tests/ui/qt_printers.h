#pragma once
// Test output for Qt strings.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& string, std::ostream* out) {
    *out << '"' << string.toStdString() << '"';
}
