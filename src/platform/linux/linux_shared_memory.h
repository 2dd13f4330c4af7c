#pragma once

#include "platform/shared_memory.h"

namespace meterly::platform {

// POSIX shared memory. The section "N" of this user is the object "/N.<uid>" (the effective
// user id in decimal), readable and writable by its owner only (mode 0600).
//
// The objects are never unlinked: their size is fixed and their content rewritten all the
// time, so one left over after the program ends costs a page and is reused by the next run,
// while unlinking at the end would pull the name from under a viewer (or a second instance)
// that still has it open: a new creator would make a second, unrelated object of that name.
class LinuxSharedMemory : public SharedMemory {
 public:
  LinuxSharedMemory();
  // Tests put their sections under a suffix of their own instead of ".<uid>".
  explicit LinuxSharedMemory(QString nameSuffix);

  // Refuses an existing object owned by another user, or one of another size (a zero-size
  // object, just created by a racing opener, is given the size).
  std::unique_ptr<SharedSection> Open(const QString& name, int size) override;

  // The object name that stands for a section name: "/" + name + suffix.
  QString ObjectName(const QString& name) const;

 private:
  QString nameSuffix_;
};

}  // namespace meterly::platform
