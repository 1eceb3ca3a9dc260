#pragma once
// Readable gtest output for Qt strings.

#include <ostream>

#include <QByteArray>
#include <QString>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) {
  *os << '"' << (b.size() > 200 ? b.left(200).toHex().toStdString() + "..." : b.toStdString()) << '"';
}
