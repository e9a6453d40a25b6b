#pragma once

namespace sw {

// Marks a programmatic filling of controls for as long as it lives: the
// change handlers that see the depth above zero neither write the model nor
// count as a change by the user.
class TFillGuard {
public:
    explicit TFillGuard(int& depth) : depth_(depth) { ++depth_; }
    ~TFillGuard() { --depth_; }
    TFillGuard(const TFillGuard&) = delete;
    TFillGuard& operator=(const TFillGuard&) = delete;

private:
    int& depth_;
};

} // namespace sw
