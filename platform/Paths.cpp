// Small helpers for the program's own directory.
#include "platform/Paths.h"

QString with_trailing_separator(const QString& dir, QChar separator)
{
    if (dir.endsWith(separator))
        return dir;
    return dir + separator;
}
