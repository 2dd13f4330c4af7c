#include "fakes/fake_registry_file.h"

namespace meterly::fakes {

std::optional<QByteArray> FakeRegistryFile::Read() {
  if (failReads) throw platform::RegistryError(QStringLiteral("fake read failure"));
  return contents;
}

void FakeRegistryFile::Write(const QByteArray& bytes) {
  if (failWrites) throw platform::RegistryError(QStringLiteral("fake write failure"));
  contents = bytes;
  ++writeCount;
}

QString FakeRegistryFile::SetAside() {
  if (failSetAside) throw platform::RegistryError(QStringLiteral("fake set-aside failure"));
  setAsideAs = contents;
  contents.reset();
  return Location() + QStringLiteral(".bad");
}

}  // namespace meterly::fakes
