#pragma once

#include "platform/sound.h"

#include <mutex>

struct ca_context;

namespace meterly::platform {

// libcanberra with one context for the life of the process: destroying a context cancels what
// it plays, so it is made at the first sound and kept until the end.
class CanberraSoundService : public SoundService {
 public:
  CanberraSoundService() = default;
  ~CanberraSoundService() override;

  CanberraSoundService(const CanberraSoundService&) = delete;
  CanberraSoundService& operator=(const CanberraSoundService&) = delete;

  bool PlaySoundFile(const QString& fileName) override;

 private:
  bool EnsureContext();

  std::mutex mutex_;
  ca_context* context_ = nullptr;
};

}  // namespace meterly::platform
