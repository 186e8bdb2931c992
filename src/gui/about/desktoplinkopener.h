#pragma once
// Hands a checked web or mail address to the desktop's default handler.

#include "core/platform/weblinks.h"

namespace tarnel {

class DesktopLinkOpener : public ILinkOpener {
  public:
    void openUrl(const std::string& url) override;
};

} // namespace tarnel
