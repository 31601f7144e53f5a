// Small helpers for the program's own directory.
#pragma once

#include <QString>

// The directory with exactly one trailing separator.
QString with_trailing_separator(const QString& dir, QChar separator = QChar('/'));
