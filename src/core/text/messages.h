#pragma once
// The one way the core talks to the user: an information box and a yes/no question.
// Whoever builds a part of the core hands it the interface to use: message boxes in the
// GUI, stderr in the CLI, a recorder in tests. There is no process-wide sink.

#include <string>
#include <vector>

namespace tarnel {

class IMessages {
  public:
    virtual ~IMessages() = default;
    virtual void info(const std::string& text) = 0;
    virtual bool yesNo(const std::string& text) = 0;
};

/// Prints "message: TEXT" to stderr; yesNo answers no.
class StderrMessages : public IMessages {
  public:
    void info(const std::string& text) override;
    bool yesNo(const std::string& text) override;
};

/// Keeps every message for inspection; yesNo answers `answer`.
class RecordingMessages : public IMessages {
  public:
    std::vector<std::string> texts;
    bool answer = false;
    void info(const std::string& text) override { texts.push_back(text); }
    bool yesNo(const std::string& text) override {
        texts.push_back(text);
        return answer;
    }
};

} // namespace tarnel
