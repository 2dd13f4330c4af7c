#pragma once

#include <QString>

#include <stdexcept>

namespace meterly {

// A failure of the version check, carrying the message of the failure that caused it.
class EVersionCheckError : public std::runtime_error {
 public:
  explicit EVersionCheckError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// The running program's own version could not be read.
class ECannotReadLocal : public EVersionCheckError {
  using EVersionCheckError::EVersionCheckError;
};

// The version published on the server could not be fetched, or what came back is not a version.
class ECannotReadRemote : public EVersionCheckError {
  using EVersionCheckError::EVersionCheckError;
};

}  // namespace meterly
