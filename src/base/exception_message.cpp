#include "base/exception_message.h"

#include <QCoreApplication>

#include <stdexcept>

namespace meterly {

QString ExceptionMessage(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QCoreApplication::translate("ExceptionMessage", "An unknown error occurred.");
  }
}

}  // namespace meterly
