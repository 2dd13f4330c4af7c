#pragma once

#include <QString>

#include <exception>

namespace meterly {

// The text the user sees for a failure: the exception's own message.
QString ExceptionMessage(std::exception_ptr error);

}  // namespace meterly
