#pragma once

#include <QByteArray>

namespace reslib {

// A look at a shared-library file before the dynamic loader sees it. The loader trusts the
// file's tables: a library cut short (a copy that did not finish, a damaged download) has
// segments that reach past the end of the file, and touching them kills the process with a bus
// error instead of failing the load. These checks refuse such files so that the load fails
// politely; they do not make a hostile library safe to run.
class ElfImage
{
public:
    // True when `bytes` is a shared library of this machine (class, byte order, machine type)
    // whose headers, segments and dynamic table lie within the bytes given.
    static bool isLoadableLibrary(const QByteArray &bytes);
};

} // namespace reslib
