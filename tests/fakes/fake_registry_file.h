#pragma once

#include "platform/registry.h"

#include <optional>

namespace meterly::fakes {

// A registry file in memory. Tests put text in, read what was saved, and make writes fail.
class FakeRegistryFile : public platform::RegistryFile {
 public:
  std::optional<QByteArray> Read() override;
  void Write(const QByteArray& bytes) override;
  QString SetAside() override;
  QString Location() const override { return QStringLiteral("fake://registry.reg"); }

  std::optional<QByteArray> contents;    // what is stored now
  std::optional<QByteArray> setAsideAs;  // what setAside() moved away
  bool failWrites = false;
  bool failReads = false;
  bool failSetAside = false;
  int writeCount = 0;
};

}  // namespace meterly::fakes
