#pragma once

#include <QString>

namespace meterly::platform {

// One running instance per user, and the markers that tell installers we are running.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;

  // Takes the single-instance lock for the life of this object; false when another
  // instance holds it.
  virtual bool AcquireSingleInstance() = 0;

  // Creates and holds the two named markers for the life of this object. Failure to
  // create one is not an error: nothing inside the program depends on them.
  virtual void HoldMarkers() = 0;
};

}  // namespace meterly::platform
