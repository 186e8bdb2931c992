#pragma once
// Keeps an engine's messages while a conversion runs, so the caller decides how to show
// them (an error result, one status line) instead of a message box per message.

#include "core/engine/tconvert.h"
#include "core/text/messages.h"

#include <string>

namespace tarnel {

class MessageCapture {
  public:
    explicit MessageCapture(TConvert& e) : fEng(e), fOld(e.redirectMessages(fRec)) {}
    ~MessageCapture() { fEng.redirectMessages(fOld); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;
    std::string first() const { return fRec.texts.empty() ? std::string() : fRec.texts.front(); }
    bool any() const { return !fRec.texts.empty(); }

  private:
    TConvert& fEng;
    RecordingMessages fRec;
    IMessages& fOld;
};

} // namespace tarnel
