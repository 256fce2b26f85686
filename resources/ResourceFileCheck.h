#pragma once

#include <QByteArray>

namespace kadenzo {

// Checks the structure of a Qt binary resource file (rcc --binary) before it is
// registered: Qt follows the offsets of the file without checking them, so a
// truncated or damaged module would make it read outside the file. True when
// the header, every tree node, name and data block lie inside the data and the
// tree has no cycles.
bool IsSoundResourceFile(const QByteArray& data);

}  // namespace kadenzo
