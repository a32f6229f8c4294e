// The package's own plug-in module, and sessions that each load a private copy of it.
#ifndef QT_PYTHON_PACKAGE_H
#define QT_PYTHON_PACKAGE_H

#include <memory>
#include <string>

#include "host/host.h"
#include "session/session.h"

namespace qtpython {

// QUENTARB_MODULE when it is set (as for the command line), else the module installed beside
// this binding, with its resource file beside it.
std::string packageModule();

// A session on a private copy of the module: the plug-in keeps its options in module-wide
// variables, so sessions alive at once each need their own.
std::unique_ptr<qtsession::Session> privateSession(qthost::HostConfig config);

}  // namespace qtpython

#endif
