#pragma once
// The one way the core talks to the user: an information box and a yes/no question.
// The GUI installs message boxes, the CLI stderr, tests a recorder; the default
// writes to stderr so nothing ever blocks.

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

/// The installed sink (the stderr one until something else is installed).
IMessages& messages();
/// Installs a sink; returns the previous one. Passing nullptr restores the default.
IMessages* installMessages(IMessages* sink);

/// Shorthand for messages().info(text).
inline void showMessage(const std::string& text) {
    messages().info(text);
}

/// Installs a sink for the lifetime of the guard (tests, nested tools).
class ScopedMessages {
  public:
    explicit ScopedMessages(IMessages& sink) : fPrev(installMessages(&sink)) {}
    ~ScopedMessages() { installMessages(fPrev); }
    ScopedMessages(const ScopedMessages&) = delete;
    ScopedMessages& operator=(const ScopedMessages&) = delete;

  private:
    IMessages* fPrev;
};

} // namespace tarnel
