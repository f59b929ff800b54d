#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <system_error>

namespace platform {

// Starts a program that outlives this one: in a session of its own, in the given folder (this
// program's own, given none), with this program's environment but the given PATH, with no
// descriptor but the standard three and every signal at its default. The program's exec has
// happened, or failed with the error given, when this returns. The ended program is reaped in the
// background, so none is left a zombie. Paths and arguments are the system's bytes.
std::error_code startDetached(const QByteArray& program, const QByteArrayList& arguments,
                              const QByteArray& folder, const QByteArray& path);

} // namespace platform
