#include "host/status_line.h"

#include "host/controls.h"

namespace host {

void showStatus(Control& statusLine, const std::string& message) {
  statusLine.setText(statusPrefix + message);
}

}  // namespace host
