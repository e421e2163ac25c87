#pragma once

#include <QString>

namespace Uuid {

// A new UUID in the standard 36-character form, upper-case hexadecimal.
QString string();

} // namespace Uuid
