// exception.cpp - the error class that commands raise and the error boundary shows.
#include "exception.h"

Exception::Exception(const QString& message) : message(message), utf8(message.toUtf8()) {}
