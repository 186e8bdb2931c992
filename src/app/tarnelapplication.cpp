#include "app/tarnelapplication.h"

#include "core/text/messages.h"

#include <cstdio>
#include <exception>

namespace tarnel {

bool TarnelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (fMessages)
            fMessages->info(e.what());
        else
            std::fprintf(stderr, "%s\n", e.what());
    }
    return false;
}

} // namespace tarnel
