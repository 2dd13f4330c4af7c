#include "platform/linux/canberra_sound.h"

#include <QByteArray>

#include <canberra.h>

namespace meterly::platform {

CanberraSoundService::~CanberraSoundService() {
  if (context_ != nullptr) ca_context_destroy(context_);
}

bool CanberraSoundService::EnsureContext() {
  if (context_ != nullptr) return true;
  if (ca_context_create(&context_) != CA_SUCCESS) {
    context_ = nullptr;
    return false;
  }
  ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Meterly", CA_PROP_APPLICATION_ID, "meterly", nullptr);
  return true;
}

bool CanberraSoundService::PlaySoundFile(const QString& fileName) {
  if (fileName.isEmpty()) return false;
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!EnsureContext()) return false;
  const QByteArray path = fileName.toUtf8();
  return ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, path.constData(), nullptr) == CA_SUCCESS;
}

}  // namespace meterly::platform
