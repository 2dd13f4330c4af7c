#pragma once

#include <QString>

namespace meterly::platform {

// Plays sound files without waiting for them.
class SoundService {
 public:
  virtual ~SoundService() = default;

  // Starts playing a sound file (WAV) and returns at once; a sound still playing goes on. False
  // when it could not be started; callers stay silent about it.
  virtual bool PlaySoundFile(const QString& fileName) = 0;
};

}  // namespace meterly::platform
