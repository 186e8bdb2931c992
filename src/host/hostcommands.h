#pragma once
// The host's commands over an attached main window: each returns the exit code and
// writes its answer to `out`, its complaints to `err`.

#include <QStringList>

#include <iosfwd>

namespace tarnel {

class ConverterSession;
class TfrmUnitsConvert;

namespace host {

/// args[0] is the command; an empty list runs "execute" on an example.
int run(QStringList args, TfrmUnitsConvert& window, ConverterSession& session, std::ostream& out,
        std::ostream& err);

/// The usage text.
const char* usage();

} // namespace host
} // namespace tarnel
