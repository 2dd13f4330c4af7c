#pragma once

#include <QByteArray>

namespace meterly::platform {

// The whole contents of a file, read with plain system calls (files under /proc report no size).
// Empty when it cannot be read.
QByteArray ReadProcFile(const QByteArray& path);

// The target of a symbolic link relative to an open folder; empty when it cannot be read.
QByteArray ReadLinkAt(int folder, const char* name);

}  // namespace meterly::platform
