#pragma once
// Sets a flag for the lifetime of the guard and puts the previous value back on every
// exit path, exceptions included, so a failing callback never leaves a panel locked or
// deaf to its edit box.

namespace tarnel {

class FlagGuard {
  public:
    FlagGuard(bool& flag, bool value) : fFlag(flag), fPrev(flag) { fFlag = value; }
    ~FlagGuard() { fFlag = fPrev; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& fFlag;
    bool fPrev;
};

} // namespace tarnel
