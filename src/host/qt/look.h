#pragma once
// The look our windows have before any skin: blue and white, as the background picture.
#include <QString>

namespace host::qt {

QString defaultLook();

}  // namespace host::qt
